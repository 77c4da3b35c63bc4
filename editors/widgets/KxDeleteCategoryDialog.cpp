#include "editors/widgets/KxDeleteCategoryDialog.h"

#include "platform/Cp1252.h"
#include "editors/KxCategoryEditing.h"
#include "editors/EditorStrings.h"
#include "views/widgets/KxQtText.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

KxDeleteCategoryDialog::KxDeleteCategoryDialog(QWidget* parent, const QString& name, bool deleteAll, int records)
    : QDialog(parent), move_(new QRadioButton(kxQtString(kxStrMoveItemsToUnfiled), this)),
      delete_(new QRadioButton(kxQtString(kxStrDeleteAllItems), this)) {
    setWindowTitle(kxQtString(kxStrDeleteCategoryTitle).arg(name));
    (deleteAll ? delete_ : move_)->setChecked(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &KxDeleteCategoryDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &KxDeleteCategoryDialog::reject);
    auto* layout = new QVBoxLayout(this);
    if (records >= 0) {
        // The title names the category; the line says what the choice below affects.
        count_ = new QLabel(QString::fromStdString(kxToUtf8(kxCategoryRecordsLine(kxFromUtf8(name.toStdString()), static_cast<std::size_t>(records)))), this);
        layout->addWidget(count_);
    }
    layout->addWidget(move_);
    layout->addWidget(delete_);
    layout->addWidget(buttons);
}

bool KxDeleteCategoryDialog::deleteAllItems() const { return delete_->isChecked(); }
