#pragma once
// The import error log: a text file made new by every import run, one message per line.
// Messages are the program's own text; the file is written in UTF-8. The log is written
// beside the log file and replaces it when closed; a symbolic link or anything else that is
// not a regular file at the log's name is never written through or replaced.

#include "engine/KxFileReplacement.h"

#include <optional>
#include <string>

class KxImportLog {
public:
    // "log.txt" in the program's output directory (made when missing).
    static std::string defaultPath();

    // Starts the log. A log that cannot be made still counts its lines, so that the run goes
    // on; exists() then says false.
    explicit KxImportLog(std::string path);
    ~KxImportLog();
    KxImportLog(const KxImportLog&) = delete;
    KxImportLog& operator=(const KxImportLog&) = delete;

    void write(const std::string& message);
    std::size_t lineCount() const { return lines_; }
    bool hasLines() const { return lines_ > 0; }
    const std::string& path() const { return path_; }
    bool exists() const { return created_; }

    // Puts the log in place of the file at its path; exists() says false when that failed.
    void close();
    // Closes the log and deletes the file.
    void remove();
    // Drops the log unwritten, and deletes a log an earlier run left at its path (a regular
    // file only), as putting an empty log in place and deleting it would.
    void discard();

private:
    std::string path_;
    std::optional<KxFileReplacement> file_;
    bool created_ = false;
    bool placed_ = false;
    std::size_t lines_ = 0;
};
