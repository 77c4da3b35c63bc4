#include "views/widgets/KxDragListBox.h"

#include <QDropEvent>
#include <QKeyEvent>
#include <QPainter>

QSize KxCutTextDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
    return {1, QStyledItemDelegate::sizeHint(option, index).height()};
}

void KxCutTextDelegate::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const {
    QStyledItemDelegate::initStyleOption(option, index);
    option->text = kxCutWithDots(option->fontMetrics, option->text, option->rect.width() - 8);
}

QString kxCutWithDots(const QFontMetrics& metrics, const QString& text, int width) {
    if (metrics.horizontalAdvance(text) <= width) return text;
    const QString dots = QStringLiteral("...");
    QString cut = text;
    while (!cut.isEmpty() && metrics.horizontalAdvance(cut + dots) > width) cut.chop(1);
    return cut + dots;
}

KxDragListBox::KxDragListBox(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setDragEnabled(true);
    setAcceptDrops(true);
    setDropIndicatorShown(true);
    setDragDropMode(QAbstractItemView::InternalMove);
    setDefaultDropAction(Qt::MoveAction);
    setTextElideMode(Qt::ElideNone);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setItemDelegate(new KxCutTextDelegate(this));
}

void KxDragListBox::moveRow(int from, int to) {
    if (from < 0 || from >= count() || to < 0 || to >= count() || from == to) return;
    QListWidgetItem* item = takeItem(from);
    insertItem(to, item);
    setCurrentRow(to);
}

void KxDragListBox::keyPressEvent(QKeyEvent* event) {
    const bool alt = event->modifiers() == Qt::AltModifier;
    const int row = currentRow();
    if (alt && row >= 0 && (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down)) {
        const int to = event->key() == Qt::Key_Up ? row - 1 : row + 1;
        if (to >= 0 && to < count()) emit itemMoveRequested(row, to);
        event->accept();
        return;
    }
    QListWidget::keyPressEvent(event);
}

void KxDragListBox::startDrag(Qt::DropActions actions) {
    dragRow_ = currentRow();
    QListWidget::startDrag(actions);
    dragRow_ = -1;
}

// The drop is not carried out here: the owner is told and moves its data and the item.
void KxDragListBox::dropEvent(QDropEvent* event) {
    event->setDropAction(Qt::IgnoreAction);
    event->accept();
    if (dragRow_ < 0) return;
    const QModelIndex target = indexAt(event->position().toPoint());
    int to = target.isValid() ? target.row() : count() - 1;
    if (target.isValid() && dropIndicatorPosition() == QAbstractItemView::BelowItem && to < dragRow_) ++to;
    if (target.isValid() && dropIndicatorPosition() == QAbstractItemView::AboveItem && to > dragRow_) --to;
    if (to != dragRow_) emit itemMoveRequested(dragRow_, to);
}
