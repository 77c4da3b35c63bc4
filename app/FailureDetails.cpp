#include "app/FailureDetails.h"

#include "Cp1252.h"
#include "FileHeader.h"
#include "app/AppStrings.h"
#include "PosixFile.h"
#include "Paths.h"
#include "app/DocFileRules.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>
#include <vector>

#include <unistd.h>

namespace {
std::string shown(const std::string& path) { return "\"" + kxFromUtf8(path) + "\""; }

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
    if (kxFileLockedByOther(path)) return kxString(kxStrDetailHeldByOther, shown(path));
    if (kxIsReadOnlyFile(path)) return kxString(kxStrDetailWriteProtected, shown(path));
    return {};
}

std::string kxSaveFailureDetail(const std::string& path, KxDbError code) {
    std::string detail = kxString(kxStrDetailNotWritten, shown(path));
    if (const std::string reason = systemReason(path, code); !reason.empty()) detail += " " + kxFromUtf8(reason) + ".";
    return detail + "\n" + kxString(kxStrDetailSaveElsewhere);
}
