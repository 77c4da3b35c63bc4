// The handheld installation schedule in the settings file: what is read back as the users
// with a database, and the exact text schedule and mark write.

#include "tests/support/TestFiles.h"

#include "install/HandheldChoices.h"
#include "install/HandheldUsers.h"
#include "install/KxInstallSchedule.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace {
using Names = std::vector<std::string>;

class Schedule : public ::testing::Test {
  protected:
    KxInstallSchedule scheduleOf(const std::string& database) {
        return KxInstallSchedule(KxSettings(settings), database);
    }
    TempDir dir;
    std::string settings = dir.file("rolvadesk.ini");
};
} // namespace

TEST(InstallScheduleValues, KeyIsTheFileNameWithoutFolderAndExtension) {
    EXPECT_EQ(kxScheduleKey("/home/ann/Tools.rlv"), "Tools");
    EXPECT_EQ(kxScheduleKey("/home/ann/my.tools.rlv"), "my.tools");
    EXPECT_EQ(kxScheduleKey("/a.b/Tools"), "Tools");
}

TEST(InstallScheduleValues, InstalledIsFoundAmongPairs) {
    EXPECT_EQ(kxInstalledValue("Installed=0 "), 0);
    EXPECT_EQ(kxInstalledValue("Installed=1 "), 1);
    EXPECT_EQ(kxInstalledValue("installed=12"), 12);
    EXPECT_EQ(kxInstalledValue("Card=\"My card\" INSTALLED=0"), 0) << "a quoted value with a blank";
    EXPECT_EQ(kxInstalledValue("Card=[Installed=1 x] Installed=0"), 0) << "a bracketed value is one value";
    EXPECT_EQ(kxInstalledValue("Installed=[0]"), 0);
    EXPECT_EQ(kxInstalledValue("Stale Installed=2 Installed=0"), 2) << "the first pair counts";
    EXPECT_EQ(kxInstalledValue("XInstalled=0"), std::nullopt);
    EXPECT_EQ(kxInstalledValue("Installed= 0"), std::nullopt) << "the value ends at the blank";
    EXPECT_EQ(kxInstalledValue("Installed=yes"), std::nullopt);
    EXPECT_EQ(kxInstalledValue("Card=\"unclosed Installed=0"), std::nullopt);
}

TEST(InstallScheduleValues, SectionNamesAreReadThroughA1024ByteBuffer) {
    const std::string a(500, 'a'), b(520, 'b');
    // 501 + 521 + the list's terminator: 1023 bytes.
    EXPECT_EQ(kxSectionNamesWithin({a, b}, 1024), (Names{a, b}));
    EXPECT_EQ(kxSectionNamesWithin({a, b + "b"}, 1024), (Names{a, b + "b"})) << "exactly 1024";
    EXPECT_EQ(kxSectionNamesWithin({a, b + "bb", "User:Ann"}, 1024), (Names{a})) << "a cut name is no name";
    EXPECT_TRUE(kxSectionNamesWithin({}, 1024).empty());
}

TEST_F(Schedule, UsersWithTheDatabaseInSectionOrder) {
    writeFileText(settings, "[Settings]\nTools=Installed=0 \n"
                        "[user:Carl]\nTools=Installed=0 \n"
                        "[User:Ann]\nTools=Installed=1 \nGarden=Installed=0 \n"
                        "[User:Bob]\nTOOLS=Installed=0 \n"
                        "[User:Dora]\nTools=\n"
                        "[User:Eve]\nGarden=Installed=0 \n"
                        "[Users:Fay]\nTools=Installed=0 \n"
                        "[User:Gil]\nTools=Card=\"x y\" Installed=0\n");
    KxInstallSchedule schedule = scheduleOf("/data/Tools.rlv");
    EXPECT_EQ(schedule.usersWithDatabase(true), (Names{"Carl", "Bob", "Gil"}));
    EXPECT_EQ(schedule.usersWithDatabase(false), (Names{"Carl", "Ann", "Bob", "Gil"}));
    EXPECT_TRUE(schedule.anyUserHasDatabase());
    EXPECT_FALSE(scheduleOf("/data/Kitchen.rlv").anyUserHasDatabase());
}

