#pragma once
// The picker inside a form's date or time box. It leaves emptying the field and moving
// through the form to the box that holds it.

#include <QDateTimeEdit>

class KxInnerDateTimeCtrl : public QDateTimeEdit {
    Q_OBJECT
  public:
    explicit KxInnerDateTimeCtrl(QWidget* parent = nullptr);

  signals:
    // Delete, Backspace or Ctrl+X: the user empties the field.
    void clearRequested();
    // Tab or Shift+Tab: the user moves on through the form.
    void tabbed(bool forward);

  protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};
