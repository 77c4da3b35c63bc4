#pragma once
// Where the program finds and keeps its files. The rules are pure functions of the
// environment and the program's location, so they can be checked with made-up values;
// KxPathEnvironment::fromProcess() supplies the real ones.
//
// Every directory returned here ends with '/'.

#include <string>
#include <string_view>
#include <vector>

struct KxPathEnvironment {
    std::string home;             // $HOME, else the home directory of the user's account
    std::string xdgConfigHome;    // $XDG_CONFIG_HOME
    std::string xdgCacheHome;     // $XDG_CACHE_HOME
    std::string settingsOverride; // $ROLVA_SETTINGS
    std::string handheldUsers;    // $ROLVA_HANDHELD_USERS
    std::string currentDir;       // resolves relative paths given in the environment

    static KxPathEnvironment fromProcess();
};

// Full path of the running executable, from /proc/self/exe; empty when unknown.
std::string kxProgramPath();

// "/a/b/c.ini" -> "/a/b/"; "c.ini" -> "".
std::string kxDirectoryOf(std::string_view path);
// "/a/b/c.ini" -> "c.ini".
std::string_view kxFileNameOf(std::string_view path);
// "/a/b/c.ini" -> "/a/b/c"; a leading dot of the file name does not start an extension.
std::string_view kxStripExtension(std::string_view path);
// An absolute path as it is, a relative one joined to base.
std::string kxAbsolutePath(std::string_view path, std::string_view base);

// Whether the path names an existing directory (links followed).
bool kxIsDirectory(const std::string& path);
// Whether anything exists at the path (links followed).
bool kxPathExists(const std::string& path);
// Whether the program may create files in the directory.
bool kxIsWritableDirectory(const std::string& directory);

// Creates a directory and its missing parents. True when it exists afterwards.
bool kxMakeDirectories(const std::string& path, unsigned mode = 0700);

// The settings file: $ROLVA_SETTINGS when set; else the program's path with its extension
// replaced by "ini" when the program directory is writable; else
// $XDG_CONFIG_HOME/rolva/rolvadesk.ini (default ~/.config).
std::string kxSettingsPath(const KxPathEnvironment& env, std::string_view programPath,
                           bool programDirWritable);
std::string kxSettingsPath();

// The prefix the program was built to be installed under (ROLVA_INSTALL_PREFIX when
// compiling this library, else /usr/local).
std::string_view kxInstallPrefix();

// Where report templates are looked for, in order: <program dir>/templates/, then
// <install prefix>/share/rolva/templates/.
std::vector<std::string> kxTemplateDirectories(std::string_view programDir,
                                               std::string_view installPrefix = kxInstallPrefix());

// Where a helper program of the product is looked for, in order: beside the program, then
// <install prefix>/libexec/rolva/.
std::vector<std::string> kxHelperProgramPaths(std::string_view name, std::string_view programDir,
                                              std::string_view installPrefix = kxInstallPrefix());

// Where print output and the import error log go: the program directory when writable,
// else $XDG_CACHE_HOME/rolva/ (default ~/.cache/rolva/). The caller creates it when needed.
std::string kxOutputDirectory(const KxPathEnvironment& env, std::string_view programDir,
                              bool programDirWritable);
std::string kxOutputDirectory();
