#include "app/widgets/KxDialogTitleFit.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QFontMetrics>
#include <QScreen>

namespace {
// Room beside the title text in a window manager's title bar: the window icon and the
// minimise, maximise and close buttons, each about a line high with a margin, and padding.
constexpr int kTitleBarButtons = 4;
constexpr int kButtonMargin = 12;
constexpr int kPadding = 40;
} // namespace

int KxDialogTitleFit::titleWidth(const QWidget& window) {
    // Title bars usually draw their text bold in the desktop's title font.
    QFont font = QApplication::font("QMdiSubWindowTitleBar");
    font.setBold(true);
    const QFontMetrics metrics(font);
    return metrics.horizontalAdvance(window.windowTitle()) +
           kTitleBarButtons * (metrics.height() + kButtonMargin) + kPadding;
}

void KxDialogTitleFit::fit(QWidget& window) {
    int wanted = titleWidth(window);
    if (const QScreen* screen = window.screen()) wanted = std::min(wanted, screen->availableGeometry().width() * 9 / 10);
    if (window.width() >= wanted) return;
    // A message box fixes its own size when shown; widen the fixed width with it.
    if (window.maximumWidth() < wanted) window.setMaximumWidth(wanted);
    window.setMinimumWidth(wanted);
    window.resize(wanted, window.height());
}

bool KxDialogTitleFit::eventFilter(QObject* watched, QEvent* event) {
    // ShowToParent comes after the window's own showEvent, when a message box has sized
    // itself.
    if (event->type() == QEvent::ShowToParent) {
        auto* dialog = qobject_cast<QDialog*>(watched);
        if (dialog != nullptr && dialog->isWindow()) fit(*dialog);
    }
    return QObject::eventFilter(watched, event);
}
