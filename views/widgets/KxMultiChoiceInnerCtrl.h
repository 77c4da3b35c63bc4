#pragma once
// The list that drops down under a Multiple Choice box with the field's items.

#include <QListWidget>

class KxMultiChoiceInnerCtrl : public QListWidget {
    Q_OBJECT
  public:
    explicit KxMultiChoiceInnerCtrl(QWidget* parent = nullptr);

    // Shows the list under (or, without room, above) the given box, as wide as it.
    void popUpUnder(QWidget* box);

  signals:
    // The user chose an item (a click, Enter or Space).
    void chosen(int row);
    void closed();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void hideEvent(QHideEvent* event) override;
};
