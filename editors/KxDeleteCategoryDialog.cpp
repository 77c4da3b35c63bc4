#include "editors/KxDeleteCategoryDialog.h"

#include <QDialogButtonBox>
#include <QRadioButton>
#include <QVBoxLayout>

KxDeleteCategoryDialog::KxDeleteCategoryDialog(QWidget* parent, const QString& name, bool deleteAll)
    : QDialog(parent), move_(new QRadioButton(tr("&Move all items to 'Unfiled'"), this)),
      delete_(new QRadioButton(tr("&Delete all items"), this)) {
    setWindowTitle(tr("Delete %1 Category").arg(name));
    (deleteAll ? delete_ : move_)->setChecked(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &KxDeleteCategoryDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &KxDeleteCategoryDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(move_);
    layout->addWidget(delete_);
    layout->addWidget(buttons);
}

bool KxDeleteCategoryDialog::deleteAllItems() const { return delete_->isChecked(); }
