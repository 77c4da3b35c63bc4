#pragma once
// The paged wizard frame of the import, export and New Database wizards: one page at a time
// with "< &Back", "&Next >", "&Finish" and "Canc&el", and the window title
// "<wizard> - Step <n> of <count> - <page>". A page may refuse to be left and is told when it
// becomes the active page. Pages are made when they are first reached; a page that cannot be
// made (an engine error) is reported and the wizard stays where it was.

#include <QDialog>

#include <functional>
#include <vector>

class KxUi;
class QLabel;
class QPushButton;
class QStackedWidget;

class KxWizardPage : public QWidget {
    Q_OBJECT
  public:
    explicit KxWizardPage(const QString& title, QWidget* parent = nullptr) : QWidget(parent), title_(title) {}
    const QString& title() const { return title_; }

    // The page's own checks before it is left; false keeps the wizard on it.
    virtual bool mayGoBack() { return true; }
    virtual bool mayGoNext() { return true; }
    virtual bool mayFinish() { return true; }
    // The page has just become the active page.
    virtual void activated() {}

  private:
    QString title_;
};

class KxWizard : public QDialog {
    Q_OBJECT
  public:
    using PageFactory = std::function<KxWizardPage*(QWidget* parent)>;

    KxWizard(const QString& title, KxUi& ui, QWidget* parent = nullptr);

    // Adds a page at the end; it is made when the wizard first reaches it.
    void addPage(PageFactory make);
    // Shows the first page; false when it could not be made (the error was shown).
    bool start();
    int exec() override;

    int pageIndex() const { return current_; }
    int pageCount() const { return static_cast<int>(pages_.size()); }
    KxWizardPage* page(int index) const;

    QPushButton* backButton() const { return back_; }
    QPushButton* nextButton() const { return next_; }
    QPushButton* finishButton() const { return finish_; }
    QPushButton* cancelButton() const { return cancel_; }

    // The buttons' work, for the keyboard and for tests.
    void goBack();
    void goNext();
    void finishWizard();

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    struct Slot {
        PageFactory make;
        KxWizardPage* page = nullptr;
    };
    bool showPage(int index);
    void updateButtons();

    QString title_;
    KxUi& ui_;
    std::vector<Slot> pages_;
    int current_ = -1;
    QStackedWidget* stack_;
    QPushButton* back_;
    QPushButton* next_;
    QPushButton* finish_;
    QPushButton* cancel_;
};
