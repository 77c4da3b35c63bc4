#include "transfer/ImportLog.h"

#include "Cp1252.h"
#include "Paths.h"

#include <algorithm>

std::string KxImportLog::defaultPath() {
    const std::string directory = kxOutputDirectory();
    kxMakeDirectories(directory);
    return directory + "log.txt";
}

KxImportLog::KxImportLog(std::string path) : path_(std::move(path)) {
    file_ = std::fopen(path_.c_str(), "w");
    created_ = file_ != nullptr;
}

KxImportLog::~KxImportLog() { close(); }

void KxImportLog::write(const std::string& message) {
    ++lines_;
    if (!file_) return;
    // One message per line: a multi-line value quoted in a message is put on one line.
    std::string line = kxToUtf8(message);
    std::replace_if(line.begin(), line.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    line += '\n';
    std::fwrite(line.data(), 1, line.size(), file_);
}

void KxImportLog::close() {
    if (!file_) return;
    std::fclose(file_);
    file_ = nullptr;
}

void KxImportLog::remove() {
    close();
    if (created_) std::remove(path_.c_str());
    created_ = false;
}
