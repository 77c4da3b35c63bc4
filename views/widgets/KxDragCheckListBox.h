#pragma once
// A drag list whose items carry check boxes of their own: a click on the box or the space bar
// toggles the selected item's check, and the owner is told (itemToggled). The import and
// export wizards and the print dialog's field chooser use it.

#include "views/widgets/KxDragListBox.h"

class KxDragCheckListBox : public KxDragListBox {
    Q_OBJECT
  public:
    explicit KxDragCheckListBox(QWidget* parent = nullptr);

    void addCheckItem(const QString& text, bool checked);
    bool isChecked(int row) const;
    void setChecked(int row, bool checked);

  signals:
    void itemToggled(int row, bool checked);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    void toggle(int row);
};
