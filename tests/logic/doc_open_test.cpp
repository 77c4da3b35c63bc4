#include "tests/logic/doc_test_support.h"

#include "engine/KxSchemaEditor.h"
#include "app/DocFileRules.h"

#include <cerrno>
#include <sys/stat.h>

namespace {
std::string name(std::size_t length) {
    return std::string(length, 'n');
}

class DocOpenTest : public DocTest {
  protected:
    // A closed database file with one record in it.
    std::string savedDatabase(const std::string& fileName = "people.rlv") {
        const std::string path = createDatabase({"Name"}, fileName);
        addRecord({"Ann"});
        EXPECT_TRUE(doc.saveDocument(path));
        doc.closeDocument();
        return path;
    }
};
} // namespace

TEST_F(DocOpenTest, MissingFileIsToldWithTheBlankBeforeTheQuote) {
    const std::string path = dir.file("gone.rlv");
    EXPECT_FALSE(doc.openDocumentFile(path));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "'" + path + " ' not found. The database could not be opened.");
    EXPECT_EQ(ui.messages[0].icon, KxIcon::Warning);
    EXPECT_FALSE(doc.isOpen());
    EXPECT_TRUE(doc.pathName().empty());
    EXPECT_EQ(ui.waitStatuses, std::vector<std::string>{"Opening the database"});
    EXPECT_EQ(doc.progressBox(), nullptr);
}

TEST_F(DocOpenTest, BaseNamesOfThirtyOneCharactersOpenAndLongerOnesAreRefusedWithTheLimit) {
    const std::string path = savedDatabase(name(31) + ".rlv");
    EXPECT_TRUE(doc.openDocumentFile(path));
    EXPECT_TRUE(ui.messages.empty());
    doc.closeDocument();

    const std::string longer = dir.file(name(32) + ".rlv");
    ASSERT_EQ(std::rename(path.c_str(), longer.c_str()), 0);
    EXPECT_FALSE(doc.openDocumentFile(longer));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(
        ui.messages[0].text,
        "The name of the file you are trying to open is invalid. Filenames can be a maximum of 31 "
        "characters in length, not including the directory path and filename extension, and must "
        "not contain * \\ / ? > < or \" characters.");
    EXPECT_FALSE(doc.isOpen());
}

TEST(DatabaseFileRule, NamesAreCountedInCharactersAndSixCharactersAreRefused) {
    EXPECT_TRUE(kxIsValidDatabasePath("/tmp/" + std::string(31, 'a') + ".rlv"));
    EXPECT_FALSE(kxIsValidDatabasePath("/tmp/" + std::string(32, 'a') + ".rlv"));
    // Thirty-one two-byte letters are thirty-one characters.
    std::string accented;
    for (int i = 0; i < 31; ++i)
        accented += "\xC3\xA9";
    EXPECT_TRUE(kxIsValidDatabasePath("/tmp/" + accented + ".rlv"));
    for (char c : std::string("*\\?<>\""))
        EXPECT_FALSE(kxIsValidDatabasePath(std::string("/tmp/a") + c + "b.rlv")) << c;
    EXPECT_FALSE(kxIsValidDatabasePath(""));
    EXPECT_EQ(kxWithDatabaseExtension("/tmp/a"), "/tmp/a.rlv");
    EXPECT_EQ(kxWithDatabaseExtension("/tmp/a.RLV"), "/tmp/a.RLV");
    EXPECT_EQ(kxWithDatabaseExtension("/tmp/a.txt"), "/tmp/a.txt.rlv");
}

TEST_F(DocOpenTest, OpeningTheOpenFileAsksToRevertAndNoLeavesEverythingAsItWas) {
    const std::string path = savedDatabase();
    ASSERT_TRUE(doc.openDocumentFile(path));
    addRecord({"Bob"});
    doc.setModified();
    ui.answers = {KxAnswer::No};
    EXPECT_TRUE(doc.openDocumentFile(path));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "Do you want to revert to the saved " + path + "?");
    EXPECT_EQ(ui.messages[0].caption, "Revert File");
    EXPECT_EQ(ui.messages[0].buttons, KxButtons::YesNo);
    EXPECT_EQ(ui.messages[0].defaultAnswer, KxAnswer::No);
    EXPECT_TRUE(doc.isModified());
    EXPECT_EQ(doc.database().liveCount(), 2u);
}

