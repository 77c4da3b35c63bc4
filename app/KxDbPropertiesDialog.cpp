#include "app/KxDbPropertiesDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

KxDbPropertiesDialog::KxDbPropertiesDialog(const KxDbProperties& current, QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Database Properties"));
    checkboxesEditable_ = new QCheckBox(tr("&Check Boxes Editable in List View"), this);
    checkboxesEditable_->setChecked(current.checkboxesEditable);
    readOnlyMode_ = new QCheckBox(tr("&Record View Has Read-only Mode"), this);
    readOnlyMode_->setChecked(current.readOnlyMode);
    handheldReadOnly_ = new QCheckBox(tr("&Database is Read-only on Handheld"), this);
    handheldReadOnly_->setChecked(current.handheldReadOnly);
    auto* note = new QLabel(tr("Changing the \"Database is Read-only on Handheld\" setting requires the database "
                               "to be reinstalled onto the device, using the \"File:Save/Install on Handheld\" "
                               "menu option."),
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
