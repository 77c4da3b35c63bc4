#include "engine/PosixFile.h"

#include "engine/KxDbError.h"
#include "engine/KxSysCalls.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::uint64_t g_writeBudget = 0;
int g_writeError = 0;
int g_tempError = 0;

bool wantsWrite(std::uint16_t flags) { return (flags & 0x03) == 0x03; }

KxDbError openError(int error) {
    if (error == ENOENT) return KxDbError::CannotOpen;
    if (error == EACCES || error == EPERM || error == EWOULDBLOCK) return KxDbError::AccessDenied;
    return KxDbError::CannotOpenOther;
}

} // namespace

namespace kx::testing {
void failWritesAfter(std::uint64_t bytes, int error) {
    g_writeBudget = bytes;
    g_writeError = error;
}
void failTempCreation(int error) { g_tempError = error; }
int takeTempCreationFailure() {
    const int error = g_tempError;
    g_tempError = 0;
    return error;
}
} // namespace kx::testing

PosixFile::~PosixFile() { close(true); }

PosixFile::PosixFile(PosixFile&& other) noexcept : fd_(other.fd_) { other.fd_ = -1; }

PosixFile& PosixFile::operator=(PosixFile&& other) noexcept {
    if (this != &other) {
        close(true);
        fd_ = other.fd_;
        other.fd_ = -1;
    }
    return *this;
}

PosixFile PosixFile::openExisting(const std::string& path, std::uint16_t flags) {
    // Without blocking: a FIFO or a device given as the database must be refused, not
    // waited on for ever.
    const int fd = kxSys().open(path.c_str(),
                                (wantsWrite(flags) ? O_RDWR : O_RDONLY) | O_CLOEXEC | O_NONBLOCK, 0);
    if (fd < 0) throw openError(errno);
    PosixFile file(fd);
    struct stat st {};
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) throw KxDbError::CannotOpenOther;
    fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    if (flags & 0x08) {
        file.lockExclusive();
    } else if (wantsWrite(flags)) {
        // A writer that does not lock others out still respects a holder that does.
        if (flock(fd, LOCK_SH | LOCK_NB) != 0) throw KxDbError::AccessDenied;
        flock(fd, LOCK_UN);
    }
    return file;
}

PosixFile PosixFile::createNew(const std::string& path, std::uint16_t flags) {
    int mode = O_RDWR | O_CREAT | O_CLOEXEC;
    mode |= (flags & 0x20) ? O_TRUNC : O_EXCL;
    const int fd = kxSys().open(path.c_str(), mode, 0666);
    if (fd < 0) {
        if (errno == EEXIST) throw KxDbError::FileExists;
        if (errno == EACCES || errno == EPERM) throw KxDbError::AccessDenied;
        throw KxDbError::CannotCreate;
    }
    PosixFile file(fd);
    if (flags & 0x08) file.lockExclusive();
    return file;
}

std::size_t PosixFile::readAt(std::uint64_t offset, void* buffer, std::size_t n) const {
    std::size_t done = 0;
    auto* out = static_cast<char*>(buffer);
    while (done < n) {
        const ssize_t got = pread(fd_, out + done, n - done, static_cast<off_t>(offset + done));
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) break;
        done += static_cast<std::size_t>(got);
    }
    return done;
}

std::uint64_t PosixFile::size() const {
    struct stat st {};
    if (fstat(fd_, &st) != 0) throw KxDbError::FileHandle;
    return static_cast<std::uint64_t>(st.st_size);
}

void PosixFile::writeAll(const void* data, std::size_t n) {
    const auto* in = static_cast<const char*>(data);
    std::size_t done = 0;
    while (done < n) {
        std::size_t chunk = n - done;
        if (g_writeError != 0) {
            if (g_writeBudget == 0) {
                errno = g_writeError;
                throw errno == EBADF ? KxDbError::FileHandle : KxDbError::DiskFull;
            }
            chunk = static_cast<std::size_t>(std::min<std::uint64_t>(chunk, g_writeBudget));
            g_writeBudget -= chunk;
        }
        const ssize_t wrote = kxSys().write(fd_, in + done, chunk);
        if (wrote < 0 && errno == EINTR) continue;
        if (wrote <= 0) throw errno == EBADF ? KxDbError::FileHandle : KxDbError::DiskFull;
        done += static_cast<std::size_t>(wrote);
    }
}

void PosixFile::sync() {
    if (kxSys().fsync(fd_) != 0) throw errno == EBADF ? KxDbError::FileHandle : KxDbError::DiskFull;
}

void PosixFile::lockExclusive() {
    if (flock(fd_, LOCK_EX | LOCK_NB) != 0) throw KxDbError::AccessDenied;
}

void PosixFile::unlock() { flock(fd_, LOCK_UN); }

void PosixFile::close(bool ignoreErrors) {
    if (fd_ < 0) return;
    const int fd = fd_;
    fd_ = -1;
    if (kxSys().close(fd) != 0 && !ignoreErrors) throw KxDbError::FileHandle;
}

bool kxFileLockedByOther(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return false;
    const bool locked = flock(fd, LOCK_SH | LOCK_NB) != 0;
    ::close(fd);
    return locked;
}

bool kxSameFile(const std::string& a, const std::string& b) {
    if (a == b) return true;
    // Letter case tells files apart here; two spellings of one file (a link, "./") share
    // their device and inode.
    struct stat sa {}, sb {};
    return ::stat(a.c_str(), &sa) == 0 && ::stat(b.c_str(), &sb) == 0 && sa.st_dev == sb.st_dev &&
           sa.st_ino == sb.st_ino;
}
