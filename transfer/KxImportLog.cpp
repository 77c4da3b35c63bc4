#include "transfer/KxImportLog.h"

#include "platform/Cp1252.h"
#include "platform/Paths.h"

#include <algorithm>
#include <sys/stat.h>
#include <unistd.h>

std::string KxImportLog::defaultPath() {
    const std::string directory = kxOutputDirectory();
    kxMakeDirectories(directory);
    return directory + "log.txt";
}

KxImportLog::KxImportLog(std::string path) : path_(std::move(path)) {
    try {
        file_.emplace(path_, KxReplaceRules{false, true, false});
        created_ = true;
    } catch (KxDbError) {
        file_.reset();
    }
}

KxImportLog::~KxImportLog() { close(); }

void KxImportLog::write(const std::string& message) {
    ++lines_;
    if (!file_) return;
    // One message per line: a multi-line value quoted in a message is put on one line.
    std::string line = kxToUtf8(message);
    std::replace_if(line.begin(), line.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    line += '\n';
    try {
        file_->file().writeAll(line.data(), line.size());
    } catch (KxDbError) {
        file_.reset(); // a log that cannot be written is not put in place
        created_ = false;
    }
}

void KxImportLog::close() {
    if (!file_) return;
    try {
        file_->commit();
        placed_ = true;
    } catch (KxDbError) {
        created_ = false;
    }
    file_.reset();
}

void KxImportLog::remove() {
    file_.reset(); // a log never put in place leaves nothing behind
    // Only the file this log put in place goes.
    if (placed_) ::unlink(path_.c_str());
    placed_ = false;
    created_ = false;
}

void KxImportLog::discard() {
    file_.reset(); // never put in place, so it leaves nothing behind
    struct stat info {};
    if (::lstat(path_.c_str(), &info) == 0 && S_ISREG(info.st_mode)) ::unlink(path_.c_str());
    placed_ = false;
    created_ = false;
}
