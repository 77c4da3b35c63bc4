#include "app/KxNewDatabaseName.h"

#include "platform/Cp1252.h"
#include "transfer/TransferStrings.h"
#include "platform/Paths.h"
#include "app/DocFileRules.h"
#include "base/KxUi.h"

#include <unistd.h>

#include <climits>

namespace {
constexpr std::string_view kBlanks = " \t\r\n";

std::string trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(kBlanks);
    return std::string(text.substr(first, last - first + 1));
}

std::string withSlash(std::string dir) {
    if (!dir.empty() && dir.back() != '/') dir += '/';
    return dir;
}


std::string currentDirectory() {
    char buffer[PATH_MAX];
    return ::getcwd(buffer, sizeof buffer) ? std::string(buffer) : std::string();
}
} // namespace

std::string kxNewDatabaseFolder(const std::string& programDir, const std::string& documentsDir) {
    return withSlash(kxIsWritableDirectory(programDir) ? programDir : documentsDir);
}

bool kxNewDatabaseNameGiven(std::string_view name) { return !trimmed(name).empty(); }

KxNewDatabaseName::KxNewDatabaseName(KxUi& ui, std::string bareNameFolder)
    : ui_(ui), folder_(withSlash(std::move(bareNameFolder))) {}

std::string KxNewDatabaseName::browsed(const std::string& chosen) {
    const std::string path = kxWithDatabaseExtension(chosen);
    browsed_.clear();
    if (kxIsValidDatabasePath(path)) browsed_ = path;
    else ui_.inform(kxInvalidDatabaseNameMessage());
    return path;
}

bool KxNewDatabaseName::next(const std::string& text, std::string& shown) {
    const std::string name = trimmed(text);
    shown = name;
    // File names differ by case on this system: only the very same path skips the checks,
    // or a name that differs in case could replace another file without asking.
    const bool passed = !name.empty() && (name == validated_ || name == browsed_);
    if (!passed && !validate(name, shown)) return false;
    path_ = validated_ = shown;
    return true;
}

bool KxNewDatabaseName::validate(const std::string& name, std::string& shown) {
    const std::string fileName(kxFileNameOf(name));
    if (fileName.empty()) {
        ui_.inform(kxInvalidDatabaseNameMessage());
        return false;
    }
    std::string directory = kxDirectoryOf(name);
    if (directory.empty()) directory = folder_;
    else directory = kxAbsolutePath(directory, currentDirectory());
    const std::string path = kxWithDatabaseExtension(directory + fileName);
    shown = path;
    if (!kxIsDirectory(directory)) {
        ui_.inform(kxString(kxStrPathDoesNotExist));
        return false;
    }
    if (kxPathExists(path) && !ui_.ask(kxString(kxStrReplaceFile, kxFromUtf8(path)), KxAnswer::No)) return false;
    if (!kxIsValidDatabasePath(path)) {
        ui_.inform(kxInvalidDatabaseNameMessage());
        return false;
    }
    return true;
}
