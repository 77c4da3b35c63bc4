#include "views/widgets/KxDateTimeCtrl.h"

#include "views/widgets/KxCtrlClock.h"
#include "views/widgets/KxCtrlMetrics.h"
#include "views/widgets/KxInnerDateTimeCtrl.h"
#include "views/widgets/KxQtText.h"
#include "views/PickerFormat.h"

#include "engine/values/TypeCodes.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QStyleOptionSpinBox>

namespace {

// Keys that never start an empty field: modifiers on their own, F6 (it moves between the
// panes) and the keys that leave it empty or belong to the window around it.
bool startsField(const QKeyEvent& e) {
    if (e.modifiers() & (Qt::AltModifier | Qt::ControlModifier)) return false;
    switch (e.key()) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock:
    case Qt::Key_ScrollLock:
    case Qt::Key_F6:
    case Qt::Key_Escape:
    case Qt::Key_Delete:
    case Qt::Key_Backspace:
    case Qt::Key_unknown:
        return false;
    default:
        return true;
    }
}

} // namespace

KxDateTimeCtrl::KxDateTimeCtrl(Mode mode, bool withSeconds, QWidget* parent, const KxLocale& locale)
    : QWidget(parent), mode_(mode), withSeconds_(mode == Mode::Time ? withSeconds : false),
      picker_(new KxInnerDateTimeCtrl(this)) {
    setFocusPolicy(Qt::StrongFocus);
    setFixedHeight(kxStandardCtrlHeight());
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);

    if (mode_ == Mode::Date) {
        picker_->setDisplayFormat(kxQt(kxPickerDateFormat(locale.shortDatePicture)));
        picker_->setCalendarPopup(true);
    } else {
        picker_->setDisplayFormat(kxQt(kxPickerTimeFormat(kxTimePictureFor(withSeconds_, locale))));
    }
    picker_->hide();

    connect(picker_, &QDateTimeEdit::dateTimeChanged, this, [this] {
        if (showing_) return;
        userChanged_ = true;
        markModified();
    });
    connect(picker_, &KxInnerDateTimeCtrl::clearRequested, this, [this] { empty(); });
    connect(picker_, &KxInnerDateTimeCtrl::tabbed, this,
            [this](bool forward) { navigate(forward); });
    watchFocus();
}

bool KxDateTimeCtrl::hasValue() const {
    return !picker_->isHidden();
}

QSize KxDateTimeCtrl::sizeHint() const {
    return {picker_->sizeHint().width(), kxStandardCtrlHeight()};
}

// ---- values ------------------------------------------------------------------------------

std::optional<FieldValue> KxDateTimeCtrl::readContent() {
    if (!hasValue()) return std::nullopt;
    if (!userChanged_ && shown_) return shown_;
    if (mode_ == Mode::Date) {
        const QDate d = picker_->date();
        FieldValue value = FieldValue::newValue(kx::type::Date);
        value.setDate(d.year(), d.month(), d.day());
        return value;
    }
    const QTime t = picker_->time();
    FieldValue value = FieldValue::newValue(kx::type::Time);
    value.setTime(t.hour(), t.minute(), withSeconds_ ? t.second() : 0);
    return value;
}

void KxDateTimeCtrl::showContent(const FieldValue* value) {
    const int type = mode_ == Mode::Date ? kx::type::Date : kx::type::Time;
    const bool usable = value != nullptr && value->type() == type && value->isValid();
    showing_ = true;
    if (usable && mode_ == Mode::Date)
        picker_->setDate(QDate(value->year(), value->month(), value->day()));
    else if (usable)
        picker_->setTime(QTime(value->hour(), value->minute(), value->second()));
    else
        picker_->setDateTime(kxCtrlNow());
    showing_ = false;
    shown_ = usable ? std::optional<FieldValue>(*value) : std::nullopt;
    userChanged_ = false;
    setPickerShown(usable);
}

void KxDateTimeCtrl::applyReadOnly(bool readOnly) {
    picker_->setReadOnly(readOnly);
}

// ---- the empty box -----------------------------------------------------------------------

