#pragma once
// What one run of the desktop program holds — the user interface, the handheld users, the
// recent files, the document and the main window — and the start-up sequence that makes
// them: locale, recent files, settings file, program directory, the window, the command
// line, showing the window and reopening the last database.

#include "app/widgets/KxRecentFilesQt.h"

#include <QStringList>

#include <memory>
#include <string>

class KxDbDoc;
class KxDbMainFrame;
class KxDocDialogs;
class KxHandheldUserSource;
class KxSchemaChangeHooks;
class KxUi;
class KxUiQt;

struct KxStartOptions {
    QStringList arguments;            // the command line after the program's name
    std::string settingsPath;         // empty: the process's settings file
    bool setProcessLocale = true;     // read the user's regional settings
    bool enterProgramDirectory = true; // templates and print files are found relative to it
};

class KxDbAppInstance {
  public:
    // `ui` none: Qt's message boxes and dialogs, owned by the main window.
    explicit KxDbAppInstance(KxUi* ui = nullptr);
    ~KxDbAppInstance();
    KxDbAppInstance(const KxDbAppInstance&) = delete;
    KxDbAppInstance& operator=(const KxDbAppInstance&) = delete;

    // False ends the process; a failure has been shown by then.
    bool start(const KxStartOptions& options);

    KxUi& ui() { return *ui_; }
    KxDbDoc* document() { return doc_.get(); }
    KxDbMainFrame* frame() { return frame_.get(); }
    KxRecentFilesQt& recentFiles() { return recent_; }
    // The settings file did not exist before this run.
    bool firstRun() const { return firstRun_; }

  private:
    bool openCommandLineFile(const std::string& path);
    void reopenLastFile();
    void installViewsAndDialogs();

    std::unique_ptr<KxUiQt> ownUi_;
    KxUi* ui_;
    KxRecentFilesQt recent_;
    std::unique_ptr<KxHandheldUserSource> users_;
    std::unique_ptr<KxDbDoc> doc_;
    std::unique_ptr<KxDbMainFrame> frame_;
    std::unique_ptr<KxDocDialogs> dialogs_;
    // The sync warning and the reinstallation question around a schema change.
    std::unique_ptr<KxSchemaChangeHooks> schemaHooks_;
    bool firstRun_ = false;
};

// The database file named on the command line (the first argument that is not an option),
// made absolute against `currentDir` so that it survives the change of directory; empty
// when there is none.
std::string kxCommandLineFile(const QStringList& arguments, const QString& currentDir);
