#include "views/widgets/KxTimeCtrl.h"

#include "views/widgets/KxCtrlClock.h"
#include "views/widgets/KxCtrlMetrics.h"
#include "views/widgets/KxQtText.h"
#include "views/PickerFormat.h"

#include "engine/values/TypeCodes.h"

#include <QKeyEvent>

KxTimeCtrl::KxTimeCtrl(bool withSeconds, QWidget* parent, const KxLocale& locale)
    : QTimeEdit(parent), withSeconds_(withSeconds) {
    setDisplayFormat(kxQt(kxPickerTimeFormat(kxTimePictureFor(withSeconds, locale))));
    setFixedHeight(kxStandardCtrlHeight());
    connect(this, &QTimeEdit::userTimeChanged, this, [this] { markModified(); });
    watchFocus();
}

bool KxTimeCtrl::event(QEvent* e) {
    // Tab leaves the picker instead of moving between its fields.
    if (navigateOnTab(e)) return true;
    return QTimeEdit::event(e);
}

std::optional<FieldValue> KxTimeCtrl::readContent() {
    const QTime t = time();
    FieldValue value = FieldValue::newValue(kx::type::Time);
    value.setTime(t.hour(), t.minute(), withSeconds_ ? t.second() : 0);
    return value;
}

void KxTimeCtrl::showContent(const FieldValue* value) {
    const QSignalBlocker block(this);
    if (value != nullptr && value->type() == kx::type::Time && value->isValid())
        setTime(QTime(value->hour(), value->minute(), value->second()));
    else
        setTime(kxCtrlNow().time());
}

void KxTimeCtrl::applyReadOnly(bool readOnly) {
    QTimeEdit::setReadOnly(readOnly);
}
