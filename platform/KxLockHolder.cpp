#include "platform/KxLockHolder.h"

#include <fstream>
#include <sstream>

#include <sys/stat.h>
#include <sys/sysmacros.h>

namespace {
// "08:01:1234": the device numbers in hexadecimal, the inode in decimal.
bool parseFileId(const std::string& text, unsigned& major, unsigned& minor, std::uint64_t& inode) {
    std::istringstream in(text);
    char colon1 = 0, colon2 = 0;
    in >> std::hex >> major >> colon1 >> minor >> colon2 >> std::dec >> inode;
    return !in.fail() && colon1 == ':' && colon2 == ':';
}

std::string readAll(const std::string& path) {
    std::ifstream in(path);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}
} // namespace

std::optional<int> kxLockHolderPidIn(std::string_view locks, unsigned major, unsigned minor, std::uint64_t inode) {
    std::istringstream lines{std::string(locks)};
    for (std::string line; std::getline(lines, line);) {
        // "1: FLOCK  ADVISORY  WRITE 1234 08:01:5678 0 EOF"; a waiter's line has "->" after
        // the number and holds nothing.
        std::istringstream in(line);
        std::string number, kind, mode, access, fileId;
        int pid = 0;
        if (!(in >> number >> kind >> mode >> access >> pid >> fileId)) continue;
        if (kind != "FLOCK" || access != "WRITE" || pid <= 0) continue;
        unsigned ma = 0, mi = 0;
        std::uint64_t ino = 0;
        if (parseFileId(fileId, ma, mi, ino) && ma == major && mi == minor && ino == inode) return pid;
    }
    return std::nullopt;
}

std::optional<KxLockHolder> kxFindLockHolder(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return std::nullopt;
    const auto pid = kxLockHolderPidIn(readAll("/proc/locks"), major(st.st_dev), minor(st.st_dev),
                                       static_cast<std::uint64_t>(st.st_ino));
    if (!pid) return std::nullopt;
    KxLockHolder holder;
    holder.pid = *pid;
    holder.name = readAll("/proc/" + std::to_string(*pid) + "/comm");
    while (!holder.name.empty() && (holder.name.back() == '\n' || holder.name.back() == '\r')) holder.name.pop_back();
    return holder;
}
