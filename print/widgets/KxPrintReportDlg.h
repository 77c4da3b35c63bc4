#pragma once
// "Print Settings": the title, the print range, the fields to print, the style, the page
// setup, and the ways out: print, preview, save as PDF, open in the browser, or Cancel.
// The session holds the rules; this dialog binds the controls to it.

#include <QDialog>

#include <memory>

class KxPageSetupStoreQt;
class KxPrintPages;
class KxPrintSession;
class KxUi;
class QLineEdit;
class QPushButton;
class QRadioButton;

class KxPrintReportDlg : public QDialog {
    Q_OBJECT
  public:
    KxPrintReportDlg(QWidget* parent, KxUi& ui, KxPrintSession& session, KxPageSetupStoreQt& store);
    ~KxPrintReportDlg() override;

    QLineEdit& titleBox() const { return *title_; }
    QRadioButton& rangeButton(int index) const { return *ranges_[index]; }
    QPushButton& button(const char* name) const;

    // Cancel (and the end of printing): the controls go to the session.
    void reject() override;

    void chooseFields();
    void chooseStyle();
    void setUpPage();
    void print();
    void preview();
    void saveAsPdf();
    void openInBrowser();

  private:
    QPushButton* addButton(const QString& text, const char* name, void (KxPrintReportDlg::*slot)());
    void takeControls();
    // Generates the report under the progress box; false (the user told) when it failed.
    bool generateOutput();
    // The same, laid out on pages; none when the report failed.
    std::unique_ptr<KxPrintPages> generatePages();

    KxUi& ui_;
    KxPrintSession& session_;
    KxPageSetupStoreQt& store_;
    QLineEdit* title_;
    QRadioButton* ranges_[3];
};
