#pragma once
// The handheld installation schedule in the settings file. For a database whose file name,
// without directory and extension, is `name`:
//   [User:<user>]  name=Installed=0    an installation is pending at the user's next sync
//                  name=Installed=1    the user had this database, nothing is pending
//   [DB:<name>]    File=<full path>    the file the sync software installs
// The trailing blank after the digit is part of the value. Databases with one file name in
// different folders share their "DB:" section: the latest schedule's path wins.

#include "base/KxSettings.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The key of a database in the schedule: its file name without directory and extension.
std::string kxScheduleKey(std::string_view path);

// The "Installed" number of a user's value: blank-separated name=value pairs, a value may be
// enclosed in quotes or brackets, the name compared ignoring case, the value read as a
// decimal number. None when there is no such pair or its value holds no number.
std::optional<long> kxInstalledValue(std::string_view value);

// The section names a caller of the platform saw through its 1024-byte buffer: the names, in
// file order, as long as each with its terminator still fits before the list's own
// terminator. A name that would be cut short is left out with all after it.
std::vector<std::string> kxSectionNamesWithin(const std::vector<std::string>& names,
                                              std::size_t bufferSize);

struct KxScheduledUser {
    std::string name;
    bool pending = false; // "Installed" is 0
};

class KxInstallSchedule {
  public:
    static constexpr std::size_t kSectionNamesBuffer = 1024;
    static constexpr std::string_view kUserPrefix = "User:";
    static constexpr std::string_view kDatabasePrefix = "DB:";
    static constexpr std::string_view kFileKey = "File";
    static constexpr std::string_view kPendingValue = "Installed=0 ";
    static constexpr std::string_view kNotPendingValue = "Installed=1 ";

    // The schedule of the database at `path` (its full path) in these settings.
    KxInstallSchedule(KxSettings settings, std::string path);

    const std::string& key() const { return key_; }

    // Every user with this database, in the order of their sections in the file.
    std::vector<KxScheduledUser> users() const;
    // The names of the users with this database: all of them, or those with an installation
    // pending.
    std::vector<std::string> usersWithDatabase(bool pendingOnly) const;
    bool anyUserHasDatabase() const { return !users().empty(); }

    // Installs on exactly these users at their next sync: each is marked pending, and every
    // other user who had this database is marked not pending (names compared ignoring case).
    void schedule(const std::vector<std::string>& chosen);
    // Rewrites the user's key (it moves to the end of the section) and the database's path.
    void mark(const std::string& user, bool pending);

  private:
    KxSettings settings_;
    std::string path_;
    std::string key_;
};
