#include "views/widgets/KxDateCtrl.h"

#include "views/widgets/KxCtrlClock.h"
#include "views/widgets/KxCtrlMetrics.h"
#include "views/widgets/KxQtText.h"
#include "views/PickerFormat.h"

#include "engine/values/TypeCodes.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QHBoxLayout>

KxDateCtrl::KxDateCtrl(QWidget* parent, const KxLocale& locale)
    : QWidget(parent), check_(new QCheckBox(this)), picker_(new QDateEdit(this)) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(check_);
    layout->addWidget(picker_, 1);
    setFocusProxy(picker_);
    setFixedHeight(kxStandardCtrlHeight());
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);

    picker_->setDisplayFormat(kxQt(kxPickerDateFormat(locale.shortDatePicture)));
    picker_->setCalendarPopup(true);
    picker_->setFixedHeight(kxStandardCtrlHeight());
    check_->setChecked(true);

    connect(check_, &QCheckBox::toggled, picker_, &QWidget::setEnabled);
    connect(check_, &QCheckBox::clicked, this, [this] { markModified(); });
    connect(picker_, &QDateEdit::userDateChanged, this, [this] { markModified(); });
    watchFocus();
}

std::optional<FieldValue> KxDateCtrl::readContent() {
    if (!check_->isChecked()) return std::nullopt;
    const QDate d = picker_->date();
    FieldValue value = FieldValue::newValue(kx::type::Date);
    value.setDate(d.year(), d.month(), d.day());
    return value;
}

void KxDateCtrl::showContent(const FieldValue* value) {
    const QSignalBlocker blockPicker(picker_);
    if (value != nullptr && value->type() == kx::type::Date && value->isValid())
        picker_->setDate(QDate(value->year(), value->month(), value->day()));
    else
        picker_->setDate(kxCtrlNow().date());
    check_->setChecked(true);
}

void KxDateCtrl::applyReadOnly(bool readOnly) {
    picker_->setReadOnly(readOnly);
    check_->setEnabled(!readOnly);
}
