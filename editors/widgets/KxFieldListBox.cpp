#include "editors/widgets/KxFieldListBox.h"

#include <QPainter>

namespace {
constexpr int kMargin = 4;
constexpr int kGap = 12;

class FieldRowDelegate : public KxCutTextDelegate {
  public:
    using KxCutTextDelegate::KxCutTextDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QStyleOptionViewItem row = option;
        QStyledItemDelegate::initStyleOption(&row, index); // the whole name: cut below
        const QString name = row.text;
        const QString type = index.data(KxFieldListBox::kTypeNameRole).toString();
        row.text.clear();
        const QWidget* widget = option.widget;
        widget->style()->drawControl(QStyle::CE_ItemViewItem, &row, painter, widget);
        painter->save();
        painter->setPen(option.palette.color(option.state & QStyle::State_Selected ? QPalette::HighlightedText
                                                                                   : QPalette::Text));
        const QRect inner = option.rect.adjusted(kMargin, 0, -kMargin, 0);
        const int typeWidth = option.fontMetrics.horizontalAdvance(type);
        painter->drawText(inner, Qt::AlignVCenter | Qt::AlignRight, type);
        painter->drawText(inner.adjusted(0, 0, -(typeWidth + kGap), 0), Qt::AlignVCenter | Qt::AlignLeft,
                          kxCutWithDots(option.fontMetrics, name, inner.width() - typeWidth - kGap));
        painter->restore();
    }
};
} // namespace

KxFieldListBox::KxFieldListBox(QWidget* parent) : KxDragListBox(parent) {
    setItemDelegate(new FieldRowDelegate(this));
}

void KxFieldListBox::setRow(int row, const QString& name, const QString& typeName) {
    QListWidgetItem* it = item(row);
    if (!it) it = new QListWidgetItem(this);
    it->setText(name);
    it->setData(kTypeNameRole, typeName);
}

QString KxFieldListBox::shownName(int row, int width) const {
    const QListWidgetItem* it = item(row);
    if (!it) return {};
    const QString type = it->data(kTypeNameRole).toString();
    const int room = width - 2 * kMargin - fontMetrics().horizontalAdvance(type) - kGap;
    return kxCutWithDots(fontMetrics(), it->text(), room);
}
