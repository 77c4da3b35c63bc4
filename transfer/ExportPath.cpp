#include "transfer/ExportPath.h"

#include "app/DocFileRules.h"
#include "app/FailureDetails.h"

#include "base/KxUi.h"

#include "platform/Cp1252.h"
#include "engine/KxDbError.h"
#include "transfer/TransferStrings.h"
#include "platform/NoCase.h"
#include "platform/Paths.h"
#include "engine/PosixFile.h"

#include <array>
#include <dirent.h>
#include <set>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr std::size_t kMaxDocumentNameCharacters = 246;
// A file name may not pass 255 bytes: the document name leaves room for "_Export", two
// digits and a three-letter extension, however many bytes its characters take in UTF-8.
constexpr std::size_t kMaxDocumentNameBytes = 255 - 7 - 2 - 4;
constexpr int kMaxExportNumber = 99;

bool isUtf8Continuation(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// At most `characters` characters and `bytes` bytes, never splitting a character.
std::string_view cutName(std::string_view name, std::size_t characters, std::size_t bytes) {
    std::size_t end = 0, count = 0;
    while (end < name.size() && count < characters) {
        std::size_t next = end + 1;
        while (next < name.size() && isUtf8Continuation(name[next])) ++next;
        if (next > bytes) break;
        end = next;
        ++count;
    }
    return name.substr(0, end);
}

std::set<std::string> namesIn(const std::string& directory) {
    std::set<std::string> names;
    DIR* dir = ::opendir(directory.empty() ? "." : directory.c_str());
    if (!dir) return names;
    while (const dirent* entry = ::readdir(dir)) names.insert(entry->d_name);
    ::closedir(dir);
    return names;
}

// Whether a name is the stem itself or the stem followed by an extension.
bool takesStem(const std::string& name, const std::string& stem) {
    return name.compare(0, stem.size(), stem) == 0 &&
           (name.size() == stem.size() || name[stem.size()] == '.');
}

// The extension: the text after the last dot of the file name, none when the name has no
// dot or only a leading one.
std::optional<std::string_view> extensionOf(std::string_view path) {
    const std::string_view name = kxFileNameOf(path);
    const std::size_t dot = name.find_last_of('.');
    if (dot == std::string_view::npos || dot == 0) return std::nullopt;
    return name.substr(dot + 1);
}

struct TypeExtensions {
    std::array<std::string_view, 3> accepted;
    std::size_t count;
};

TypeExtensions extensionsOf(KxExportFileType type) {
    switch (type) {
    case KxExportFileType::Tab:
        return {{"tab", "tsv", "txt"}, 3};
    case KxExportFileType::Database:
        return {{"rlv", "", ""}, 1};
    case KxExportFileType::Comma:
        break;
    }
    return {{"csv", "txt", ""}, 2};
}

bool fileExists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0;
}

bool isRegularFile(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool directoryMissing(const std::string& path) {
    const std::string directory = kxDirectoryOf(path);
    if (directory.empty()) return false;
    struct stat st {};
    return ::stat(directory.c_str(), &st) != 0 || !S_ISDIR(st.st_mode);
}

// Paths in messages are the program's own text.
std::string shown(const std::string& path) {
    return kxFromUtf8(path);
}

} // namespace

std::string kxDefaultExportPath(std::string_view directory, std::string_view documentPath) {
    const std::string_view document = kxStripExtension(kxFileNameOf(documentPath));
    const std::string stem =
        std::string(cutName(document, kMaxDocumentNameCharacters, kMaxDocumentNameBytes)) +
        "_Export";
    const std::set<std::string> taken = namesIn(std::string(directory));
    for (int n = 1; n <= kMaxExportNumber; ++n) {
        const std::string numbered = stem + std::to_string(n);
        bool free = true;
        for (auto it = taken.lower_bound(numbered); it != taken.end() && free; ++it) {
            if (it->compare(0, numbered.size(), numbered) != 0) break;
            free = !takesStem(*it, numbered);
        }
        if (free) return std::string(directory) + numbered + ".csv";
    }
    return std::string(directory) + stem + ".csv";
}