TEST_F(DocOpenTest, RevertYesDiscardsChangesWithoutTheSaveQuestion) {
    const std::string path = savedDatabase();
    ASSERT_TRUE(doc.openDocumentFile(path));
    addRecord({"Bob"});
    doc.setModified();
    ui.answers = {KxAnswer::Yes};
    EXPECT_TRUE(doc.openDocumentFile(path));
    EXPECT_EQ(ui.messages.size(), 1u); // only the revert question
    EXPECT_FALSE(doc.isModified());
    EXPECT_EQ(doc.database().liveCount(), 1u);
    EXPECT_EQ(doc.pathName(), path);
}

TEST_F(DocOpenTest, RevertYesAsksNothingMoreEvenWithAnEditOpenInTheForm) {
    const std::string path = savedDatabase();
    ASSERT_TRUE(doc.openDocumentFile(path));
    // Committing the form's open edit would mark the document modified again.
    struct EditingForm : KxRecordPane {
        KxDbDoc* doc = nullptr;
        void commitEdits() override { doc->setModified(); }
    } form;
    form.doc = &doc;
    doc.setRecordPane(&form);
    ui.answers = {KxAnswer::Yes};
    EXPECT_TRUE(doc.openDocumentFile(path));
    EXPECT_EQ(ui.messages.size(), 1u);
    EXPECT_FALSE(doc.isModified());
    doc.setRecordPane(&panes.record);
}

TEST_F(DocOpenTest, ANameDifferingOnlyInCaseIsAnotherDatabaseAndOpensWithoutTheRevertQuestion) {
    const std::string lower = savedDatabase("people.rlv");
    const std::string upper = savedDatabase("People.rlv");
    ASSERT_TRUE(doc.openDocumentFile(lower));
    EXPECT_TRUE(doc.openDocumentFile(upper));
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(doc.pathName(), upper);
}

TEST_F(DocOpenTest, CancellingTheSaveQuestionKeepsTheOpenDocument) {
    const std::string first = savedDatabase("first.rlv");
    const std::string second = savedDatabase("second.rlv");
    ASSERT_TRUE(doc.openDocumentFile(first));
    doc.setModified();
    ui.answers = {KxAnswer::Cancel};
    EXPECT_FALSE(doc.openDocumentFile(second));
    EXPECT_EQ(ui.lastMessage(), "Save changes to first?");
    EXPECT_EQ(doc.pathName(), first);
}

TEST_F(DocOpenTest, DamagedFileLeavesNothingOpenAndPassesTheCodeOn) {
    const std::string path = dir.file("broken.rlv");
    writeFileBytes(path, std::vector<std::uint8_t>(100, 0x41));
    EXPECT_EQ(thrownBy([&] { doc.openDocumentFile(path); }), KxDbError::Damaged);
    EXPECT_FALSE(doc.isOpen());
    EXPECT_TRUE(doc.pathName().empty());
    EXPECT_EQ(doc.progressBox(), nullptr);
    EXPECT_EQ(view.last(), KxViewHint::All);
}

TEST_F(DocOpenTest, OpenWritesLastFileAndTellsTheViewsTheAttributes) {
    const std::string path = savedDatabase();
    panes.calls.clear();
    ui.waitStatuses.clear();
    ASSERT_TRUE(doc.openDocumentFile(path));
    EXPECT_EQ(KxSettings(dir.file("rolvadesk.ini")).read(kxSettingLastFile), path);
    EXPECT_TRUE(panes.called("checkboxes:on"));
    EXPECT_TRUE(panes.called("readOnlyMode:on"));
    EXPECT_TRUE(panes.called("activateList"));
    EXPECT_EQ(doc.title(), "people");
    EXPECT_FALSE(doc.isModified());
    EXPECT_EQ(ui.waitStatuses,
              (std::vector<std::string>{"Opening the database", "Loading the database"}));
}

TEST_F(DocOpenTest, AFileWithoutLayoutOrListOptionsIsUpgradedAndMarkedModified) {
    const std::string path = dir.file("bare.rlv");
    {
        KxDatabase bare;
        bare.create(path, "bdXk", kOpenDocument, 1);
        bare.save();
        bare.close(false);
    }
    ASSERT_TRUE(doc.openDocumentFile(path));
    const KxHeaderChunk& header = doc.database().header();
    EXPECT_EQ(header.layouts.size(), 1u);
    EXPECT_EQ(header.sortDefs.size(), 1u);
    ASSERT_EQ(header.listSets.size(), 1u);
    EXPECT_EQ(header.listSets[0].sortDef, 0);
    EXPECT_EQ(doc.database().fileHeader().listPaneShare(), 50);
    EXPECT_TRUE(doc.isModified());
    EXPECT_EQ(header.modificationStamp(), 1700000000u); // the fresh stamp: no handheld users
}

