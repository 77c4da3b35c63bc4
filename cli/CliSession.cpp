#include "CliSession.h"

#include "KxDatabase.h"
#include "Paths.h"
#include "app/DesktopUserId.h"
#include "app/Settings.h"
#include "install/HandheldUsers.h"

namespace {
// The tool shares the desktop program's settings, so records it makes carry the same id.
std::string settingsPath() {
    const std::string programDir = kxDirectoryOf(kxProgramPath());
    return kxSettingsPath(KxPathEnvironment::fromProcess(), programDir + "rolvadesk",
                          kxIsWritableDirectory(programDir));
}
} // namespace

std::uint32_t cliFreshStamp() {
    return kxFreshUserId(KxHandheldUsersFile::forSettingsFile(settingsPath()), kxSystemNow());
}

std::uint32_t cliUserId() {
    const std::string path = settingsPath();
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
