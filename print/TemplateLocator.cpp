#include "print/TemplateLocator.h"

#include <algorithm>
#include <dirent.h>
#include <set>
#include <sys/stat.h>

namespace {

// A template name is one path component of a file the directory itself holds.
constexpr std::size_t kMaxNameBytes = 255;

std::string withSlash(const std::string& directory) {
    if (directory.empty() || directory.back() == '/') return directory;
    return directory + "/";
}

bool isRegularFile(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool endsWithHtm(std::string_view name) {
    constexpr std::string_view suffix = ".htm";
    if (name.size() <= suffix.size()) return false;
    const std::string_view tail = name.substr(name.size() - suffix.size());
    return std::equal(tail.begin(), tail.end(), suffix.begin(), [](char a, char b) {
        return (a >= 'A' && a <= 'Z' ? static_cast<char>(a - 'A' + 'a') : a) == b;
    });
}

} // namespace

bool kxIsPlainTemplateName(std::string_view name) {
    if (name.empty() || name.size() > kMaxNameBytes || name == "." || name == "..") return false;
    return std::none_of(name.begin(), name.end(), [](char c) {
        return c == '/' || c == '\\' || static_cast<unsigned char>(c) < 0x20;
    });
}

std::optional<std::string> kxFindTemplate(std::string_view name,
                                          const std::vector<std::string>& directories) {
    if (!kxIsPlainTemplateName(name)) return std::nullopt;
    for (const std::string& directory : directories) {
        if (directory.empty()) continue;
        std::string path = withSlash(directory) + std::string(name);
        if (isRegularFile(path)) return path;
    }
    return std::nullopt;
}

std::vector<std::string> kxListTemplates(const std::vector<std::string>& directories) {
    std::set<std::string> names;
    for (const std::string& directory : directories) {
        if (directory.empty()) continue;
        DIR* dir = ::opendir(directory.c_str());
        if (!dir) continue;
        while (const dirent* entry = ::readdir(dir)) {
            const std::string name = entry->d_name;
            if (endsWithHtm(name) && kxIsPlainTemplateName(name) &&
                isRegularFile(withSlash(directory) + name))
                names.insert(name);
        }
        ::closedir(dir);
    }
    return {names.begin(), names.end()};
}
