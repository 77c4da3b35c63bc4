#pragma once
// The single top-level window: menus, toolbar, status bar, and the list and record panes
// side by side. It remembers its size and position, builds its title from the document,
// registers the panes with the document, keeps the insert/overwrite mode, and hands every
// command to the document (or to the subsystem that registered for it). A failure escaping
// a command is shown as its message and the program goes on.

#include "app/KxCommandState.h"
#include "app/KxDocView.h"
#include "base/KxSettings.h"

#include <QKeySequence>
#include <QList>
#include <QMainWindow>
#include <QPointer>

#include <functional>
#include <map>

class KxCommandActions;
class KxDbDoc;
class KxListPaneWidget;
class KxRecentFilesQt;
class KxRecordPaneWidget;
class KxStatusBarWidget;
class KxUi;
class QKeyEvent;
class QSplitter;
class QToolBar;

class KxDbMainFrame : public QMainWindow, public KxDocFrame {
    Q_OBJECT
  public:
    // The frame attaches itself to the document as its panes; `recent` may be none.
    KxDbMainFrame(KxDbDoc& doc, KxUi& ui, KxSettings settings, KxRecentFilesQt* recent = nullptr);
    ~KxDbMainFrame() override;

    // Replaces the panes (the frame takes them and registers them with the document); until
    // then placeholders stand in.
    void setPanes(KxListPaneWidget* list, KxRecordPaneWidget* record);
    KxListPaneWidget* listPane() const { return list_; }
    KxRecordPaneWidget* recordPane() const { return record_; }

    // Commands whose dialogs belong to other subsystems (Import, Export, Print, Save/Install
    // on Handheld, Field and Form Editor, Form Options) register their handler here.
    void setCommandHandler(KxCommand command, std::function<void()> handler);
    // Carries a command out as the menu does: only when enabled, with failures shown.
    void runCommand(KxCommand command);

    // Opening from the command line or the recent-file list: the document opens the file
    // (asking to revert or save as needed), then the views fill themselves. False when
    // nothing was opened; engine errors are passed on.
    bool openDocumentFile(const std::string& path);

    QAction* action(KxCommand command) const;
    QList<QKeySequence> commandKeys(KxCommand command) const;
    KxCommandActions& commands() const { return *actions_; }
    KxStatusBarWidget& statusPanes() const { return *status_; }
    QToolBar& toolBar() const { return *toolBar_; }
    QSplitter& splitter() const { return *splitter_; }

    // Enabling, texts and run-time menu entries, from the document's state and the focus.
    void refreshCommands();
    void refreshTitle();
    // After anything that may have changed the document: the recent files learn a new path,
    // then the status, title and commands follow.
    void syncWithDocument();

    bool overwriteMode() const { return overwrite_; }
    void setOverwriteMode(bool on);
    int listPaneShare() const { return listShare_; }
    bool toolTipsShown() const { return toolTips_; }
    void setToolTipsShown(bool on);

    // Size and position from the settings, before the window is first shown; then shown
    // maximized when it was closed maximized.
    void restorePlacement();
    void showAsPlaced();

    // --- KxDocFrame: what the document and the list ask of the window ---
    void setListPaneShare(int percent, bool relayout) override;
    void refreshStatus() override;
    void setWaitCursor(bool on) override;
    bool mainWindowVisible() const override;

  signals:
    void overwriteModeChanged(bool on);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

  private slots:
    // Enabling is brought up to date once the current events are handled.
    void scheduleRefresh();

  private:
    void installHandlers();
    void carryOut(KxCommand command);
    bool commandEnabled(KxCommand command);
    KxFocusState focusState() const;
    void applyPaneSplit();
    void focusOtherPane();
    bool isFirstReceiver(const QObject* watched) const;
    bool isEditKey(const QKeyEvent& key) const;
    void followLockKeys(const QKeyEvent& key);
    void openRecentFile(int index);
    void initialUpdate();
    void showAbout();
    void showPreferences();
    void showDatabaseProperties();
    void showHelp();
    void noteDocumentPath();
    void watchFocus(QWidget* now);

    KxDbDoc& doc_;
    KxUi& ui_;
    KxSettings settings_;
    KxRecentFilesQt* recent_;
    KxStatusBarWidget* status_ = nullptr;
    QToolBar* toolBar_ = nullptr;
    QSplitter* splitter_ = nullptr;
    KxListPaneWidget* list_ = nullptr;
    KxRecordPaneWidget* record_ = nullptr;
    KxCommandActions* actions_ = nullptr;
    std::map<KxCommand, std::function<void()>> handlers_;

    int listShare_ = 50;
    bool splitting_ = false;
    bool overwrite_ = false;
    bool toolTips_ = true;
    bool refreshPending_ = false;
    bool placed_ = false;
    std::string notedPath_;
    QPointer<QWidget> rememberedFocus_;
    QPointer<QWidget> watchedFocus_;
};
