#pragma once
// What every command shares: the desktop's user id and opening a database.

#include <cstdint>
#include <memory>
#include <string>

class KxDatabase;

// The desktop program's settings file, which the tool shares.
std::string cliSettingsPath();

// The desktop user id from the desktop program's settings file (made and stored on first use).
std::uint32_t cliUserId();
// A fresh modification stamp: the time plus the first handheld user's name, as when a schema
// is made or changed.
std::uint32_t cliFreshStamp();

// Opens a database for reading (shared) or for changing (read-write, deny other writers).
std::unique_ptr<KxDatabase> cliOpenForReading(const std::string& path);
std::unique_ptr<KxDatabase> cliOpenForWriting(const std::string& path);
