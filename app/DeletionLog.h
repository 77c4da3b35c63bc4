#pragma once
// The deletion log: a diagnosis aid that appends the identities of the deleted records and
// of the records disposed of to a text file beside the settings file.

#include <ctime>
#include <string>

class KxDatabase;

// The log file of a settings file: its extension replaced by "Delete.dmp" (no dot).
std::string kxDeletionLogPath(const std::string& settingsPath);

// The text appended for one database at time `now`, shown as local time.
std::string kxDeletionLogText(const KxDatabase& db, std::time_t now);
std::string kxDeletionLogText(const KxDatabase& db, const std::tm& localTime);

// Appends the text to the file; false when it cannot be written.
bool kxAppendDeletionLog(const std::string& path, const std::string& text);