TEST_F(Schedule, SectionsBeyondTheFirst1024BytesOfNamesAreNotSeen) {
    std::string text;
    for (int i = 0; i < 20; ++i) text += "[Filler" + std::string(50, 'x') + std::to_string(i) + "]\nA=1\n";
    writeFileText(settings, text + "[User:Ann]\nTools=Installed=0 \n");
    EXPECT_TRUE(scheduleOf("/data/Tools.rlv").usersWithDatabase(false).empty());
}

TEST_F(Schedule, MarkWritesTheValueWithItsTrailingBlankAndThePath) {
    writeFileText(settings, "[User:Ann]\nTools=Installed=1 \nGarden=Installed=0 \n");
    KxInstallSchedule schedule = scheduleOf("/data/Tools.rlv");
    schedule.mark("Ann", true);
    schedule.mark("Bob", false);
    EXPECT_EQ(readFileText(settings), "[User:Ann]\nGarden=Installed=0 \nTools=Installed=0 \n"
                                  "[DB:Tools]\nFile=/data/Tools.rlv\n"
                                  "[User:Bob]\nTools=Installed=1 \n");
}

TEST_F(Schedule, UntickingAPendingUserCancelsTheInstallationAndKeepsTheKey) {
    writeFileText(settings, "[User:Ann]\nTools=Installed=0 \n[User:Bob]\nTools=Installed=0 \n");
    // Bob's name comes back from the list in another case: he is not unticked.
    scheduleOf("/data/Tools.rlv").schedule({"BOB"});
    EXPECT_EQ(readFileText(settings), "[User:Ann]\nTools=Installed=1 \n"
                                  "[User:Bob]\nTools=Installed=0 \n"
                                  "[DB:Tools]\nFile=/data/Tools.rlv\n");
    EXPECT_EQ(scheduleOf("/data/Tools.rlv").usersWithDatabase(true), (Names{"Bob"}));
}

TEST_F(Schedule, NobodyTickedAndNobodyWithTheDatabaseWritesNothing) {
    const std::string before = "[User:Ann]\nGarden=Installed=0 \n";
    writeFileText(settings, before);
    scheduleOf("/data/Tools.rlv").schedule({});
    EXPECT_EQ(readFileText(settings), before);
}

TEST_F(Schedule, UsersNoLongerListedWhoHadTheDatabaseBecomeNotPending) {
    // Carl is not among the handheld users any more; Dora never had this database.
    writeFileText(settings, "[User:Carl]\nTools=Installed=0 \n[User:Dora]\nGarden=Installed=0 \n");
    scheduleOf("/data/Tools.rlv").schedule({"Ann"});
    EXPECT_EQ(readFileText(settings), "[User:Carl]\nTools=Installed=1 \n"
                                  "[User:Dora]\nGarden=Installed=0 \n"
                                  "[User:Ann]\nTools=Installed=0 \n"
                                  "[DB:Tools]\nFile=/data/Tools.rlv\n");
}

TEST_F(Schedule, TwoDatabasesWithOneFileNameShareTheirSectionAndTheLaterPathWins) {
    scheduleOf("/home/ann/Tools.rlv").schedule({"Ann"});
    scheduleOf("/srv/shared/Tools.rlv").schedule({"Bob"});
    KxSettings read(settings);
    EXPECT_EQ(read.readText("DB:Tools", "File"), "/srv/shared/Tools.rlv");
    // They are one database to the schedule: Ann's installation was cancelled by the second.
    EXPECT_EQ(scheduleOf("/home/ann/Tools.rlv").usersWithDatabase(true), (Names{"Bob"}));
}

TEST(HandheldChoices, EveryUserInIndexOrderTickedIgnoringCase) {
    TempDir dir;
    const std::string list = dir.file("users.txt");
    const std::string longName(120, 'L');
    writeFileText(list, "Ann\n" + longName + "\nBob\n");
    KxHandheldUsersFile users(list);
    const auto choices = kxHandheldChoices(users, {"bob", longName, "Zed"});
    ASSERT_EQ(choices.size(), 3u);
    EXPECT_EQ(choices[0].user, "Ann");
    EXPECT_FALSE(choices[0].ticked);
    EXPECT_EQ(choices[1].user, longName) << "fetched with the second, larger buffer";
    EXPECT_TRUE(choices[1].ticked);
    EXPECT_EQ(choices[2].user, "Bob");
    EXPECT_TRUE(choices[2].ticked);
    EXPECT_TRUE(kxHandheldChoices(KxHandheldUsersFile(dir.file("none.txt")), {"Ann"}).empty());
}
