#pragma once
// A list whose items the user reorders: by dragging with the mouse, or from the keyboard
// with Alt+Up and Alt+Down on the selected item. The list only reports the move (old and
// new row); the owner rearranges its data and then the items (moveRow). Item texts are cut to
// the width with "..." appended.

#include <QListWidget>
#include <QStyledItemDelegate>

class KxDragListBox : public QListWidget {
    Q_OBJECT
  public:
    explicit KxDragListBox(QWidget* parent = nullptr);

    // Moves the item at `from` to row `to` and keeps it selected; for the owner's use.
    void moveRow(int from, int to);

  signals:
    // The user moved the item at `from` to row `to`.
    void itemMoveRequested(int from, int to);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void startDrag(Qt::DropActions actions) override;

  private:
    int dragRow_ = -1;
};

// The text cut to `width` pixels, ending in "..." when it had to be cut.
QString kxCutWithDots(const QFontMetrics& metrics, const QString& text, int width);

// Draws an item's text cut with "..." to the list's width (Qt's own elision uses a single
// ellipsis character); items never ask for more width than the list has, so the list never
// scrolls sideways.
class KxCutTextDelegate : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

  protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;
};
