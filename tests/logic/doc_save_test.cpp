#include "tests/logic/doc_test_support.h"

#include "app/KxDisplayModes.h"
#include "app/DocFileRules.h"
#include "app/KxRecordCommands.h"

#include <sys/stat.h>

namespace {
bool exists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0;
}

std::int32_t storedCurrentRecord(const std::string& path) {
    KxDatabase db;
    db.open(path, kOpenReadShared, 1);
    return db.header().currentRecord();
}
} // namespace

TEST_F(DocTest, SaveAsAppendsTheExtensionAndMakesTheNewFileTheDocuments) {
    createDatabase({"Name"});
    addRecord({"Ann"});
    doc.setModified();
    ui.files = {dir.file("copy")};
    ASSERT_TRUE(doc.saveAs());
    EXPECT_EQ(doc.pathName(), dir.file("copy.rlv"));
    EXPECT_EQ(doc.title(), "copy");
    EXPECT_FALSE(doc.isModified());
    EXPECT_TRUE(doc.database().header().attributes() & kAttrModified);
    EXPECT_EQ(ui.waitStatuses, std::vector<std::string>{"Saving the database"});
}

TEST_F(DocTest, SaveAsRefusesAnInvalidNameAndAsksAgain) {
    createDatabase({"Name"});
    ui.files = {dir.file(std::string(32, 'x')), dir.file("ok")};
    ASSERT_TRUE(doc.saveAs());
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(
        ui.messages[0].text,
        "The filename you have entered is invalid. Filenames can be a maximum of 31 characters in "
        "length, not including the directory path and filename extension, and must not contain * "
        "\\ / ? > < or \" characters.");
    EXPECT_EQ(doc.pathName(), dir.file("ok.rlv"));
}

TEST_F(DocTest, SaveAsOntoAReadOnlyFileIsRefusedAndTheFileKept) {
    const std::string path = createDatabase({"Name"});
    addRecord({"Ann"});
    doc.setModified();
    const std::string target = dir.file("locked.rlv");
    writeFileBytes(target, {1, 2, 3});
    ::chmod(target.c_str(), 0444); // no write bit for anyone, whoever runs the test
    ui.files = {target};
    EXPECT_FALSE(doc.saveAs());
    EXPECT_EQ(ui.lastMessage(),
              target + " already exists and is read-only. Save the file to another file "
                       "name or location.");
    EXPECT_EQ(readFileBytes(target), (std::vector<std::uint8_t>{1, 2, 3}));
    EXPECT_TRUE(doc.isModified());
    EXPECT_EQ(doc.pathName(), path);
}

TEST_F(DocTest, FailedSaveAsLeavesNoFileAndKeepsTheModifiedFlag) {
    FailureHooksOff hooksOff;
    const std::string path = createDatabase({"Name"});
    addRecord({"Ann"});
    doc.setModified();
    const std::string target = dir.file("full.rlv");
    ui.files = {target, std::nullopt};
    kx::testing::failWritesAfter(10, ENOSPC);
    // The message, with where and why beside it, and at once Save As again (cancelled here).
    EXPECT_FALSE(doc.saveAs());
    kx::testing::failWritesAfter(0, 0);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, kxDbErrorMessage(KxDbError::DiskFull));
    EXPECT_EQ(ui.messages[0].detail, "\"" + target + "\" could not be written. No space left on device.\n"
                                     "Choose another name or folder in the Save As dialog that follows.");
    EXPECT_TRUE(ui.files.empty()) << "Save As was offered again";
    EXPECT_FALSE(exists(target));
    EXPECT_TRUE(doc.isModified());
    EXPECT_EQ(doc.pathName(), path);
    EXPECT_EQ(doc.progressBox(), nullptr);
    EXPECT_EQ(dir.entries(), (std::vector<std::string>{"people.rlv", "rolvadesk.ini"}));
}

TEST_F(DocTest, SaveOfAFileMadeReadOnlyBehavesAsSaveAs) {
    const std::string path = createDatabase({"Name"});
    doc.setModified();
    ::chmod(path.c_str(), 0444);
    ui.files = {std::nullopt};
    EXPECT_FALSE(doc.save());
    EXPECT_TRUE(doc.isModified());
    EXPECT_TRUE(ui.messages.empty()); // the Save As dialog was cancelled, nothing else said
}

