#include "views/widgets/KxBaseCtrl.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace {

const char* const kFocusScopeProperty = "kxFocusScope";

bool overwriteMode = false;

// Whether w is container or lies inside it, across pop-up windows (a calendar or a list
// that drops down belongs to the control that opened it).
bool isInside(const QWidget* w, const QWidget* container) {
    for (; w != nullptr; w = w->parentWidget())
        if (w == container) return true;
    return false;
}

QWidget* focusScopeOf(QWidget* ctrl) {
    for (QWidget* w = ctrl->parentWidget(); w != nullptr && !w->isWindow(); w = w->parentWidget())
        if (w->property(kFocusScopeProperty).toBool()) return w;
    return ctrl->window();
}

bool isTabStop(const QWidget* w) {
    return w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus) != 0;
}

} // namespace

std::optional<FieldValue> KxBaseCtrl::readValue() {
    std::optional<FieldValue> value = readContent();
    modified_ = false;
    return value;
}

void KxBaseCtrl::showValue(const FieldValue* value) {
    showContent(value);
    modified_ = false;
}

void KxBaseCtrl::setReadOnly(bool readOnly) {
    readOnly_ = readOnly;
    showReadOnlyLook(readOnly);
    applyReadOnly(readOnly);
}

// A read-only field wears the window's colour where an editable one is white, as a disabled
// box does, so that nobody types into a box that ignores them. Its parts inherit the look.
void KxBaseCtrl::showReadOnlyLook(bool readOnly) {
    QWidget* w = widget();
    if (!readOnly) {
        if (w->testAttribute(Qt::WA_SetPalette)) w->setPalette(QPalette()); // its parent's again
        return;
    }
    QPalette look;
    look.setColor(QPalette::Base, QApplication::palette(w).color(QPalette::Window));
    w->setPalette(look);
}

void KxBaseCtrl::applyReadOnly(bool) {}

void KxBaseCtrl::applyOverwriteMode(bool) {}

KxBaseCtrl* KxBaseCtrl::of(QWidget* widget) {
    return dynamic_cast<KxBaseCtrl*>(widget);
}

void KxBaseCtrl::watchFocus() {
    QWidget* self = widget();
    QObject::connect(qApp, &QApplication::focusChanged, &notifier_,
                     [this, self](QWidget* old, QWidget* now) {
                         const bool wasIn = isInside(old, self);
                         const bool isIn = isInside(now, self);
                         if (isIn && !wasIn) emit notifier_.focusEntered(self);
                         if (wasIn && !isIn && modified_) emit notifier_.leftModified(self);
                     });
}

void KxBaseCtrl::navigate(bool forward) {
    emit notifier_.navigating(widget());
    kxMoveFocusInForm(widget(), forward);
}

bool KxBaseCtrl::navigateOnTab(QEvent* e) {
    bool forward = true;
    if (e->type() != QEvent::KeyPress || !kxIsTabNavigation(*static_cast<QKeyEvent*>(e), &forward)) return false;
    navigate(forward);
    return true;
}

void kxSetOverwriteMode(bool overwrite) {
    overwriteMode = overwrite;
    for (QWidget* w : QApplication::allWidgets())
        if (KxBaseCtrl* ctrl = KxBaseCtrl::of(w)) ctrl->applyOverwriteMode(overwrite);
}

bool kxOverwriteMode() {
    return overwriteMode;
}

void kxSetFocusScope(QWidget* form) {
    form->setProperty(kFocusScopeProperty, true);
}

void kxMoveFocusInForm(QWidget* ctrl, bool forward) {
    QWidget* scope = focusScopeOf(ctrl);
    // The focus chain is a ring through the whole window; the first tab stop met inside
    // the form after the control is the next one, wrapping around at the form's end.
    QWidget* w = ctrl;
    for (qsizetype steps = QApplication::allWidgets().size(); steps > 0; --steps) {
        w = forward ? w->nextInFocusChain() : w->previousInFocusChain();
        if (w == nullptr || w == ctrl) return;
        if (isInside(w, ctrl) || !isInside(w, scope) || w->window() != ctrl->window()) continue;
        if (!isTabStop(w)) continue;
        w->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
        return;
    }
}

bool kxIsTabNavigation(const QKeyEvent& event, bool* forward) {
    if (event.modifiers() & (Qt::AltModifier | Qt::ControlModifier)) return false;
    if (event.key() == Qt::Key_Backtab ||
        (event.key() == Qt::Key_Tab && (event.modifiers() & Qt::ShiftModifier))) {
        *forward = false;
        return true;
    }
    if (event.key() == Qt::Key_Tab) {
        *forward = true;
        return true;
    }
    return false;
}
