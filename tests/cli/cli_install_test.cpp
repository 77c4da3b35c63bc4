// rolva install: scheduling a database for handheld users and listing its schedule.

#include "tests/support/CliRun.h"

#include "base/KxSettings.h"

#include <gtest/gtest.h>

#include <fstream>

namespace {
class CliInstall : public ::testing::Test {
  protected:
    void SetUp() override {
        path = box.file("Tools.rlv");
        ASSERT_EQ(box.run({"new", path, "--field", "Name:text"}).status, 0);
        std::ofstream(box.file("handheld-users.txt")) << "Ann\nBob Jones\nCarl\n";
    }
    CliSandbox box;
    std::string path;
};
} // namespace

TEST_F(CliInstall, UsersAreScheduledAndEveryoneElseWithTheDatabaseUnticked) {
    ASSERT_EQ(box.run({"install", path, "--user", "ann", "--user", "Carl"}).status, 0);
    EXPECT_EQ(box.run({"install", path, "--list"}).out, "Ann\tpending\nCarl\tpending\n")
        << "names as the users' list spells them";

    ASSERT_EQ(box.run({"install", path, "--user", "Bob Jones"}).status, 0);
    EXPECT_EQ(box.run({"install", path, "--list"}).out, "Bob Jones\tpending\n");
    EXPECT_EQ(box.run({"install", path, "--list", "--all"}).out,
              "Ann\tnot pending\nCarl\tnot pending\nBob Jones\tpending\n");

    KxSettings settings(box.file("rolvadesk.ini"));
    EXPECT_EQ(settings.readText("User:Ann", "Tools"), "Installed=1 ");
    EXPECT_EQ(settings.readText("DB:Tools", "File"), path);
}

TEST_F(CliInstall, RefusesUnknownUsersFilesThatAreNoDatabaseAndMuddledArguments) {
    const auto unknown = box.run({"install", path, "--user", "Zed"});
    EXPECT_EQ(unknown.status, 2);
    EXPECT_NE(unknown.err.find("'Zed' is not a known handheld user"), std::string::npos) << unknown.err;
    EXPECT_EQ(box.run({"install", box.file("missing.rlv"), "--user", "Ann"}).status, 1);
    EXPECT_EQ(box.run({"install", path}).status, 2);
    EXPECT_EQ(box.run({"install", path, "--list", "--user", "Ann"}).status, 2);
    EXPECT_EQ(box.run({"install", path, "--user", "Ann", "--all"}).status, 2);
    EXPECT_EQ(box.run({"install", path, "--list"}).out, "") << "nothing was written";
}
