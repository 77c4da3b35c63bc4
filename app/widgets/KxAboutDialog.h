#pragma once
// "About Rolva Desk": the program's name, icon and version, and OK.

#include <QDialog>

class KxAboutDialog : public QDialog {
    Q_OBJECT
  public:
    explicit KxAboutDialog(QWidget* parent = nullptr);
};
