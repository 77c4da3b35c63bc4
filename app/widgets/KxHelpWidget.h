#pragma once
// The user guide in a window of its own: the manual kept with the program, shown from its
// Markdown text and opened at the section about the window in front.

#include <QObject>
#include <QWidget>

class QTextBrowser;

class KxHelpWidget : public QWidget {
    Q_OBJECT
  public:
    explicit KxHelpWidget(QWidget* parent = nullptr);

    // Scrolls so that the section with this heading starts at the top; false (and the
    // start of the guide) when the guide has no such section.
    bool showSection(const QString& heading);
    QTextBrowser& browser() const { return *browser_; }

    // The guide's text as the program carries it.
    static QString manualText();

  private:
    QTextBrowser* browser_;
};

// Opens the guide at the section about the window holding `inFront` (the start of the
// guide when none fits, or for no window). The guide belongs to that window, so it can be
// read and scrolled while a dialog waits for its answer. Returns the guide's window.
KxHelpWidget* kxShowHelp(QWidget* inFront);

// F1 in any dialog opens the guide at the dialog's section; installed on the application.
// The main window answers F1 through its Help command.
class KxHelpKeyFilter : public QObject {
    Q_OBJECT
  public:
    explicit KxHelpKeyFilter(QObject* parent = nullptr) : QObject(parent) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