std::string kxApplyExportExtension(std::string_view path, KxExportFileType type) {
    if (path.empty()) return std::string();
    const TypeExtensions extensions = extensionsOf(type);
    const auto extension = extensionOf(path);
    if (extension) {
        for (std::size_t i = 0; i < extensions.count; ++i)
            if (kxEqualNoCase(*extension, extensions.accepted[i])) return std::string(path);
        return std::string(path.substr(0, path.size() - extension->size())) +
               std::string(extensions.accepted[0]);
    }
    // A name ending in a dot has an empty extension to replace.
    if (path.back() == '.') return std::string(path) + std::string(extensions.accepted[0]);
    return std::string(path) + "." + std::string(extensions.accepted[0]);
}

bool kxIsValidDatabaseFileName(std::string_view path) {
    return kxIsValidDatabasePath(std::string(path));
}

std::string kxInvalidFileNameMessage() {
    return kxString(kxStrInvalidFileName, std::to_string(kxMaxDatabaseNameLength));
}

bool kxCheckExportPath(KxUi& ui, const std::string& path) {
    if (directoryMissing(path)) {
        ui.inform(kxString(kxStrPathDoesNotExist));
        return false;
    }
    if (kxIsReadOnlyFile(path)) {
        ui.inform(kxString(kxStrReadOnlyTarget, shown(path)));
        return false;
    }
    return true;
}

std::optional<std::string> kxConfirmOutputTarget(KxUi& ui, const std::string& path,
                                                 const std::string& openDatabasePath) {
    if (directoryMissing(path)) {
        ui.inform(kxString(kxStrPathDoesNotExist));
        return std::nullopt;
    }
    if (!fileExists(path)) return path;
    if (!openDatabasePath.empty() && kxSameFile(path, openDatabasePath)) {
        ui.inform(kxString(kxStrTargetIsOpenDatabase, shown(path)));
        return std::nullopt;
    }
    // A directory, a device or a FIFO is never replaced by a file.
    if (!isRegularFile(path) || kxIsReadOnlyFile(path)) {
        ui.inform(kxString(kxStrReadOnlyTarget, shown(path)));
        return std::nullopt;
    }
    if (kxFileLockedByOther(path)) {
        ui.messageWithDetail(kxDbErrorMessage(KxDbError::AccessDenied),
                             kxOpenFailureDetail(path, KxDbError::AccessDenied), KxUi::kCaption,
                             KxButtons::Ok, KxIcon::Warning, KxAnswer::Ok);
        return std::nullopt;
    }
    if (!ui.ask(kxString(kxStrReplaceFile, shown(path)), KxAnswer::No)) return std::nullopt;
    return path;
}

std::optional<std::string> kxConfirmExportTarget(KxUi& ui, const std::string& path,
                                                 KxExportFileType type,
                                                 const std::string& openDatabasePath) {
    if (directoryMissing(path)) {
        ui.inform(kxString(kxStrPathDoesNotExist));
        return std::nullopt;
    }
    std::string target = path;
    if (!fileExists(target)) target = kxApplyExportExtension(target, type);
    // Checked for an existing file too: the program refuses to open a database whose name
    // breaks the rule, so it must not make one.
    if (type == KxExportFileType::Database && !kxIsValidDatabaseFileName(target)) {
        ui.inform(kxInvalidFileNameMessage());
        return std::nullopt;
    }
    // Text never goes over a database file.
    if (type != KxExportFileType::Database && fileExists(target) && isRegularFile(target) &&
        kxEqualNoCase(extensionOf(target).value_or(""), "rlv")) {
        ui.inform(kxString(kxStrReadOnlyTarget, shown(target)));
        return std::nullopt;
    }
    return kxConfirmOutputTarget(ui, target, openDatabasePath);
}
