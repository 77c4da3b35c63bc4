#pragma once
// The application object: the last line of defence around every event (a failure escaping
// a command is shown as its message and the program goes on), the start-up of a run, and the
// shared fonts of the views.

#include <QApplication>

#include <memory>

class KxDbAppInstance;
class KxSharedFonts;
class KxUi;
class KxUiQt;

// The program's names for the desktop and the application-wide behaviour of its windows
// (dialogs as wide as their titles, F1 in any dialog).
void kxSetUpApplication(QApplication& app);

class KxDbApp : public QApplication {
    Q_OBJECT
  public:
    KxDbApp(int& argc, char** argv);
    ~KxDbApp() override;

    // The running application object, or none when it is a plain QApplication.
    static KxDbApp* instance();

    // The start-up sequence on the process's command line; false ends the process.
    bool startUp();
    KxDbAppInstance* run() { return run_.get(); }

    bool notify(QObject* receiver, QEvent* event) override;
    // Where escaping failures are shown: the run's user interface once there is one; none
    // means a message box of the application's own.
    void setFailureUi(KxUi* ui);

    // The views' font, slot 0 or 1 (any other index means 0), made from the settings on
    // first use; the application's font when the application object is not a KxDbApp.
    static QFont sharedFont(int slot);

  private:
    std::unique_ptr<KxUiQt> fallbackUi_;
    KxUi* failureUi_ = nullptr;
    std::unique_ptr<KxDbAppInstance> run_;
    std::unique_ptr<KxSharedFonts> fonts_;
};
