#include "platform/AtomicFile.h"

#include "platform/Paths.h"

#include "engine/KxFileReplacement.h"

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Closes a descriptor on every way out.
class Fd {
  public:
    explicit Fd(int fd) : fd_(fd) {}
    ~Fd() { close(); }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return fd_; }
    bool close() {
        if (fd_ < 0) return true;
        int rc = ::close(fd_);
        fd_ = -1;
        return rc == 0;
    }

  private:
    int fd_;
};

} // namespace

KxFileContent kxReadWholeFile(const std::string& path, std::size_t maxBytes) {
    KxFileContent result;
    // Without blocking: a FIFO at the path must be refused, not waited on for ever.
    Fd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (fd.get() < 0) {
        result.status = errno == ENOENT ? KxReadStatus::Missing : KxReadStatus::Failed;
        return result;
    }
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode)) return result;
    ::fcntl(fd.get(), F_SETFL, ::fcntl(fd.get(), F_GETFL) & ~O_NONBLOCK);
    if (static_cast<std::size_t>(st.st_size) > maxBytes) {
        result.status = KxReadStatus::TooLarge;
        return result;
    }
    // The size is only a hint: the file may change while it is read.
    result.bytes.reserve(static_cast<std::size_t>(st.st_size));
    char buffer[65536];
    for (;;) {
        ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR) continue;
            result.bytes.clear();
            return result;
        }
        if (n == 0) break;
        if (result.bytes.size() + static_cast<std::size_t>(n) > maxBytes) {
            result.bytes.clear();
            result.status = KxReadStatus::TooLarge;
            return result;
        }
        result.bytes.append(buffer, static_cast<std::size_t>(n));
    }
    result.status = KxReadStatus::Ok;
    return result;
}

bool kxWriteFileAtomically(const std::string& path, std::string_view bytes) {
    if (path.empty()) return false;
    const std::string directory = kxDirectoryOf(kxResolveLinks(path));
    if (!directory.empty() && !kxMakeDirectories(directory)) return false;
    try {
        KxFileReplacement out(path);
        out.file().writeAll(bytes.data(), bytes.size());
        out.commit();
        return true;
    } catch (KxDbError) {
        return false;
    }
}
