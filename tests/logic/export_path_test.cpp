// The export file's name: the default name, the extension rule, the database name rule and
// the checks of the target.

#include "transfer/ExportPath.h"

#include "tests/support/ScriptedUi.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

namespace {

void touch(const std::string& path) {
    writeFileBytes(path, {});
}

TEST(ExportDefaultPath, FirstFreeNumberWhateverTheExtension) {
    TempDir dir;
    const std::string directory = dir.path() + "/";
    EXPECT_EQ(kxDefaultExportPath(directory, "/elsewhere/a.rlv"), directory + "a_Export1.csv");
    touch(dir.file("a_Export1.csv"));
    touch(dir.file("a_Export2.txt"));
    touch(dir.file("a_Export30.csv")); // shares the prefix of 3, but is another number
    EXPECT_EQ(kxDefaultExportPath(directory, "/elsewhere/a.rlv"), directory + "a_Export3.csv");
    touch(dir.file("a_Export3"));
    EXPECT_EQ(kxDefaultExportPath(directory, "a.rlv"), directory + "a_Export4.csv");
}

TEST(ExportDefaultPath, AllNumbersTakenDropsTheNumber) {
    TempDir dir;
    for (int n = 1; n <= 99; ++n) touch(dir.file("b_Export" + std::to_string(n) + ".tab"));
    EXPECT_EQ(kxDefaultExportPath(dir.path() + "/", "b.rlv"), dir.path() + "/b_Export.csv");
}

TEST(ExportDefaultPath, LongDocumentNamesAreCutSoTheFileCanBeMade) {
    TempDir dir;
    const std::string directory = dir.path() + "/";
    const std::string ascii(250, 'x');
    EXPECT_EQ(kxDefaultExportPath(directory, ascii + ".rlv"),
              directory + std::string(242, 'x') + "_Export1.csv");
    // 246 characters of two bytes each: cut on a character boundary within 255 bytes.
    std::string wide;
    for (int i = 0; i < 246; ++i) wide += "\xC3\xA9";
    const std::string path = kxDefaultExportPath(directory, wide + ".rlv");
    const std::string name = path.substr(directory.size());
    EXPECT_LE(name.size(), 255u);
    EXPECT_EQ(name, wide.substr(0, 242) + "_Export1.csv");
    touch(path); // the name is one the file system takes
}

TEST(ExportExtension, EachTypeAcceptsItsOwnAndSetsItsFirst) {
    EXPECT_EQ(kxApplyExportExtension("/d/a.TXT", KxExportFileType::Comma), "/d/a.TXT");
    EXPECT_EQ(kxApplyExportExtension("/d/a.tsv", KxExportFileType::Comma), "/d/a.csv");
    EXPECT_EQ(kxApplyExportExtension("/d/a.csv", KxExportFileType::Tab), "/d/a.tab");
    EXPECT_EQ(kxApplyExportExtension("/d/a.Tsv", KxExportFileType::Tab), "/d/a.Tsv");
    EXPECT_EQ(kxApplyExportExtension("/d/a.txt", KxExportFileType::Database), "/d/a.rlv");
    EXPECT_EQ(kxApplyExportExtension("/d.x/a", KxExportFileType::Comma), "/d.x/a.csv");
    EXPECT_EQ(kxApplyExportExtension("/d/a.", KxExportFileType::Tab), "/d/a.tab");
    EXPECT_EQ(kxApplyExportExtension("", KxExportFileType::Database), "");
}

TEST(ExportDatabaseName, ThirtyOneCharactersWithoutTheSixSigns) {
    EXPECT_TRUE(kxIsValidDatabaseFileName("/d/" + std::string(31, 'n') + ".rlv"));
    EXPECT_FALSE(kxIsValidDatabaseFileName("/d/" + std::string(32, 'n') + ".rlv"));
    // Characters are counted, not bytes.
    EXPECT_TRUE(kxIsValidDatabaseFileName(std::string(30, 'n') + "\xC3\xA9.rlv"));
    EXPECT_FALSE(kxIsValidDatabaseFileName(std::string(31, 'n') + "\xC3\xA9.rlv"));
    EXPECT_FALSE(kxIsValidDatabaseFileName("/d/"));
    for (const char* bad : {"a*b", "a?b", "a<b", "a>b", "a\"b", "a\\b"})
        EXPECT_FALSE(kxIsValidDatabaseFileName(std::string("/d/") + bad + ".rlv")) << bad;
}

class ExportTargetTest : public ::testing::Test {
protected:
    std::optional<std::string> confirm(const std::string& path, KxExportFileType type,
                                       const std::string& open = "") {
        return kxConfirmExportTarget(ui, path, type, open);
    }
    TempDir dir;
    ScriptedUi ui;
};

TEST_F(ExportTargetTest, MissingDirectoryIsRefused) {
    EXPECT_FALSE(confirm(dir.file("none/a.csv"), KxExportFileType::Comma));
    EXPECT_EQ(ui.lastMessage(), "Path does not exist.\nPlease verify the correct path was given.");
    EXPECT_FALSE(kxCheckExportPath(ui, dir.file("none/a.csv")));
    EXPECT_EQ(ui.messages.size(), 2u);
}

TEST_F(ExportTargetTest, NewFileGetsTheTypesExtension) {
    EXPECT_EQ(confirm(dir.file("a.tsv"), KxExportFileType::Comma), dir.file("a.csv"));
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(ExportTargetTest, LongNameRefusedForDatabaseAcceptedForText) {
    const std::string name = dir.file(std::string(32, 'n'));
    EXPECT_FALSE(confirm(name + ".rlv", KxExportFileType::Database));
    EXPECT_EQ(ui.lastMessage(),
              "The filename you have entered is invalid. Filenames can be a maximum of 31 characters "
              "in length, not including the directory path and filename extension, and must not "
              "contain * \\ / ? > < or \" characters.");
    EXPECT_EQ(confirm(name + ".csv", KxExportFileType::Comma), name + ".csv");
}

TEST_F(ExportTargetTest, ExistingFileIsReplacedOnlyOnYes) {
    const std::string path = dir.file("a.csv");
    touch(path);
    EXPECT_FALSE(confirm(path, KxExportFileType::Comma));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "'" + path + "' already exists.\nDo you want to replace it?");
    EXPECT_EQ(ui.messages[0].buttons, KxButtons::YesNo);
    EXPECT_EQ(ui.messages[0].defaultAnswer, KxAnswer::No);
    ui.answers.push_back(KxAnswer::Yes);
    EXPECT_EQ(confirm(path, KxExportFileType::Comma), path);
}

TEST_F(ExportTargetTest, OpenDatabaseIsNoTarget) {
    const std::string path = dir.file("db.rlv");
    touch(path);
    EXPECT_FALSE(confirm(dir.path() + "/./db.rlv", KxExportFileType::Database, path));
    EXPECT_EQ(ui.lastMessage(), dir.path() + "/./db.rlv is the currently open database.  Please "
                                              "select a different export name.");
}

} // namespace
