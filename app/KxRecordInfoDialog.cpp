#include "app/KxRecordInfoDialog.h"

#include "KxDbError.h"
#include "views/KxQtText.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

#include <new>

KxRecordInfoDialog::KxRecordInfoDialog(const KxRecordInfoText& info, QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Record Information"));
    auto* form = new QFormLayout;
    const auto value = [this](const std::string& text) {
        auto* label = new QLabel(kxQt(text), this);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        return label;
    };
    form->addRow(tr("Time created:"), value(info.created));
    form->addRow(tr("Time last modified:"), value(info.modified));
    form->addRow(tr("Record ID:"), value(info.recordId));
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
