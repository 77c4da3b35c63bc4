#include "views/widgets/KxInnerDateTimeCtrl.h"

#include "views/widgets/KxBaseCtrl.h"

#include <QKeyEvent>

namespace {

bool isClearKey(const QKeyEvent& e) {
    if (e.key() == Qt::Key_Delete || e.key() == Qt::Key_Backspace)
        return !(e.modifiers() & (Qt::AltModifier | Qt::ControlModifier));
    return e.key() == Qt::Key_X && (e.modifiers() & Qt::ControlModifier) &&
           !(e.modifiers() & Qt::AltModifier);
}

} // namespace

KxInnerDateTimeCtrl::KxInnerDateTimeCtrl(QWidget* parent) : QDateTimeEdit(parent) {}

bool KxInnerDateTimeCtrl::event(QEvent* e) {
    if (e->type() == QEvent::KeyPress) {
        bool forward = true;
        // A picker would otherwise move between its own fields on Tab.
        if (kxIsTabNavigation(*static_cast<QKeyEvent*>(e), &forward)) {
            emit tabbed(forward);
            return true;
        }
    }
    // The keys that empty the field are the box's own, not a menu's shortcut.
    if (e->type() == QEvent::ShortcutOverride && !isReadOnly() &&
        isClearKey(*static_cast<QKeyEvent*>(e))) {
        e->accept();
        return true;
    }
    return QDateTimeEdit::event(e);
}

void KxInnerDateTimeCtrl::keyPressEvent(QKeyEvent* e) {
    if (!isReadOnly() && isClearKey(*e)) {
        emit clearRequested();
        e->accept();
        return;
    }
    QDateTimeEdit::keyPressEvent(e);
}
