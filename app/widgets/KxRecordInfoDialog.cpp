#include "app/widgets/KxRecordInfoDialog.h"

#include "engine/KxDbError.h"
#include "views/widgets/KxQtText.h"
#include "app/AppStrings.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

#include <new>

KxRecordInfoDialog::KxRecordInfoDialog(const KxRecordInfoText& info, QWidget* parent) : QDialog(parent) {
    setWindowTitle(kxQtString(kxStrRecordInfoTitle));
    auto* form = new QFormLayout;
    const auto value = [this](const std::string& text) {
        auto* label = new QLabel(kxQt(text), this);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        return label;
    };
    form->addRow(kxQtString(kxStrInfoCreated), value(info.created));
    form->addRow(kxQtString(kxStrInfoModified), value(info.modified));
    form->addRow(kxQtString(kxStrInfoRecordId), value(info.recordId));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

void kxRunRecordInfoDialog(const KxRecordInfoText& info, QWidget* parent) {
    try {
        KxRecordInfoDialog dialog(info, parent);
        dialog.exec();
    } catch (const std::bad_alloc&) {
        throw KxDbError::NoResources;
    }
}
