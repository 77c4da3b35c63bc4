#pragma once
// Every file the program writes whole (the database, exports, reports, the import log, the
// settings) is replaced the same way: the new content goes to a temporary file beside the
// target, invisible until complete where the system allows it, is flushed to disk and put in
// place by one rename. The target holds the old or the new content, never a mix, and a failed
// or cancelled write leaves the old file exactly as it was and no temporary file behind.

#include "engine/KxDbError.h"
#include "engine/PosixFile.h"

#include <string>

struct KxReplaceRules {
    // A symbolic link at the path: true writes the file it points to and keeps the link;
    // false refuses it (a log must never be redirected by a planted link).
    bool followLinks = true;
    // Refuse a target that another program holds the "deny other writers" lock on. The
    // database's own save turns this off: it holds that lock itself.
    bool refuseLocked = true;
    // Keep the new file open after commit (the database goes on reading it). It keeps the
    // "deny other writers" lock every temporary file holds while it is written; a caller
    // that does not want it unlocks.
    bool keepOpen = false;
};

class KxFileReplacement {
public:
    // Resolves the target and makes the temporary file. A target that exists and is not a
    // regular file (a directory, a device, a FIFO, a refused link) gives CannotReplace (9), one
    // another writer holds AccessDenied (6); a temporary file that cannot be made gives the
    // open errors of the database file.
    explicit KxFileReplacement(const std::string& path, KxReplaceRules rules = {});
    ~KxFileReplacement();
    KxFileReplacement(const KxFileReplacement&) = delete;
    KxFileReplacement& operator=(const KxFileReplacement&) = delete;

    PosixFile& file() { return file_; }
    // The file that is replaced: the path, or the file its links lead to.
    const std::string& target() const { return target_; }

    // Flushes the content to disk and puts it in place of the target. A write or flush that
    // fails gives DiskFull (20) or FileHandle (32); when the file cannot be put in place,
    // `placeError` is thrown. The target is untouched by every failure.
    void commit(KxDbError placeError = KxDbError::CannotReplace);
    // After commit with keepOpen: the open file, which is now the target.
    PosixFile takeFile() { return std::move(file_); }

private:
    void createTemporary();
    void place(KxDbError placeError);
    void discard();

    std::string target_;
    KxReplaceRules rules_;
    PosixFile file_;
    std::string tempPath_; // the temporary file's name; empty while it has none
    bool unnamed_ = false;
    bool committed_ = false;
};

// A read-only file the user agreed to replace with a new database: it is made writable for
// the replacement, and gets its attribute back unless kept() says the new file took its place.
class KxReadOnlyLifted {
public:
    explicit KxReadOnlyLifted(const std::string& path);
    ~KxReadOnlyLifted();
    KxReadOnlyLifted(const KxReadOnlyLifted&) = delete;
    KxReadOnlyLifted& operator=(const KxReadOnlyLifted&) = delete;
    void kept() { lifted_ = false; }

private:
    std::string path_;
    unsigned mode_ = 0;
    bool lifted_ = false;
};

// The file a path finally names, following symbolic links.
std::string kxResolveLinks(const std::string& path);
