#include "views/widgets/KxMultiChoiceInnerCtrl.h"

#include <QKeyEvent>
#include <QScreen>

namespace {

// The list shows at most this many items at once and scrolls for the rest.
constexpr int kVisibleItems = 10;

} // namespace

KxMultiChoiceInnerCtrl::KxMultiChoiceInnerCtrl(QWidget* parent) : QListWidget(parent) {
    setWindowFlags(Qt::Popup);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
    // The click that closes the list outside it is not passed on: on the arrow button it
    // would open the list again.
    setAttribute(Qt::WA_NoMouseReplay);
    connect(this, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        emit chosen(row(item));
        hide();
    });
}

void KxMultiChoiceInnerCtrl::popUpUnder(QWidget* box) {
    const int rowHeight = count() > 0 ? sizeHintForRow(0) : fontMetrics().height();
    const int rows = std::clamp(count(), 1, kVisibleItems);
    const int height = rows * rowHeight + 2 * frameWidth();
    QPoint at = box->mapToGlobal(QPoint(0, box->height()));
    if (const QScreen* screen = box->screen()) {
        const QRect room = screen->availableGeometry();
        if (at.y() + height > room.bottom()) at = box->mapToGlobal(QPoint(0, -height));
    }
    setGeometry(QRect(at, QSize(box->width(), height)));
    // A window does not take its painting back when its parent does; a list made while the
    // form had painting switched off would stay blank.
    setUpdatesEnabled(true);
    show();
    setFocus(Qt::PopupFocusReason);
    if (currentItem() != nullptr) scrollToItem(currentItem());
}

void KxMultiChoiceInnerCtrl::keyPressEvent(QKeyEvent* e) {
    switch (e->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (currentRow() >= 0) emit chosen(currentRow());
        hide();
        return;
    case Qt::Key_Escape:
    case Qt::Key_F4:
        hide();
        return;
    default:
        QListWidget::keyPressEvent(e);
    }
}

void KxMultiChoiceInnerCtrl::hideEvent(QHideEvent* e) {
    QListWidget::hideEvent(e);
    emit closed();
}
