#include "cli/CliSession.h"

#include "engine/KxDatabase.h"
#include "platform/Paths.h"
#include "app/DesktopUserId.h"
#include "app/FailureDetails.h"
#include "base/KxSettings.h"
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

namespace {
struct NotedDetail {
    KxDbError code = KxDbError::None;
    std::string detail;
};
NotedDetail& noted() {
    static NotedDetail detail;
    return detail;
}

bool& leaveToTheSystem() {
    static bool leave = false;
    return leave;
}

CliDatabase openDatabase(const std::string& path, std::uint16_t flags, std::uint32_t user) {
    CliDatabase db(new KxDatabase);
    try {
        db->open(path, flags, user);
    } catch (KxDbError e) {
        cliNoteFailureDetail(e, kxOpenFailureDetail(path, e));
        throw;
    }
    return db;
}
} // namespace

void cliNoteFailureDetail(KxDbError code, std::string detail) { noted() = {code, std::move(detail)}; }

std::string cliTakeFailureDetail(KxDbError code) {
    std::string detail = noted().code == code ? std::move(noted().detail) : std::string();
    noted() = {};
    return detail;
}

void CliDatabaseCloser::operator()(KxDatabase* db) const {
    if (!leaveToTheSystem()) {
        delete db;
        return;
    }
    db->closeFileOnly();
}

void cliLeaveDatabasesToTheSystem() { leaveToTheSystem() = true; }

CliDatabase cliOpenForReading(const std::string& path) {
    return openDatabase(path, kOpenReadShared, 0);
}

CliDatabase cliOpenForWriting(const std::string& path) {
    return openDatabase(path, kOpenDocument, cliUserId());
}

void cliSave(KxDatabase& db, const std::optional<std::string>& target) {
    try {
        db.save(target);
    } catch (KxDbError e) {
        cliNoteFailureDetail(e, kxSaveFailureReason(target ? *target : db.fileName(), e));
        throw;
    }
}
