#pragma once
// The one temporary directory of the tests and benchmarks: a fresh directory removed with
// everything in it when its owner ends (write permission given back first, for tests that
// take it away), and whole-file reads and writes of raw bytes and of text.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

class TempDir {
  public:
    // A directory "rolva-<prefix>-XXXXXX" under the system's temporary directory.
    explicit TempDir(const std::string& prefix = "test");
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    std::string path() const { return path_.string(); }
    std::string file(const std::string& name) const { return (path_ / name).string(); }
    // Writes the bytes to a file of that name in the directory; the file's path.
    std::string write(const std::string& name, const std::string& bytes) const;
    // The names of the entries in the directory, sorted.
    std::vector<std::string> entries() const;

  private:
    std::filesystem::path path_;
};

std::vector<std::uint8_t> readFileBytes(const std::string& path);
void writeFileBytes(const std::string& path, const std::vector<std::uint8_t>& bytes);
// The file's bytes as a string; empty when it cannot be read.
std::string readFileText(const std::string& path);
void writeFileText(const std::string& path, const std::string& bytes);
