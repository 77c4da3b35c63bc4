#include "app/DeletionLog.h"

#include "engine/KxDatabase.h"
#include "platform/Paths.h"
#include "engine/KxRemovalLog.h"

#include <cerrno>
#include <cstdio>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
const std::string kRule = std::string(57, '=') + "\n";

std::string identityLine(const KxRecordIdentity& id) {
    char line[40];
    std::snprintf(line, sizeof line, " %08X  %08X  %04X\n", static_cast<unsigned>(id.userId),
                  static_cast<unsigned>(id.created), static_cast<unsigned>(id.sequence));
    return line;
}

// The 24-character form "Wed Jan  2 02:03:55 1980", in English whatever the locale.
std::string timeText(const std::tm& t) {
    static const char* const days[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    static const char* const months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                         "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    char text[64];
    std::snprintf(text, sizeof text, "%.3s %.3s%3d %.2d:%.2d:%.2d %d",
                  days[(t.tm_wday % 7 + 7) % 7], months[(t.tm_mon % 12 + 12) % 12], t.tm_mday,
                  t.tm_hour, t.tm_min, t.tm_sec, t.tm_year + 1900);
    return text;
}
} // namespace

std::string kxDeletionLogPath(const std::string& settingsPath) {
    return std::string(kxStripExtension(settingsPath)) + "Delete.dmp";
}

std::string kxDeletionLogText(const KxDatabase& db, const std::tm& localTime) {
    std::string text = kRule + timeText(localTime) + "\n" + kRule + "\n";
    text += kRule + "Not permanently deleted records: " + std::to_string(db.deletedCount()) + "\n" +
            kRule;
    for (std::size_t j = 0; j < db.deletedCount(); ++j)
        text += identityLine(db.identityOfDeleted(j));
    text += "\n";
    const auto* log = static_cast<const KxRemovalLog*>(db.peekChunk(KxChunkTag::RemovalLog));
    const std::size_t disposed = log ? log->entries().size() : 0;
    text += kRule + "Permanently deleted records: " + std::to_string(disposed) + "\n" + kRule;
    if (log)
        for (const KxRecordIdentity& id : log->entries())
            text += identityLine(id);
    text += "\n";
    return text;
}

std::string kxDeletionLogText(const KxDatabase& db, std::time_t now) {
    std::tm local{};
    ::localtime_r(&now, &local);
    return kxDeletionLogText(db, local);
}

bool kxAppendDeletionLog(const std::string& path, const std::string& text) {
    // The log is ours: a link planted at its name is not followed, and anything but a regular
    // file (a FIFO would block, a device would take the text) is left alone.
    const int fd = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC,
                          0644);
    if (fd < 0) return false;
    struct stat st {};
    bool written = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
    for (std::size_t done = 0; written && done < text.size();) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR) continue;
        written = n > 0;
        if (written) done += static_cast<std::size_t>(n);
    }
    return ::close(fd) == 0 && written;
}
