#pragma once
// "Fields to Print": the field chooser page without its labels box, over a selection; OK
// gives the selection the checked entries in their displayed order.

#include <QDialog>

class KxFieldChooserPage;
class KxFieldSelection;

class KxFieldsToPrintDialog : public QDialog {
    Q_OBJECT
  public:
    KxFieldsToPrintDialog(QWidget* parent, KxFieldSelection& selection);

    KxFieldChooserPage& page() const { return *page_; }

    void accept() override;

  private:
    KxFieldSelection& selection_;
    KxFieldChooserPage* page_;
};
