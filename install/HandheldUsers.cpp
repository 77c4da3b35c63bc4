#include "install/HandheldUsers.h"

#include "platform/AtomicFile.h"
#include "platform/Cp1252.h"
#include "platform/Paths.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace {

// A user list is a few names; anything this large is not one.
constexpr std::size_t kMaxListFileSize = 4u << 20;

std::string_view trimSpace(std::string_view s) {
    constexpr std::string_view space = " \t\v\f";
    std::size_t first = s.find_first_not_of(space);
    if (first == std::string_view::npos) return {};
    return s.substr(first, s.find_last_not_of(space) - first + 1);
}

} // namespace

KxHandheldUsersFile::KxHandheldUsersFile(const std::string& path) {
    KxFileContent content = kxReadWholeFile(path, kMaxListFileSize);
    if (content.status == KxReadStatus::Ok) names_ = parse(content.bytes);
}

std::string KxHandheldUsersFile::pathFor(std::string_view settingsPath,
                                         std::string_view overridePath) {
    if (!overridePath.empty()) return std::string(overridePath);
    return kxDirectoryOf(settingsPath) + std::string(kFileName);
}

KxHandheldUsersFile KxHandheldUsersFile::forSettingsFile(std::string_view settingsPath) {
    KxPathEnvironment env = KxPathEnvironment::fromProcess();
    return KxHandheldUsersFile(
        pathFor(settingsPath, kxAbsolutePath(env.handheldUsers, env.currentDir)));
}

std::vector<std::string> KxHandheldUsersFile::parse(std::string_view text) {
    std::string converted;
    if (kxDetectEncoding(text, true) == KxTextEncoding::Cp1252) {
        converted = kxToUtf8(text);
        text = converted;
    }
    text = kxStripUtf8Bom(text);

    std::vector<std::string> names;
    while (!text.empty()) {
        std::size_t end = text.find_first_of("\r\n");
        std::string_view name = trimSpace(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        // The name travels with its terminator through a buffer whose size is 16 bits.
        bool fits = name.size() < std::numeric_limits<std::uint16_t>::max();
        if (!name.empty() && fits && name.find('\0') == std::string_view::npos)
            names.emplace_back(name);
    }
    return names;
}

std::int32_t KxHandheldUsersFile::userCount() const {
    return static_cast<std::int32_t>(
        std::min<std::size_t>(names_.size(), std::numeric_limits<std::int32_t>::max()));
}

std::int32_t KxHandheldUsersFile::userName(std::int32_t index, char* buffer,
                                           std::uint16_t* size) const {
    if (!size || index < 0 || index >= userCount()) return kNoSuchUser;
    const std::string& name = names_[static_cast<std::size_t>(index)];
    std::size_t needed = name.size() + 1;
    if (!buffer || *size < needed) {
        *size = static_cast<std::uint16_t>(needed);
        return kBufferTooSmall;
    }
    std::memcpy(buffer, name.c_str(), needed);
    return 0;
}
