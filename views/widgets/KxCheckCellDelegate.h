#pragma once
// Draws the list's cells: text as usual, check box cells as a checked or unchecked box image
// 3 pixels from the cell's left edge.

#include <QStyledItemDelegate>

class KxCheckCellDelegate : public QStyledItemDelegate {
  public:
    static constexpr int kImageLeft = 3;
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    // The width of one box image in `widget`'s style.
    static int imageWidth(const QWidget& widget);
};
