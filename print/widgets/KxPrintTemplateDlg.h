#pragma once
// "Print Style": the templates of the templates folder and a sample of the printout with
// the selected one (at most five records, laid out as the printout is). OK makes the
// selected template the one the database prints with.

#include <QDialog>

class KxPrintSession;
class QListWidget;
class QTextBrowser;

class KxPrintTemplateDlg : public QDialog {
    Q_OBJECT
  public:
    KxPrintTemplateDlg(QWidget* parent, KxPrintSession& session);

    QListWidget& list() const { return *list_; }
    QTextBrowser& sample() const { return *sample_; }

    void accept() override;

  private:
    void showSample();

    KxPrintSession& session_;
    QListWidget* list_;
    QTextBrowser* sample_;
};
