#include "app/FailureDetails.h"

#include "platform/Cp1252.h"
#include "engine/KxFileHeader.h"
#include "platform/KxLockHolder.h"
#include "app/AppStrings.h"
#include "engine/PosixFile.h"
#include "platform/Paths.h"
#include "app/DocFileRules.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <vector>

#include <unistd.h>

namespace {
std::string shown(const std::string& path) {
    std::string text = kxFromUtf8(path);
    text.insert(text.begin(), '"');
    text.push_back('"');
    return text;
}

// A text of the table with its "%s" filled in order; an argument's own "%s" stays as it is.
std::string filled(int id, std::initializer_list<std::string> arguments) {
    std::string text = kxString(id);
    std::size_t from = 0;
    for (const std::string& argument : arguments) {
        const std::size_t at = text.find("%s", from);
        if (at == std::string::npos) break;
        text.replace(at, 2, argument);
        from = at + argument.size();
    }
    return text;
}

// Another program holds the file: which one, when the system tells.
std::string heldDetail(const std::string& path) {
    const auto holder = kxFindLockHolder(path);
    if (!holder || holder->name.empty()) return kxString(kxStrDetailHeldByOther, shown(path));
    return filled(kxStrDetailHeldByProgram, {kxFromUtf8(holder->name), std::to_string(holder->pid), shown(path)});
}

bool hasDatabaseSignature(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::vector<char> start(KxFileHeader::kSize);
    file.read(start.data(), static_cast<std::streamsize>(start.size()));
    return KxFileHeader::hasSignature(reinterpret_cast<const std::uint8_t*>(start.data()),
                                      static_cast<std::size_t>(file.gcount()));
}

// The system's reason, as it words it, for the first of these that fails; empty for none.
std::string systemReason(const std::string& path, KxDbError code) {
    const std::string folder = kxDirectoryOf(path);
    if (::access(folder.empty() ? "." : folder.c_str(), W_OK) != 0) return std::strerror(errno);
    if (::access(path.c_str(), F_OK) == 0 && ::access(path.c_str(), W_OK) != 0) return std::strerror(errno);
    if (code == KxDbError::DiskFull) return std::strerror(ENOSPC);
    return {};
}
} // namespace

std::string kxOpenFailureDetail(const std::string& path, KxDbError code) {
    if (code == KxDbError::Damaged && ::access(path.c_str(), R_OK) == 0 && !hasDatabaseSignature(path))
        return kxString(kxStrDetailNotADatabase, shown(path));
    if (code != KxDbError::AccessDenied) return {};
    if (::access(path.c_str(), R_OK) != 0) return kxString(kxStrDetailNoReadAccess, shown(path));
    if (kxFileLockedByOther(path)) return heldDetail(path);
    if (kxIsReadOnlyFile(path)) return kxString(kxStrDetailWriteProtected, shown(path));
    return {};
}

std::string kxSaveFailureReason(const std::string& path, KxDbError code) {
    if (kxIsReadOnlyFile(path)) return kxString(kxStrDetailWriteProtected, shown(path));
    // Only another file is refused for its lock: the database's own is held by this program.
    if (code == KxDbError::CannotReplace && kxFileLockedByOther(path)) return heldDetail(path);
    std::string detail = kxString(kxStrDetailNotWritten, shown(path));
    if (const std::string reason = systemReason(path, code); !reason.empty()) {
        detail += ' ';
        detail += kxFromUtf8(reason);
        detail += '.';
    }
    return detail;
}

std::string kxSaveFailureDetail(const std::string& path, KxDbError code) {
    return kxSaveFailureReason(path, code) + "\n" + kxString(kxStrDetailSaveElsewhere);
}
