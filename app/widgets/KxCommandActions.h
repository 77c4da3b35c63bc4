#pragma once
// The main window's commands as Qt actions: one action per command id with its menu text,
// shortcuts, status-bar prompt and tool tip; the menu bar and the toolbar built from the
// command tables; the run-time entries (recent files, saved searches) and the enabling.

#include "app/KxCommandState.h"

#include <QKeySequence>
#include <QList>
#include <QObject>

#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

class QAction;
class QMenu;
class QMenuBar;
class QToolBar;
class QWidget;

class KxCommandActions : public QObject {
    Q_OBJECT
  public:
    // Actions belong to `window`, whose shortcuts they answer; `run` carries a command out.
    KxCommandActions(QWidget& window, std::function<void(KxCommand)> run);

    void buildMenus(QMenuBar& bar);
    void buildToolBar(QToolBar& bar);

    QAction* action(KxCommand command) const;
    // Every key that runs the command: the one the menu shows first, then the further ones.
    QList<QKeySequence> keys(KxCommand command) const;
    QMenu* fileMenu() const { return fileMenu_; }
    QMenu* recordMenu() const { return recordMenu_; }

    // Whether a command may run now. New Database, Open, the recent files, Exit, Help and
    // About always may; the saved searches follow Search Records.
    static bool enabled(KxCommand command, const KxCommandState& state, const KxFocusState& focus);

    // Enables every command as the rules say (and sets the text of Delete Category).
    void refresh(const KxCommandState& state, const KxFocusState& focus);
    // Replaces the recent-file entries before Exit (texts as the menu shows them).
    void setRecentFiles(const std::vector<std::string>& menuTexts);
    // Replaces the saved-search entries after Search Records: (search index, menu text).
    void setSavedSearches(const std::vector<std::pair<std::size_t, std::string>>& entries);

  signals:
    // A menu is about to open: the owner refreshes before it shows.
    void menuAboutToShow();

  private:
    QAction* makeAction(KxCommand command, const QString& text);
    QAction* keyAction(KxCommand command);
    void clearEntries(std::vector<QAction*>& entries);

    std::vector<std::string> recentTexts_;
    std::vector<std::pair<std::size_t, std::string>> savedSearches_;

    QWidget& window_;
    std::function<void(KxCommand)> run_;
    std::map<KxCommand, QAction*> actions_;
    std::map<KxCommand, QAction*> keyActions_; // further keys of items that show none
    QMenu* fileMenu_ = nullptr;
    QMenu* recordMenu_ = nullptr;
    std::vector<QAction*> recentEntries_;
    std::vector<QAction*> savedSearchEntries_;
};
