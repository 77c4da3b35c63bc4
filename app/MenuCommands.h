#pragma once
// The main window's menus and accelerators as data: every item's text, the shortcut its
// menu shows and its command, and the further keys that run a command. The frame builds
// its menus, toolbar and shortcuts from these tables.
//
// Shortcuts are written the way Qt's portable key names spell them ("Ctrl+O", "Alt+PgDown").

#include "app/KxCommandState.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct KxMenuItem {
    KxCommand command;
    int text;                  // its number in the string table; 0 for a separator
    std::string_view shortcut; // the key the menu shows, or empty
    bool isSeparator() const { return text == 0; }
};

// Where the run-time entries go: the recent files before Exit, the saved searches after
// Search Records.
struct KxMenu {
    int title; // its number in the string table
    std::vector<KxMenuItem> items;
};

// File, Edit, Record, Options, Help, in menu bar order.
const std::vector<KxMenu>& kxMainMenus();

// Keys beyond the one the menu shows, and the keys of commands without a menu item.
struct KxAccelerator {
    KxCommand command;
    std::string_view shortcut;
};
const std::vector<KxAccelerator>& kxExtraAccelerators();

// Commands of the toolbar in order; an empty entry is a separator.
const std::vector<std::optional<KxCommand>>& kxToolbarCommands();

// The recent-file entries of the File menu: at most nine, ids from RecentFileFirst.
inline constexpr int kxRecentFileCount = 9;
inline KxCommand kxRecentFileCommand(int index) {
    return static_cast<KxCommand>(static_cast<std::uint32_t>(KxCommand::RecentFileFirst) + index);
}
inline KxCommand kxSavedSearchCommand(std::size_t index) {
    return static_cast<KxCommand>(static_cast<std::uint32_t>(KxCommand::SavedSearch1) + index);
}

// The status-bar prompt and the tool tip of a command: its string table entry, split at the
// first newline.
struct KxCommandTexts {
    std::string prompt;
    std::string toolTip;
};
KxCommandTexts kxCommandTexts(KxCommand command);
