#pragma once
// The file-name rule for database files and the check before writing a file.

#include <string>

class KxUi;

// Base names have 1 to 31 characters.
inline constexpr std::size_t kxMaxBaseNameLength = 31;

// A path is valid when it is not empty and its base name (no directory, no extension) has
// at most 31 characters and none of * \ ? < > ".
bool kxIsValidDatabasePath(const std::string& path);

// The path with ".rlv" appended unless its extension is already "rlv" (in any case).
std::string kxWithDatabaseExtension(const std::string& path);

// The message for a database file name that breaks the rule.
std::string kxInvalidDatabaseNameMessage();

// Refuses, with its message, a path whose directory does not exist or whose file exists
// and is read-only. True when the path may be written.
bool kxCheckPathForWriting(KxUi& ui, const std::string& path);

// True when the file exists and its mode bits allow no writing (the mode, not access(), is
// asked so that the answer is the same for every user).
bool kxIsReadOnlyFile(const std::string& path);
