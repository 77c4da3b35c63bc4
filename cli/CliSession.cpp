#include "CliSession.h"

#include "KxDatabase.h"
#include "Paths.h"
#include "app/DesktopUserId.h"
#include "app/Settings.h"
#include "install/HandheldUsers.h"

// The tool shares the desktop program's settings, so records it makes carry the same id and
// the installation schedule it writes is the one the desktop shows.
std::string cliSettingsPath() {
    const std::string programDir = kxDirectoryOf(kxProgramPath());
    return kxSettingsPath(KxPathEnvironment::fromProcess(), programDir + "rolvadesk",
                          kxIsWritableDirectory(programDir));
}

std::uint32_t cliFreshStamp() {
    return kxFreshUserId(KxHandheldUsersFile::forSettingsFile(cliSettingsPath()), kxSystemNow());
}

std::uint32_t cliUserId() {
    const std::string path = cliSettingsPath();
    KxSettings settings(path);
    settings.initialiseIfMissing();
    const auto users = KxHandheldUsersFile::forSettingsFile(path);
    return kxDesktopUserId(settings, users);
}

std::unique_ptr<KxDatabase> cliOpenForReading(const std::string& path) {
    auto db = std::make_unique<KxDatabase>();
    db->open(path, kOpenReadShared, 0);
    return db;
}

std::unique_ptr<KxDatabase> cliOpenForWriting(const std::string& path) {
    auto db = std::make_unique<KxDatabase>();
    db->open(path, kOpenDocument, cliUserId());
    return db;
}
