#include "views/widgets/KxCheckBoxCtrl.h"

#include "views/widgets/KxCtrlMetrics.h"

#include "engine/values/TypeCodes.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>

namespace {

// The check box proper is 16 pixels square; its focus rectangle needs a pixel more.
constexpr int kBoxSize = 16;
constexpr int kFocusRoom = 2;

QRect markRect(const QWidget& widget, const QRect& area) {
    const int w = widget.style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, &widget);
    const int h = widget.style()->pixelMetric(QStyle::PM_IndicatorHeight, nullptr, &widget);
    return {area.left() + kFocusRoom, area.top() + (area.height() - h) / 2, w, h};
}

} // namespace

void kxDrawCheckMark(QPainter& painter, const QWidget& widget, const QRect& area, bool checked,
                     bool editable, bool focused) {
    QStyleOptionButton option;
    option.initFrom(&widget);
    option.rect = markRect(widget, area);
    option.state |= checked ? QStyle::State_On : QStyle::State_Off;
    // A display shows only the state: no hover or pressed look, but not greyed either.
    if (!editable) option.state &= ~(QStyle::State_MouseOver | QStyle::State_Sunken);
    option.state |= QStyle::State_Enabled;
    widget.style()->drawPrimitive(QStyle::PE_IndicatorCheckBox, &option, &painter, &widget);
    if (focused) {
        QStyleOptionFocusRect focus;
        focus.initFrom(&widget);
        focus.rect = option.rect.adjusted(-kFocusRoom, -kFocusRoom, kFocusRoom, kFocusRoom);
        widget.style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, &widget);
    }
}

int kxCheckMarkWidth(const QWidget& widget) {
    const int w = widget.style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, &widget);
    return std::max(kBoxSize, w + 2 * kFocusRoom);
}

KxCheckBoxCtrl::KxCheckBoxCtrl(QWidget* parent) : QCheckBox(parent) {
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Button);
    connect(this, &QAbstractButton::clicked, this, [this] { markModified(); });
    watchFocus();
}

QSize KxCheckBoxCtrl::sizeHint() const {
    return {kxCheckMarkWidth(*this), isReadOnly() ? kxLineHeight() : kxStandardCtrlHeight()};
}

std::optional<FieldValue> KxCheckBoxCtrl::readContent() {
    FieldValue value = FieldValue::newValue(kx::type::Checkbox);
    value.setChecked(isChecked());
    return value;
}

void KxCheckBoxCtrl::showContent(const FieldValue* value) {
    setChecked(value != nullptr && value->type() == kx::type::Checkbox && value->isChecked());
}

void KxCheckBoxCtrl::applyReadOnly(bool) {
    updateGeometry();
    update();
}

bool KxCheckBoxCtrl::event(QEvent* e) {
    if (navigateOnTab(e)) return true;
    return QCheckBox::event(e);
}

void KxCheckBoxCtrl::keyPressEvent(QKeyEvent* e) {
    if (isReadOnly() && e->key() == Qt::Key_Space) {
        e->ignore();
        return;
    }
    QCheckBox::keyPressEvent(e);
}

bool KxCheckBoxCtrl::hitButton(const QPoint& pos) const {
    return !isReadOnly() && rect().contains(pos);
}

void KxCheckBoxCtrl::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    kxDrawCheckMark(painter, *this, rect(), isChecked(), !isReadOnly(), hasFocus());
}
