#pragma once
// The file dialog that starts in the folder it was last left in: the folder is kept under a
// settings key and written back whenever the user chooses a file.

#include "base/KxSettings.h"

#include <optional>
#include <string>

class KxUi;

// The dialog filter of database files, then all files ("name (pattern);;name (pattern)").
std::string kxDatabaseFileFilter();

// Asks for a database file to open (`open`) or to save, starting in the folder kept under
// `key`; the chosen file's folder is stored back. None when cancelled.
std::optional<std::string> kxAskDatabaseFile(KxUi& ui, KxSettings& settings,
                                             const KxDirSetting& key, const std::string& title,
                                             bool open, const std::string& fileName = {});
