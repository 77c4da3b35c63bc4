#include "app/widgets/KxDbPropertiesDialog.h"
#include "app/AppStrings.h"
#include "views/widgets/KxQtText.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

KxDbPropertiesDialog::KxDbPropertiesDialog(const KxDbProperties& current, QWidget* parent) : QDialog(parent) {
    setWindowTitle(kxQtString(kxStrPropertiesTitle));
    checkboxesEditable_ = new QCheckBox(kxQtString(kxStrNewDbEditableCheckboxes), this);
    checkboxesEditable_->setChecked(current.checkboxesEditable);
    readOnlyMode_ = new QCheckBox(kxQtString(kxStrPropertiesReadOnlyMode), this);
    readOnlyMode_->setChecked(current.readOnlyMode);
    handheldReadOnly_ = new QCheckBox(kxQtString(kxStrPropertiesHandheldReadOnly), this);
    handheldReadOnly_->setChecked(current.handheldReadOnly);
    auto* note = new QLabel(kxQtString(kxStrPropertiesReinstallNote),
                            this);
    note->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(checkboxesEditable_);
    layout->addWidget(readOnlyMode_);
    layout->addWidget(handheldReadOnly_);
    layout->addWidget(note);
    layout->addWidget(buttons);
    setMinimumWidth(360);
}

KxDbProperties KxDbPropertiesDialog::properties() const {
    return {checkboxesEditable_->isChecked(), readOnlyMode_->isChecked(), handheldReadOnly_->isChecked()};
}