TEST_F(DocTest, SavingInDeletedRecordsModeStoresNoCurrentRecordAndKeepsTheModesOne) {
    const std::string path = createDatabase({"Name"});
    addRecord({"Ann"});
    addRecord({"Bob"});
    doc.database().deleteRecord(0);
    doc.database().deleteRecord(0);
    KxDisplayModes(doc).showDeletedRecords();
    doc.setCurrentRecord(1);
    ASSERT_TRUE(doc.saveDocument(path));
    EXPECT_EQ(doc.currentRecord(), 1);
    EXPECT_EQ(storedCurrentRecord(path), -1);
    // Released before writing and taken back afterwards.
    ASSERT_GE(panes.messages.size(), 2u);
    EXPECT_EQ(panes.messages[panes.messages.size() - 2], "release");
    EXPECT_EQ(panes.messages.back(), "retake");
}

TEST_F(DocTest, SaveDropsTheEmptyCurrentRecord) {
    const std::string path = createDatabase({"Name"});
    addRecord({"Ann"});
    std::size_t position = 1;
    doc.database().newRecord(position, false);
    doc.setCurrentRecord(1);
    ASSERT_TRUE(doc.saveDocument(path));
    EXPECT_EQ(doc.database().liveCount(), 1u);
    EXPECT_EQ(view.last(), KxViewHint::RecordRemoved);
}

TEST_F(DocTest, SaveModifiedQuestionAnswers) {
    createDatabase({"Name"});
    doc.setModified();
    ui.answers = {KxAnswer::Cancel};
    EXPECT_FALSE(doc.saveModified());
    EXPECT_EQ(ui.messages.back().buttons, KxButtons::YesNoCancel);
    ui.answers = {KxAnswer::No};
    EXPECT_TRUE(doc.saveModified());
    EXPECT_TRUE(doc.isModified());
    ui.answers = {KxAnswer::Yes};
    EXPECT_TRUE(doc.saveModified());
    EXPECT_FALSE(doc.isModified());
}

TEST_F(DocTest, PathCheckForWriting) {
    EXPECT_FALSE(kxCheckPathForWriting(ui, dir.file("missing/x.csv")));
    EXPECT_EQ(ui.lastMessage(), "Path does not exist.\nPlease verify the correct path was given.");
    const std::string locked = dir.file("locked.csv");
    writeFileBytes(locked, {});
    ::chmod(locked.c_str(), 0444);
    EXPECT_FALSE(kxCheckPathForWriting(ui, locked));
    EXPECT_TRUE(kxCheckPathForWriting(ui, dir.file("new.csv")));
    EXPECT_TRUE(kxCheckPathForWriting(ui, "relative.csv"));
    EXPECT_EQ(ui.messages.size(), 2u);
}

// Letter case tells files apart here: "People.rlv" is another database than "people.rlv".
TEST_F(DocTest, SaveAsUnderANameDifferingOnlyInCaseMakesAnotherFile) {
    const std::string original = createDatabase({"Name"});
    addRecord({"Ann"});
    ASSERT_TRUE(doc.save());
    const std::vector<std::uint8_t> before = readFileBytes(original);
    addRecord({"Bob"});
    doc.setModified();
    ui.files = {dir.file("People.rlv")};
    ASSERT_TRUE(doc.saveAs());
    EXPECT_EQ(doc.pathName(), dir.file("People.rlv"));
    EXPECT_EQ(readFileBytes(original), before);
    KxDatabase copy;
    copy.open(dir.file("People.rlv"), kOpenReadShared, 1);
    EXPECT_EQ(copy.liveCount(), 2u);
}

TEST_F(DocTest, SaveAsAsksBeforeReplacingTheFileTheExtensionLeadsTo) {
    createDatabase({"Name"});
    const std::string existing = dir.file("notes.txt.rlv");
    writeFileBytes(existing, {1, 2, 3});
    // "notes.txt" becomes "notes.txt.rlv", which the file dialog never asked about.
    ui.files = {dir.file("notes.txt"), dir.file("other")};
    ui.answers = {KxAnswer::No};
    ASSERT_TRUE(doc.saveAs());
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "'" + existing + "' already exists.\nDo you want to replace it?");
    EXPECT_EQ(readFileBytes(existing), (std::vector<std::uint8_t>{1, 2, 3}));
    EXPECT_EQ(doc.pathName(), dir.file("other.rlv"));
}
