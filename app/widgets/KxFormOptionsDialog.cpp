#include "app/widgets/KxFormOptionsDialog.h"

#include "engine/KxDbError.h"
#include "app/AppStrings.h"
#include "views/widgets/KxQtText.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

#include <new>

KxFormOptionsDialog::KxFormOptionsDialog(bool right, QWidget* parent) : QDialog(parent) {
    setWindowTitle(kxQtString(kxStrFormOptionsTitle));
    auto* group = new QGroupBox(kxQtString(kxStrJustifyLabels), this);
    left_ = new QRadioButton(kxQtString(kxStrJustifyLeft), group);
    right_ = new QRadioButton(kxQtString(kxStrJustifyRight), group);
    (right ? right_ : left_)->setChecked(true);
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(left_);
    groupLayout->addWidget(right_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(buttons);
}

bool KxFormOptionsDialog::right() const { return right_->isChecked(); }

std::optional<bool> KxFormOptionsDialog::choose(bool right, QWidget* parent) {
    try {
        KxFormOptionsDialog dialog(right, parent);
        if (dialog.exec() != QDialog::Accepted) return std::nullopt;
        return dialog.right();
    } catch (const std::bad_alloc&) {
        throw KxDbError::NoResources;
    }
}
