#include "views/widgets/KxDragCheckListBox.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace {
constexpr int kCheckedRole = Qt::UserRole + 40;

int boxSize(const QWidget* w) { return w->style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, w); }

// Draws the item's own check box at its left and the text, cut with "...", after it.
class CheckDelegate : public KxCutTextDelegate {
  public:
    using KxCutTextDelegate::KxCutTextDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QStyleOptionViewItem text = option;
        QStyledItemDelegate::initStyleOption(&text, index); // the whole text: cut below
        const QWidget* widget = option.widget;
        QStyle* style = widget ? widget->style() : QApplication::style();
        const int box = boxSize(widget);
        style->drawPrimitive(QStyle::PE_PanelItemViewItem, &text, painter, widget);
        QStyleOptionButton check;
        check.rect = QRect(option.rect.left() + 3, option.rect.center().y() - box / 2, box, box);
        check.state = QStyle::State_Enabled | (index.data(kCheckedRole).toBool() ? QStyle::State_On : QStyle::State_Off);
        style->drawPrimitive(QStyle::PE_IndicatorCheckBox, &check, painter, widget);
        const QRect textRect = option.rect.adjusted(box + 8, 0, -4, 0);
        painter->save();
        painter->setPen(option.palette.color(option.state & QStyle::State_Selected ? QPalette::HighlightedText
                                                                                   : QPalette::Text));
        painter->drawText(textRect, Qt::AlignVCenter | Qt::AlignLeft,
                          kxCutWithDots(option.fontMetrics, text.text, textRect.width()));
        painter->restore();
    }
};
} // namespace

KxDragCheckListBox::KxDragCheckListBox(QWidget* parent) : KxDragListBox(parent) {
    setItemDelegate(new CheckDelegate(this));
}

void KxDragCheckListBox::addCheckItem(const QString& text, bool checked) {
    auto* item = new QListWidgetItem(text, this);
    item->setData(kCheckedRole, checked);
}

bool KxDragCheckListBox::isChecked(int row) const {
    const QListWidgetItem* it = item(row);
    return it && it->data(kCheckedRole).toBool();
}

void KxDragCheckListBox::setChecked(int row, bool checked) {
    if (QListWidgetItem* it = item(row)) it->setData(kCheckedRole, checked);
}

void KxDragCheckListBox::toggle(int row) {
    if (row < 0 || row >= count()) return;
    setChecked(row, !isChecked(row));
    emit itemToggled(row, isChecked(row));
}

void KxDragCheckListBox::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space && event->modifiers() == Qt::NoModifier) {
        toggle(currentRow());
        event->accept();
        return;
    }
    KxDragListBox::keyPressEvent(event);
}

void KxDragCheckListBox::mousePressEvent(QMouseEvent* event) {
    const QModelIndex index = indexAt(event->position().toPoint());
    if (index.isValid() && event->button() == Qt::LeftButton) {
        const QRect rect = visualRect(index);
        if (event->position().x() < rect.left() + boxSize(this) + 6) {
            setCurrentRow(index.row());
            toggle(index.row());
            event->accept();
            return;
        }
    }
    KxDragListBox::mousePressEvent(event);
}
