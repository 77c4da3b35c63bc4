#include "views/widgets/KxCheckCellDelegate.h"

#include "views/widgets/KxRecordTableModel.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>

int KxCheckCellDelegate::imageWidth(const QWidget& widget) {
    return widget.style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, &widget);
}

void KxCheckCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                const QModelIndex& index) const {
    const QVariant checked = index.data(KxRecordTableModel::CheckedRole);
    if (!checked.isValid()) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    // The row's background and selection first, then the box over it.
    QStyleOptionViewItem background = option;
    initStyleOption(&background, index);
    background.text.clear();
    const QWidget* widget = option.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &background, painter, widget);

    QStyleOptionButton box;
    const int side = widget ? imageWidth(*widget) : style->pixelMetric(QStyle::PM_IndicatorWidth);
    const int height = style->pixelMetric(QStyle::PM_IndicatorHeight, nullptr, widget);
    box.rect = QRect(option.rect.left() + kImageLeft, option.rect.top() + (option.rect.height() - height) / 2, side,
                     height);
    box.state = QStyle::State_Enabled | (checked.toBool() ? QStyle::State_On : QStyle::State_Off);
    box.palette = option.palette;
    style->drawPrimitive(QStyle::PE_IndicatorCheckBox, &box, painter, widget);
}
