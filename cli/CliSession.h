#pragma once
// What every command shares: the desktop's user id and opening a database.

#include "engine/KxDbError.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

class KxDatabase;

// The desktop program's settings file, which the tool shares.
std::string cliSettingsPath();

// The desktop user id from the desktop program's settings file (made and stored on first use).
std::uint32_t cliUserId();
// A fresh modification stamp: the time plus the first handheld user's name, as when a schema
// is made or changed.
std::uint32_t cliFreshStamp();

// An open database of a command: closed when it goes, and freed unless the program ends next
// (see cliLeaveDatabasesToTheSystem).
struct CliDatabaseCloser {
    void operator()(KxDatabase* db) const;
};
using CliDatabase = std::unique_ptr<KxDatabase, CliDatabaseCloser>;

// Opens a database for reading (shared) or for changing (read-write, deny other writers). A
// failure notes what the file tells (not a database, held by another program, write-protected).
CliDatabase cliOpenForReading(const std::string& path);
CliDatabase cliOpenForWriting(const std::string& path);

// The program ends after its one command: a database it closes keeps its records in memory,
// which the system takes back at the end at once, instead of freeing them one by one. The
// tool's main says so; tests of the commands, which go on, do not.
void cliLeaveDatabasesToTheSystem();
// Saves the database (as `target` when given); a failure notes where and why.
void cliSave(KxDatabase& db, const std::optional<std::string>& target = std::nullopt);

// The detail of a failure travels beside its code, as in the desktop: noted where the file is
// known, printed after the product's message where the failure ends, and only for its code.
void cliNoteFailureDetail(KxDbError code, std::string detail);
std::string cliTakeFailureDetail(KxDbError code);
