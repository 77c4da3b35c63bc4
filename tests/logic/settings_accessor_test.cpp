#include "base/KxSettings.h"

#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

namespace {

class SettingsTest : public ::testing::Test {
  protected:
    TempDir dir;
    std::string path = dir.file("rolvadesk.ini");
    KxSettings settings{path};
};

} // namespace

TEST_F(SettingsTest, FirstRunWritesTheVersionOnce) {
    EXPECT_TRUE(settings.initialiseIfMissing());
    EXPECT_EQ(readFileText(path), "[Rolva]\nVersion=1.0\n");
    settings.write(kxSettingLastFile, "/d/a.rlv");
    EXPECT_FALSE(settings.initialiseIfMissing());
    EXPECT_EQ(readFileText(path), "[Rolva]\nVersion=1.0\nLastFile=/d/a.rlv\n");
}

TEST_F(SettingsTest, DefaultsOfAFreshFile) {
    settings.initialiseIfMissing();
    // Window maximized, tool tips on, copying from the handheld shown as on, no database.
    EXPECT_EQ(settings.read(kxSettingLastAppSizeW), -1);
    EXPECT_EQ(settings.read(kxSettingLastAppSizeH), -1);
    EXPECT_EQ(settings.read(kxSettingLastAppPosX), -1);
    EXPECT_EQ(settings.read(kxSettingLastAppPosY), -1);
    EXPECT_NE(settings.read(kxSettingShowToolTips), 0);
    EXPECT_NE(settings.read(kxSettingAllowCopyHHtoPC), 0);
    EXPECT_EQ(settings.read(kxSettingLastFile), "");
    EXPECT_EQ(settings.read(kxSettingUserId), 0u);
    EXPECT_EQ(settings.read(kxSettingLastOpenDir), dir.path() + "/");
    EXPECT_EQ(settings.read(kxSettingLastExportDir), dir.path() + "/");

    KxDefaultFont font = settings.defaultFont();
    EXPECT_EQ(font.face, "MS Sans Serif");
    EXPECT_EQ(font.pointSize, 8);
    EXPECT_FALSE(font.italic);
    EXPECT_EQ(font.weight(), 400);
    EXPECT_EQ(font.pixelHeight(96), -11); // 8 pt at 96 dpi is 10.67 pixels
}

TEST_F(SettingsTest, TheDefaultFontFromTheFile) {
    writeFileText(path, "[DefaultFont]\nFont = DejaVu Sans \nSize=12\nItalic=1\nBold=5\n");
    KxDefaultFont font = settings.defaultFont();
    EXPECT_EQ(font.face, "DejaVu Sans");
    EXPECT_EQ(font.pointSize, 12);
    EXPECT_TRUE(font.italic);
    EXPECT_EQ(font.weight(), 700);
    EXPECT_EQ(font.pixelHeight(96), -16);
}

TEST_F(SettingsTest, EqualsSignsInNamesBecomeUnderscores) {
    ASSERT_TRUE(settings.writeText("DB:a=b", "x=y", "1"));
    EXPECT_EQ(readFileText(path), "[DB:a_b]\nx_y=1\n");
    EXPECT_EQ(settings.readText("DB:a=b", "x=y"), "1");
    EXPECT_EQ(settings.readText("db:A_B", "X_Y"), "1");
    EXPECT_TRUE(settings.removeSection("DB:a=b"));
    EXPECT_TRUE(settings.sectionNames().empty());
}

TEST_F(SettingsTest, NullDeletesButEmptyIsAValue) {
    settings.writeText("Rolva", "LastFile", "/d/a.rlv");
    settings.writeText("Rolva", "LastFile", std::nullopt);
    EXPECT_EQ(settings.readText("Rolva", "LastFile", "gone"), "gone");
    settings.writeText("Rolva", "LastFile", "");
    EXPECT_EQ(settings.readText("Rolva", "LastFile", "gone"), "");
}

TEST_F(SettingsTest, Integers) {
    settings.write(kxSettingLastAppSizeW, 1024);
    settings.write(kxSettingLastAppPosX, -8);
    EXPECT_EQ(settings.read(kxSettingLastAppSizeW), 1024);
    EXPECT_EQ(settings.read(kxSettingLastAppPosX), -8);

    writeFileText(path, "[Rolva]\nShowToolTips=\nLastAppSizeW= 12px\nLastAppSizeH=junk\n"
                                "LastAppPosX=99999999999\nLastAppPosY=-99999999999\n");
    EXPECT_EQ(settings.read(kxSettingShowToolTips), -1); // empty: the default
    EXPECT_EQ(settings.read(kxSettingLastAppSizeW), 12);
    EXPECT_EQ(settings.read(kxSettingLastAppSizeH), 0); // no number: 0
    EXPECT_EQ(settings.read(kxSettingLastAppPosX), INT_MAX);
    EXPECT_EQ(settings.read(kxSettingLastAppPosY), INT_MIN);
}

TEST_F(SettingsTest, Hexadecimal) {
    settings.write(kxSettingUserId, 0x5A0BC3FFu);
    EXPECT_EQ(readFileText(path), "[Rolva]\nUserId=5a0bc3ff\n");
    EXPECT_EQ(settings.read(kxSettingUserId), 0x5A0BC3FFu);

    writeFileText(path, "[Rolva]\nA=0x1F\nB=\nC=123456789ab\nD=zz\n");
    EXPECT_EQ(settings.readHex("Rolva", "A", 7), 0x1Fu);
    EXPECT_EQ(settings.readHex("Rolva", "B", 7), 7u);
    EXPECT_EQ(settings.readHex("Rolva", "C", 7), 0xFFFFFFFFu);
    EXPECT_EQ(settings.readHex("Rolva", "D", 7), 0u);
    EXPECT_EQ(settings.readHex("Rolva", "Missing", 7), 7u);
}

TEST_F(SettingsTest, DirectoriesAndLongValuesAreKeptWhole) {
    std::string longPath = "/" + std::string(3000, 'd') + "/";
    settings.write(kxSettingLastImportDir, longPath);
    EXPECT_EQ(settings.read(kxSettingLastImportDir), longPath);
}

TEST_F(SettingsTest, TheProcessWidePath) {
    KxSettings::setProcessFilePath(path);
    KxSettings onStack;
    EXPECT_EQ(onStack.path(), path);
    onStack.write(kxSettingShowToolTips, 0);
    EXPECT_EQ(settings.read(kxSettingShowToolTips), 0);
    KxSettings::setProcessFilePath("");
}

TEST_F(SettingsTest, AMissingOrBrokenFileGivesDefaultsQuietly) {
    KxSettings nowhere(dir.file("no/such/dir/x.ini"));
    EXPECT_EQ(nowhere.read(kxSettingLastAppSizeW), -1);
    EXPECT_FALSE(nowhere.fileExists());

    std::filesystem::create_directory(dir.file("blocked.ini"));
    KxSettings blocked(dir.file("blocked.ini"));
    EXPECT_EQ(blocked.read(kxSettingShowToolTips), -1);
    EXPECT_FALSE(blocked.write(kxSettingShowToolTips, 1));
}
