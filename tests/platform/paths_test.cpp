#include "platform/Paths.h"

#include <gtest/gtest.h>

namespace {

KxPathEnvironment homeOnly() {
    KxPathEnvironment env;
    env.home = "/home/ann";
    env.currentDir = "/work/here";
    return env;
}

} // namespace

TEST(Paths, SettingsBesideAWritableProgram) {
    KxPathEnvironment env = homeOnly();
    EXPECT_EQ(kxSettingsPath(env, "/opt/rolva/rolvadesk", true), "/opt/rolva/rolvadesk.ini");
    EXPECT_EQ(kxSettingsPath(env, "/opt/rolva/rolvadesk.bin", true), "/opt/rolva/rolvadesk.ini");
    EXPECT_EQ(kxSettingsPath(env, "/opt/ro.lva/rolvadesk", true), "/opt/ro.lva/rolvadesk.ini");
}

TEST(Paths, SettingsInTheUsersConfigDirectoryOtherwise) {
    KxPathEnvironment env = homeOnly();
    EXPECT_EQ(kxSettingsPath(env, "/usr/bin/rolvadesk", false),
              "/home/ann/.config/rolva/rolvadesk.ini");
    env.xdgConfigHome = "/cfg/";
    EXPECT_EQ(kxSettingsPath(env, "/usr/bin/rolvadesk", false), "/cfg/rolva/rolvadesk.ini");
    env.xdgConfigHome = "relative/cfg"; // not absolute: ignored
    EXPECT_EQ(kxSettingsPath(env, "/usr/bin/rolvadesk", false),
              "/home/ann/.config/rolva/rolvadesk.ini");
    EXPECT_EQ(kxSettingsPath(env, "", true), "/home/ann/.config/rolva/rolvadesk.ini");
}

TEST(Paths, TheEnvironmentOverridesTheSettingsFile) {
    KxPathEnvironment env = homeOnly();
    env.settingsOverride = "/tmp/test.ini";
    EXPECT_EQ(kxSettingsPath(env, "/opt/rolva/rolvadesk", true), "/tmp/test.ini");
    // Fixed against the directory the program started in: start-up changes it later.
    env.settingsOverride = "sub/test.ini";
    EXPECT_EQ(kxSettingsPath(env, "/usr/bin/rolvadesk", false), "/work/here/sub/test.ini");
}

TEST(Paths, TemplatesAndOutput) {
    EXPECT_EQ(kxTemplateDirectories("/opt/rolva/", "/usr"),
              (std::vector<std::string>{"/opt/rolva/templates/", "/usr/share/rolva/templates/"}));
    EXPECT_EQ(
        kxTemplateDirectories("/opt/rolva", ""),
        (std::vector<std::string>{"/opt/rolva/templates/", "/usr/local/share/rolva/templates/"}));

    KxPathEnvironment env = homeOnly();
    EXPECT_EQ(kxOutputDirectory(env, "/opt/rolva", true), "/opt/rolva/");
    EXPECT_EQ(kxOutputDirectory(env, "/usr/bin/", false), "/home/ann/.cache/rolva/");
    env.xdgCacheHome = "/var/cache/ann";
    EXPECT_EQ(kxOutputDirectory(env, "/usr/bin/", false), "/var/cache/ann/rolva/");
}

TEST(Paths, PathPieces) {
    EXPECT_EQ(kxDirectoryOf("/a/b/c.ini"), "/a/b/");
    EXPECT_EQ(kxDirectoryOf("c.ini"), "");
    EXPECT_EQ(kxFileNameOf("/a/b/c.ini"), "c.ini");
    EXPECT_EQ(kxStripExtension("/a/b/c.ini"), "/a/b/c");
    EXPECT_EQ(kxStripExtension("/a/.hidden"), "/a/.hidden");
    EXPECT_EQ(kxStripExtension("/a.d/c"), "/a.d/c");
    EXPECT_EQ(kxAbsolutePath("/x", "/base"), "/x");
    EXPECT_EQ(kxAbsolutePath("x", "/base/"), "/base/x");
}

TEST(Paths, TheRunningProgram) {
    std::string program = kxProgramPath();
    ASSERT_FALSE(program.empty());
    EXPECT_EQ(program.front(), '/');
    EXPECT_EQ(kxFileNameOf(program), "test_platform");
}