TEST_F(DocOpenTest, SearchResultsSurviveSaveAndReopen) {
    const std::string path = createDatabase({"Name"});
    addRecord({"Ann"});
    doc.database().header().setAttributes(doc.database().header().attributes() |
                                          kAttrSearchResults);
    ASSERT_TRUE(doc.saveDocument(path));
    doc.closeDocument();
    ASSERT_TRUE(doc.openDocumentFile(path));
    EXPECT_TRUE(doc.searchMode());
    EXPECT_FALSE(doc.searchUsesOwnListOptions());
    EXPECT_EQ(doc.titleSuffix(), "(Search Results)");
    EXPECT_EQ(doc.statusText(), "Now displaying search results.");
}

TEST_F(DocOpenTest, NewDatabaseIsWrittenAtOnceWithTheWizardsChoices) {
    std::vector<std::string> scheduledUsers;
    doc.setInstallScheduler(
        [&](const std::string&, const std::vector<std::string>& users) { scheduledUsers = users; });
    KxNewDatabaseRequest request;
    request.path = dir.file("fresh.rlv");
    request.checkboxesEditable = false;
    request.readOnlyMode = true;
    request.handheldReadOnly = true;
    for (const char* label : {"A", "B", "C", "D", "E", "F"})
        request.definitions.add(textField(label));
    request.handheldUsers = {"Ann"};
    dialogs.wizard = request;
    ASSERT_TRUE(doc.newDocument());

    EXPECT_FALSE(doc.isModified());
    EXPECT_EQ(scheduledUsers, std::vector<std::string>{"Ann"});
    EXPECT_TRUE(doc.installScheduled());
    EXPECT_EQ(KxSettings(dir.file("rolvadesk.ini")).read(kxSettingLastFile), request.path);
    const KxHeaderChunk& header = doc.database().header();
    EXPECT_EQ(header.attributes() &
                  (kAttrEditableCheckboxes | kAttrReadOnlyMode | kAttrHandheldReadOnly),
              kAttrReadOnlyMode | kAttrHandheldReadOnly);
    ASSERT_EQ(header.listSets.size(), 1u);
    EXPECT_EQ(header.listSets[0].columns.size(), 5u);
    EXPECT_EQ(header.listSets[0].columns[0].width, 20);
    EXPECT_EQ(doc.mainListSet(), 0);

    // The file on disk is a complete database even though it was never saved by the user.
    doc.closeDocument();
    EXPECT_TRUE(doc.openDocumentFile(request.path));
    EXPECT_EQ(doc.database().header().fields.size(), 6u);
}

TEST_F(DocOpenTest, NewDatabaseReplacesAReadOnlyFileOfTheSameName) {
    const std::string path = dir.file("old.rlv");
    writeFileBytes(path, {1, 2, 3});
    ::chmod(path.c_str(), 0444);
    KxNewDatabaseRequest request;
    request.path = path;
    ASSERT_TRUE(doc.createDatabase(request));
    EXPECT_GT(readFileBytes(path).size(), 3u);
}

TEST_F(DocOpenTest, NewDatabaseKeepsTheOldFileWhenTheNewOneCannotBeWritten) {
    const std::string path = savedDatabase("full.rlv");
    const std::vector<std::uint8_t> before = readFileBytes(path);
    KxNewDatabaseRequest request;
    request.path = path;
    kx::testing::failWritesAfter(10, ENOSPC);
    try {
        doc.createDatabase(request);
        ADD_FAILURE() << "a failed write was reported as a new database";
    } catch (KxDbError e) {
        EXPECT_EQ(e, KxDbError::DiskFull);
    }
    kx::testing::failWritesAfter(0, 0);
    EXPECT_EQ(readFileBytes(path), before);
    for (const std::string& name : dir.entries()) EXPECT_NE(name.rfind(".full.rlv.", 0), 0u) << name;
}

