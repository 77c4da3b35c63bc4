#include "app/DocFileRules.h"

#include "platform/Cp1252.h"
#include "transfer/TransferStrings.h"
#include "platform/NoCase.h"
#include "platform/Paths.h"
#include "base/KxUi.h"

#include <sys/stat.h>

namespace {
// File system paths are UTF-8: a name's length is counted in characters, not bytes.
std::size_t characterCount(std::string_view text) {
    std::size_t count = 0;
    for (unsigned char c : text)
        if ((c & 0xC0) != 0x80) ++count;
    return count;
}

} // namespace

bool kxIsValidDatabasePath(const std::string& path) {
    if (path.empty()) return false;
    const std::string_view name = kxStripExtension(kxFileNameOf(path));
    if (name.empty() || characterCount(name) > kxMaxBaseNameLength) return false;
    return name.find_first_of("*\\?<>\"") == std::string_view::npos;
}

std::string kxWithDatabaseExtension(const std::string& path) {
    const std::string_view name = kxFileNameOf(path);
    const std::string_view stem = kxStripExtension(name);
    if (stem.size() < name.size() && kxEqualNoCase(name.substr(stem.size() + 1), "rlv"))
        return path;
    return path + ".rlv";
}

std::string kxInvalidDatabaseNameMessage() {
    return kxString(kxStrInvalidFileName, std::to_string(kxMaxBaseNameLength));
}

bool kxIsReadOnlyFile(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return false;
    return (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
}

bool kxCheckPathForWriting(KxUi& ui, const std::string& path) {
    const std::string directory = kxDirectoryOf(path);
    if (!directory.empty() && !kxIsDirectory(directory)) {
        ui.inform(kxString(kxStrPathDoesNotExist));
        return false;
    }
    if (kxPathExists(path) && kxIsReadOnlyFile(path)) {
        ui.inform(kxString(kxStrReadOnlyTarget, kxFromUtf8(path)));
        return false;
    }
    return true;
}
