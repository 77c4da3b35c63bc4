#include "platform/Paths.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <memory>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#ifndef ROLVA_INSTALL_PREFIX
#define ROLVA_INSTALL_PREFIX "/usr/local"
#endif

namespace {

std::string withSlash(std::string dir) {
    if (!dir.empty() && dir.back() != '/') dir += '/';
    return dir;
}

std::string environmentValue(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

std::string accountHome() {
    long size = ::sysconf(_SC_GETPW_R_SIZE_MAX);
    std::string buffer(size > 0 ? static_cast<std::size_t>(size) : 16384u, '\0');
    struct passwd pw {};
    struct passwd* found = nullptr;
    if (::getpwuid_r(::getuid(), &pw, buffer.data(), buffer.size(), &found) != 0 || !found ||
        !pw.pw_dir)
        return "";
    return pw.pw_dir;
}

// An XDG base directory: the variable when it holds an absolute path (relative values are
// to be ignored), else the default below home.
std::string xdgBase(const std::string& value, const std::string& home, std::string_view fallback) {
    if (!value.empty() && value.front() == '/') return withSlash(value);
    return withSlash(home) + std::string(fallback) + '/';
}

std::string currentDirectory() {
    char buffer[PATH_MAX];
    return ::getcwd(buffer, sizeof buffer) ? buffer : "";
}

} // namespace

KxPathEnvironment KxPathEnvironment::fromProcess() {
    KxPathEnvironment env;
    env.home = environmentValue("HOME");
    if (env.home.empty()) env.home = accountHome();
    env.xdgConfigHome = environmentValue("XDG_CONFIG_HOME");
    env.xdgCacheHome = environmentValue("XDG_CACHE_HOME");
    env.settingsOverride = environmentValue("ROLVA_SETTINGS");
    env.handheldUsers = environmentValue("ROLVA_HANDHELD_USERS");
    env.currentDir = currentDirectory();
    return env;
}

std::string kxProgramPath() {
    char buffer[PATH_MAX];
    ssize_t n = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (n <= 0) return "";
    std::string path(buffer, static_cast<std::size_t>(n));
    // A program rebuilt while it runs reads as "<path> (deleted)"; its settings stay where
    // they were.
    constexpr std::string_view deleted = " (deleted)";
    struct stat st {};
    if (path.ends_with(deleted) && ::stat(path.c_str(), &st) != 0)
        path.resize(path.size() - deleted.size());
    return path;
}

std::string kxDirectoryOf(std::string_view path) {
    std::size_t slash = path.find_last_of('/');
    return slash == std::string_view::npos ? std::string() : std::string(path.substr(0, slash + 1));
}

std::string_view kxFileNameOf(std::string_view path) {
    std::size_t slash = path.find_last_of('/');
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

std::string_view kxStripExtension(std::string_view path) {
    std::string_view name = kxFileNameOf(path);
    std::size_t dot = name.find_last_of('.');
    if (dot == std::string_view::npos || dot == 0) return path;
    return path.substr(0, path.size() - (name.size() - dot));
}

std::string kxAbsolutePath(std::string_view path, std::string_view base) {
    if (path.empty() || path.front() == '/' || base.empty()) return std::string(path);
    return withSlash(std::string(base)) + std::string(path);
}

bool kxIsDirectory(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool kxPathExists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0;
}

bool kxIsWritableDirectory(const std::string& directory) {
    return !directory.empty() && kxIsDirectory(directory) && ::access(directory.c_str(), W_OK | X_OK) == 0;
}

bool kxMakeDirectories(const std::string& path, unsigned mode) {
    std::string dir = path;
    while (dir.size() > 1 && dir.back() == '/')
        dir.pop_back();
    if (dir.empty()) return false;
    struct stat st {};
    if (::stat(dir.c_str(), &st) == 0) return S_ISDIR(st.st_mode);
    std::string parent = kxDirectoryOf(dir);
    if (!parent.empty() && parent != "/" && !kxMakeDirectories(parent, mode)) return false;
    if (::mkdir(dir.c_str(), static_cast<mode_t>(mode)) == 0) return true;
    return errno == EEXIST && ::stat(dir.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::string kxSettingsPath(const KxPathEnvironment& env, std::string_view programPath,
                           bool programDirWritable) {
    if (!env.settingsOverride.empty()) return kxAbsolutePath(env.settingsOverride, env.currentDir);
    if (programDirWritable && !programPath.empty())
        return std::string(kxStripExtension(programPath)) + ".ini";
    return xdgBase(env.xdgConfigHome, env.home, ".config") + "rolva/rolvadesk.ini";
}

std::string kxSettingsPath() {
    std::string program = kxProgramPath();
    return kxSettingsPath(KxPathEnvironment::fromProcess(), program,
                          kxIsWritableDirectory(kxDirectoryOf(program)));
}

std::string_view kxInstallPrefix() {
    return ROLVA_INSTALL_PREFIX;
}

namespace {

// The program's own directory (when known) and a folder under the install prefix.
std::vector<std::string> besideProgramThenPrefix(std::string_view programDir, std::string_view installPrefix,
                                                 std::string_view underPrefix, std::string_view name) {
    std::vector<std::string> places;
    if (!programDir.empty()) places.push_back(withSlash(std::string(programDir)) + std::string(name));
    const std::string prefix = installPrefix.empty() ? std::string("/usr/local") : std::string(installPrefix);
    places.push_back(withSlash(prefix) + std::string(underPrefix) + std::string(name));
    return places;
}

} // namespace

std::vector<std::string> kxTemplateDirectories(std::string_view programDir,
                                               std::string_view installPrefix) {
    return besideProgramThenPrefix(programDir, installPrefix, "share/rolva/", "templates/");
}

std::vector<std::string> kxHelperProgramPaths(std::string_view name, std::string_view programDir,
                                              std::string_view installPrefix) {
    return besideProgramThenPrefix(programDir, installPrefix, "libexec/rolva/", name);
}

std::string kxOutputDirectory(const KxPathEnvironment& env, std::string_view programDir,
                              bool programDirWritable) {
    if (programDirWritable && !programDir.empty()) return withSlash(std::string(programDir));
    return xdgBase(env.xdgCacheHome, env.home, ".cache") + "rolva/";
}

std::string kxOutputDirectory() {
    std::string dir = kxDirectoryOf(kxProgramPath());
    return kxOutputDirectory(KxPathEnvironment::fromProcess(), dir, kxIsWritableDirectory(dir));
}
