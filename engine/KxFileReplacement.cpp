#include "engine/KxFileReplacement.h"

#include "engine/KxSysCalls.h"

#include <cerrno>
#include <chrono>
#include <climits>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr std::size_t kSuffixLength = 6;
constexpr char kSuffixAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";

std::string directoryOf(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string baseOf(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// ".<name>.XXXXXX", the name every temporary file of a target has, so that leftovers of a
// killed process can be recognised and removed.
std::string temporaryPrefix(const std::string& target) {
    const std::string dir = directoryOf(target);
    return (dir == "." && target.find('/') == std::string::npos ? "" : dir + "/") + "." +
           baseOf(target) + ".";
}

bool isTemporaryOf(const char* entry, const std::string& base) {
    const std::size_t length = std::strlen(entry);
    if (length != base.size() + 2 + kSuffixLength || entry[0] != '.') return false;
    if (std::strncmp(entry + 1, base.data(), base.size()) != 0 || entry[base.size() + 1] != '.')
        return false;
    for (std::size_t i = base.size() + 2; i < length; ++i)
        if (!std::strchr(kSuffixAlphabet, entry[i])) return false;
    return true;
}

std::string randomSuffix() {
    static unsigned long long state =
        static_cast<unsigned long long>(std::chrono::steady_clock::now().time_since_epoch().count()) ^
        (static_cast<unsigned long long>(::getpid()) << 32);
    std::string suffix;
    for (std::size_t i = 0; i < kSuffixLength; ++i) {
        state = state * 6364136223846793005ULL + 1442695040888963407ULL;
        suffix += kSuffixAlphabet[(state >> 33) % (sizeof kSuffixAlphabet - 1)];
    }
    return suffix;
}

KxDbError openError(int error) {
    if (error == ENOENT) return KxDbError::CannotOpen;
    if (error == EACCES || error == EPERM || error == EWOULDBLOCK) return KxDbError::AccessDenied;
    return KxDbError::CannotOpenOther;
}

void syncDirectory(const std::string& dir) {
    const int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

// Temporary files of the target that a killed process left behind. One is removed only when
// it is a regular file of this user that no running write holds (every write locks its
// temporary file), so a concurrent save is never disturbed.
void removeStaleTemporaries(const std::string& target) {
    const std::string dirPath = directoryOf(target);
    const std::string base = baseOf(target);
    DIR* dir = ::opendir(dirPath.c_str());
    if (!dir) return;
    while (const dirent* entry = ::readdir(dir)) {
        if (!isTemporaryOf(entry->d_name, base)) continue;
        const int fd = ::openat(::dirfd(dir), entry->d_name,
                                O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0) continue;
        struct stat st {};
        if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == ::geteuid() &&
            ::flock(fd, LOCK_EX | LOCK_NB) == 0)
            ::unlinkat(::dirfd(dir), entry->d_name, 0);
        ::close(fd);
    }
    ::closedir(dir);
}

// Whether the system can give a file without a name and name it later.
bool canNameLater() {
    static const bool procMounted = ::access("/proc/self/fd", X_OK) == 0;
    return procMounted;
}

} // namespace

std::string kxResolveLinks(const std::string& path) {
    std::string target = path;
    for (int hops = 0; hops < 40; ++hops) {
        char buffer[PATH_MAX];
        const ssize_t n = ::readlink(target.c_str(), buffer, sizeof buffer);
        if (n <= 0 || static_cast<std::size_t>(n) >= sizeof buffer) return target;
        const std::string link(buffer, static_cast<std::size_t>(n));
        target = link.front() == '/' ? link : directoryOf(target) + '/' + link;
    }
    return path;
}

KxFileReplacement::KxFileReplacement(const std::string& path, KxReplaceRules rules)
    : target_(rules.followLinks ? kxResolveLinks(path) : path), rules_(rules) {
    struct stat st {};
    const bool exists = ::lstat(target_.c_str(), &st) == 0;
    if (exists && !S_ISREG(st.st_mode)) throw KxDbError::CannotReplace;
    if (exists && rules_.refuseLocked && kxFileLockedByOther(target_)) throw KxDbError::AccessDenied;
    createTemporary();
    // The new file keeps the permissions of the one it replaces.
    if (exists) ::fchmod(file_.fd(), st.st_mode & 07777);
}

KxFileReplacement::~KxFileReplacement() {
    if (!committed_) discard();
}

void KxFileReplacement::createTemporary() {
    if (const int error = kx::testing::takeTempCreationFailure()) throw openError(error);
    int fd = -1;
    if (canNameLater()) {
        fd = kxSys().open(directoryOf(target_).c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0666);
        unnamed_ = fd >= 0;
        // Some file systems cannot make such a file; a named one serves there.
        if (fd < 0 && errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL)
            throw openError(errno);
    }
    for (int attempt = 0; fd < 0 && attempt < 100; ++attempt) {
        tempPath_ = temporaryPrefix(target_) + randomSuffix();
        fd = kxSys().open(tempPath_.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) {
            tempPath_.clear();
            throw openError(errno);
        }
    }
    if (fd < 0) {
        tempPath_.clear();
        throw KxDbError::CannotOpenOther;
    }
    file_ = PosixFile::adopt(fd);
    // Marks the temporary file as in use, so that no other save takes it for a leftover.
    ::flock(fd, LOCK_EX | LOCK_NB);
}

void KxFileReplacement::commit(KxDbError placeError) {
    file_.sync();
    if (unnamed_) {
        const std::string self = "/proc/self/fd/" + std::to_string(file_.fd());
        for (int attempt = 0; tempPath_.empty() && attempt < 100; ++attempt) {
            const std::string name = temporaryPrefix(target_) + randomSuffix();
            if (kxSys().linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0)
                tempPath_ = name;
            else if (errno != EEXIST)
                throw placeError;
        }
        if (tempPath_.empty()) throw placeError;
    }
    if (!rules_.keepOpen) file_.close(false);
    place(placeError);
}

void KxFileReplacement::place(KxDbError placeError) {
    if (kxSys().rename(tempPath_.c_str(), target_.c_str()) != 0) throw placeError;
    committed_ = true;
    tempPath_.clear();
    syncDirectory(directoryOf(target_));
    removeStaleTemporaries(target_);
}

void KxFileReplacement::discard() {
    file_.close(true);
    if (!tempPath_.empty()) ::unlink(tempPath_.c_str());
    tempPath_.clear();
}

KxReadOnlyLifted::KxReadOnlyLifted(const std::string& path) : path_(path) {
    struct stat st {};
    if (::stat(path_.c_str(), &st) != 0 || !S_ISREG(st.st_mode) || (st.st_mode & 0222) != 0) return;
    mode_ = st.st_mode & 07777;
    lifted_ = ::chmod(path_.c_str(), mode_ | S_IWUSR) == 0;
}

KxReadOnlyLifted::~KxReadOnlyLifted() {
    if (lifted_) ::chmod(path_.c_str(), mode_);
}
