#include "app/widgets/KxPreferencesDialog.h"
#include "app/AppStrings.h"
#include "views/widgets/KxQtText.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QVBoxLayout>

KxPreferencesDialog::KxPreferencesDialog(const KxPreferences& current, QWidget* parent) : QDialog(parent) {
    setWindowTitle(kxQtString(kxStrPreferencesTitle));
    showToolTips_ = new QCheckBox(kxQtString(kxStrPrefShowToolTips), this);
    showToolTips_->setChecked(current.showToolTips);
    allowCopy_ = new QCheckBox(kxQtString(kxStrPrefAllowCopy), this);
    allowCopy_->setChecked(current.allowCopyHandheldToPc);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(showToolTips_);
    layout->addWidget(allowCopy_);
    layout->addWidget(buttons);
    allowCopy_->setFocus(Qt::OtherFocusReason);
}

KxPreferences KxPreferencesDialog::preferences() const {
    return {showToolTips_->isChecked(), allowCopy_->isChecked()};
}