void KxDateTimeCtrl::setPickerShown(bool shown) {
    if (shown == hasValue()) return;
    if (shown) {
        const bool hadFocus = hasFocus();
        picker_->setGeometry(rect());
        picker_->show();
        setFocusProxy(picker_);
        if (hadFocus) picker_->setFocus(Qt::OtherFocusReason);
    } else {
        // The focus stays in the box when its picker goes.
        const bool hadFocus = picker_->hasFocus();
        setFocusProxy(nullptr);
        if (hadFocus) setFocus(Qt::OtherFocusReason);
        picker_->hide();
    }
    update();
}

void KxDateTimeCtrl::fill() {
    showing_ = true;
    picker_->setDateTime(kxCtrlNow());
    showing_ = false;
    shown_.reset();
    userChanged_ = true;
    markModified();
    setPickerShown(true);
    picker_->setFocus(Qt::OtherFocusReason);
    // Typing starts in the first field of the picture.
    picker_->setCurrentSectionIndex(0);
    picker_->setSelectedSection(picker_->currentSection());
}

void KxDateTimeCtrl::empty() {
    userChanged_ = true;
    shown_.reset();
    markModified();
    setPickerShown(false);
}

bool KxDateTimeCtrl::event(QEvent* e) {
    if (navigateOnTab(e)) return true;
    return QWidget::event(e);
}

void KxDateTimeCtrl::keyPressEvent(QKeyEvent* e) {
    if (isReadOnly() || hasValue() || !startsField(*e)) {
        QWidget::keyPressEvent(e);
        return;
    }
    fill();
    QKeyEvent passed(e->type(), e->key(), e->modifiers(), e->text(), e->isAutoRepeat(),
                     static_cast<quint16>(e->count()));
    QApplication::sendEvent(picker_, &passed);
    e->accept();
}

void KxDateTimeCtrl::mousePressEvent(QMouseEvent* e) {
    if (isReadOnly() || hasValue() || e->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(e);
        return;
    }
    const bool onDropDown = mode_ == Mode::Date && dropDownRect().contains(e->position().toPoint());
    fill();
    // A click on the drop-down goes on to the picker and opens its calendar.
    if (onDropDown) {
        QMouseEvent passed(e->type(), e->position(), e->scenePosition(), e->globalPosition(),
                           e->button(), e->buttons(), e->modifiers());
        QApplication::sendEvent(picker_, &passed);
    }
    e->accept();
}

void KxDateTimeCtrl::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    picker_->setGeometry(rect());
}

void KxDateTimeCtrl::initEmptyLook(QStyleOptionComplex& option) const {
    option.initFrom(this);
    if (isReadOnly()) option.state |= QStyle::State_ReadOnly;
}

QRect KxDateTimeCtrl::dropDownRect() const {
    QStyleOptionComboBox option;
    initEmptyLook(option);
    option.editable = true;
    return style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxArrow, this);
}

void KxDateTimeCtrl::paintEvent(QPaintEvent*) {
    if (hasValue()) return;
    QPainter painter(this);
    QRect field;
    if (mode_ == Mode::Date) {
        QStyleOptionComboBox option;
        initEmptyLook(option);
        option.editable = true;
        option.frame = true;
        style()->drawComplexControl(QStyle::CC_ComboBox, &option, &painter, this);
        field = style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField,
                                        this);
    } else {
        QStyleOptionSpinBox option;
        initEmptyLook(option);
        option.frame = true;
        option.buttonSymbols = QAbstractSpinBox::UpDownArrows;
        option.stepEnabled = QAbstractSpinBox::StepUpEnabled | QAbstractSpinBox::StepDownEnabled;
        option.subControls = QStyle::SC_SpinBoxFrame | QStyle::SC_SpinBoxUp |
                             QStyle::SC_SpinBoxDown | QStyle::SC_SpinBoxEditField;
        style()->drawComplexControl(QStyle::CC_SpinBox, &option, &painter, this);
        field =
            style()->subControlRect(QStyle::CC_SpinBox, &option, QStyle::SC_SpinBoxEditField, this);
    }
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = field.adjusted(1, 1, -1, -1);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}
