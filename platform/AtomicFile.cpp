#include "AtomicFile.h"

#include "Paths.h"

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

std::string parentOf(const std::string& path) {
    std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

// The file a path finally names: a symbolic link to the settings file is kept as a link.
std::string resolveTarget(const std::string& path) {
    std::string target = path;
    for (int hops = 0; hops < 40; ++hops) {
        char buffer[PATH_MAX];
        ssize_t n = ::readlink(target.c_str(), buffer, sizeof buffer);
        if (n <= 0 || static_cast<std::size_t>(n) >= sizeof buffer) return target;
        std::string link(buffer, static_cast<std::size_t>(n));
        target = link.front() == '/' ? link : parentOf(target) + '/' + link;
    }
    return path;
}

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

} // namespace

KxFileContent kxReadWholeFile(const std::string& path, std::size_t maxBytes) {
    KxFileContent result;
    Fd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0) {
        result.status = errno == ENOENT ? KxReadStatus::Missing : KxReadStatus::Failed;
        return result;
    }
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode)) return result;
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
    const std::string target = resolveTarget(path);
    const std::string directory = parentOf(target);
    if (!kxMakeDirectories(directory)) return false;

    static std::atomic<unsigned> counter{0};
    std::string temp;
    int raw = -1;
    for (int attempt = 0; attempt < 100 && raw < 0; ++attempt) {
        temp = target + ".tmp." + std::to_string(::getpid()) + '.' + std::to_string(counter++);
        raw = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (raw < 0 && errno != EEXIST) return false;
    }
    if (raw < 0) return false;
    Fd fd(raw);

    struct stat old {};
    bool ok = true;
    if (::stat(target.c_str(), &old) == 0) ok = ::fchmod(fd.get(), old.st_mode & 07777) == 0;
    ok = ok && writeAll(fd.get(), bytes) && ::fsync(fd.get()) == 0;
    ok = fd.close() && ok;
    ok = ok && ::rename(temp.c_str(), target.c_str()) == 0;
    if (!ok) ::unlink(temp.c_str());
    return ok;
}