TEST_F(DocOpenTest, NewDatabaseLeavesAFileAnotherProgramHasOpen) {
    const std::string path = savedDatabase("busy.rlv");
    const std::vector<std::uint8_t> before = readFileBytes(path);
    KxDatabase other;
    other.open(path, kOpenDocument, 1);
    KxNewDatabaseRequest request;
    request.path = path;
    try {
        doc.createDatabase(request);
        ADD_FAILURE() << "a locked file was replaced";
    } catch (KxDbError e) {
        EXPECT_EQ(e, KxDbError::CannotCreate);
    }
    EXPECT_EQ(readFileBytes(path), before);
    EXPECT_FALSE(doc.isOpen());
}

TEST_F(DocOpenTest, FileNewWithoutAWizardIsCancelledAndLeavesNothingOpen) {
    KxDbDoc plain(ui, KxSettings(dir.file("rolvadesk.ini")));
    ui.files = {dir.file("blank")};
    EXPECT_FALSE(plain.newDocument());
    EXPECT_FALSE(plain.isOpen());
    EXPECT_FALSE(std::filesystem::exists(dir.file("blank.rlv")));
}

TEST_F(DocOpenTest, CloseDropsAnEmptyCurrentRecordAndAsksOnlyWhenSomethingElseChanged) {
    const std::string path = savedDatabase();
    ASSERT_TRUE(doc.openDocumentFile(path));
    std::size_t position = 1;
    doc.database().newRecord(position, false);
    doc.setCurrentRecord(1);
    EXPECT_TRUE(doc.close());
    // Dropping the blank record is a change: the user is asked, and the default saves.
    EXPECT_EQ(ui.lastMessage(), "Save changes to people?");
    EXPECT_FALSE(doc.isOpen());
    ASSERT_TRUE(doc.openDocumentFile(path));
    EXPECT_EQ(doc.database().liveCount(), 1u);
}

TEST_F(DocOpenTest, FileOpenRemembersTheFolder) {
    const std::string path = savedDatabase();
    ui.files = {path};
    EXPECT_TRUE(doc.fileOpen());
    EXPECT_EQ(KxSettings(dir.file("rolvadesk.ini")).read(kxSettingLastOpenDir), dir.path() + "/");
    ui.files = {std::nullopt};
    EXPECT_FALSE(doc.fileOpen());
    EXPECT_TRUE(doc.isOpen());
}

TEST_F(DocOpenTest, TitleTakesTheLetterCaseOfTheFileOnDisk) {
    const std::string path = savedDatabase("Mixed.rlv");
    ASSERT_TRUE(doc.openDocumentFile(path));
    doc.setTitle("MIXED");
    EXPECT_EQ(doc.title(), "Mixed");
    doc.setTitle("Other");
    EXPECT_EQ(doc.title(), "Other");
}

TEST_F(DocOpenTest, AStoredUserIdOfZeroIsReplacedBeforeTheDatabaseUsesIt) {
    KxSettings settings(dir.file("rolvadesk.ini"));
    settings.writeText("Rolva", "UserId", std::string_view("0"));
    createDatabase({"Name"});
    EXPECT_EQ(settings.read(kxSettingUserId), 1700000000u);
    EXPECT_EQ(doc.database().userId(), 1700000000u);
}

TEST_F(DocOpenTest, EngineProgressGoesToTheOpenProgressBox) {
    struct ProgressUi : ScriptedUi {
        std::vector<std::uint64_t> reported;
        std::unique_ptr<KxWaitBox> waitBox(const std::string& status) override {
            struct Box : KxWaitBox {
                std::vector<std::uint64_t>& out;
                explicit Box(std::vector<std::uint64_t>& o) : out(o) {}
                void setStatus(const std::string&) override {}
                void setProgress(std::uint64_t done, std::uint64_t) override {
                    out.push_back(done);
                }
                bool cancelled() override { return false; }
            };
            waitStatuses.push_back(status);
            return std::make_unique<Box>(reported);
        }
    } progressUi;
    const std::string path = savedDatabase();
    KxDbDoc other(progressUi, KxSettings(dir.file("rolvadesk.ini")));
    ASSERT_TRUE(other.openDocumentFile(path));
    EXPECT_FALSE(progressUi.reported.empty());
    const std::size_t afterOpen = progressUi.reported.size();
    other.database().reportProgress(1, 2); // no box open: nothing to show it in
    EXPECT_EQ(progressUi.reported.size(), afterOpen);
}
