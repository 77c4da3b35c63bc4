#pragma once
// A file descriptor owned for the life of the object, with the error mapping of database
// files. "Deny other writers" is an advisory flock held while the descriptor is open.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class PosixFile {
public:
    PosixFile() = default;
    ~PosixFile();
    PosixFile(PosixFile&& other) noexcept;
    PosixFile& operator=(PosixFile&& other) noexcept;
    PosixFile(const PosixFile&) = delete;
    PosixFile& operator=(const PosixFile&) = delete;

    bool isOpen() const { return fd_ >= 0; }
    int fd() const { return fd_; }

    // Opens an existing database file with the open flags' access and sharing: no such file
    // gives CannotOpen (1), access denied or a file another writer holds AccessDenied (6),
    // anything else CannotOpenOther (31).
    static PosixFile openExisting(const std::string& path, std::uint16_t flags);
    // Makes a new file: FileExists (2) unless the flags ask for truncation, AccessDenied (6),
    // else CannotCreate (7).
    static PosixFile createNew(const std::string& path, std::uint16_t flags);
    // Takes ownership of an open descriptor.
    static PosixFile adopt(int fd) { return PosixFile(fd); }

    // Reads up to n bytes at offset; returns how many were read.
    std::size_t readAt(std::uint64_t offset, void* buffer, std::size_t n) const;
    std::uint64_t size() const;
    // Writes all bytes; a short write gives DiskFull (20), a bad handle FileHandle (32).
    void writeAll(const void* data, std::size_t n);
    void sync();
    // Takes the "deny other writers" lock; AccessDenied (6) when another holder has it.
    void lockExclusive();
    void unlock();
    // Closes; a failure gives FileHandle (32) unless ignored.
    void close(bool ignoreErrors);

private:
    explicit PosixFile(int fd) : fd_(fd) {}
    int fd_ = -1;
};

// Whether another program instance holds the "deny other writers" lock on a file.
bool kxFileLockedByOther(const std::string& path);
// Whether two paths name the same file: the same text, or the same existing file.
bool kxSameFile(const std::string& a, const std::string& b);

// Test hooks that make writes fail the way a full disk or a broken handle does.
namespace kx::testing {
// After `bytes` more bytes have been written, every write fails with `error` (0 turns it off).
void failWritesAfter(std::uint64_t bytes, int error);
// The next temporary file cannot be created: it fails with `error` (0 turns it off).
void failTempCreation(int error);
// The error the next temporary file is to fail with, once; 0 for none.
int takeTempCreationFailure();
} // namespace kx::testing
