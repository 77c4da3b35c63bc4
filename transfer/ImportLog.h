#pragma once
// The import error log: a text file made empty at the start of every import run, one
// message per line. Messages are the program's own text; the file is written in UTF-8.

#include <cstdio>
#include <string>

class KxImportLog {
public:
    // "log.txt" in the program's output directory (made when missing).
    static std::string defaultPath();

    // Creates (or empties) the file. A log that cannot be created still counts its lines,
    // so that the run goes on; exists() then says false.
    explicit KxImportLog(std::string path);
    ~KxImportLog();
    KxImportLog(const KxImportLog&) = delete;
    KxImportLog& operator=(const KxImportLog&) = delete;

    void write(const std::string& message);
    std::size_t lineCount() const { return lines_; }
    bool hasLines() const { return lines_ > 0; }
    const std::string& path() const { return path_; }
    bool exists() const { return created_; }

    void close();
    // Closes the log and deletes the file.
    void remove();

private:
    std::string path_;
    std::FILE* file_ = nullptr;
    bool created_ = false;
    std::size_t lines_ = 0;
};
