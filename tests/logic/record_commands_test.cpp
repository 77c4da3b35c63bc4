#include "tests/logic/doc_test_support.h"

#include "engine/FieldDisplay.h"
#include "engine/KxRecordChunk.h"
#include "engine/KxRemovalLog.h"
#include "app/DeletionLog.h"
#include "app/KxDisplayModes.h"
#include "app/RecordClipboardText.h"
#include "app/KxRecordCommands.h"
#include "app/AppStrings.h"

#include <filesystem>

#include <sys/stat.h>

namespace {
class RecordCommandsTest : public DocTest {
  protected:
    RecordCommandsTest() {
        createDatabase({"Name", "City"});
        ui.messages.clear();
        view.hints.clear();
        panes.calls.clear();
        panes.messages.clear();
    }
    KxRecordCommands commands{doc};
};

// Fills the database up to `live` live and `deleted` deleted records without going through
// the document.
void fill(KxDatabase& db, std::size_t live, std::size_t deleted) {
    for (std::size_t i = 0; i < live + deleted; ++i) {
        std::size_t position = db.liveCount();
        KxRecordHandle record = db.newRecord(position, true);
        FieldValue value = FieldValue::newValue(1);
        value.setText("r");
        record.setValue(0, value);
    }
    for (std::size_t i = 0; i < deleted; ++i)
        db.deleteRecord(db.liveCount() - 1);
}
} // namespace

TEST_F(RecordCommandsTest, NewRecordGoesToTheCurrentPlaceAndCategoryAndLetsTheFormEdit) {
    addRecord({"Ann"});
    addRecord({"Bob"});
    doc.setCurrentRecord(1);
    doc.setCategoryFilter(3);
    panes.readOnly = true;
    commands.newRecord();
    EXPECT_EQ(doc.database().liveCount(), 3u);
    EXPECT_EQ(doc.currentRecord(), 1);
    EXPECT_TRUE(doc.database().liveChunk(1).isEmpty());
    EXPECT_EQ(doc.database().liveCategory(1), 3);
    EXPECT_TRUE(doc.isModified());
    EXPECT_EQ(view.hints, std::vector<KxViewHint>{KxViewHint::RecordInserted});
    EXPECT_EQ(panes.calls,
              (std::vector<std::string>{"clearLookupQuiet", "editing", "activateRecord"}));
}

TEST_F(RecordCommandsTest, NewRecordUnderAllCategoriesIsUnfiledAndOnABlankRecordOnlyMovesTheFocus) {
    doc.setCategoryFilter(kAllCategories);
    commands.newRecord();
    ASSERT_EQ(doc.database().liveCount(), 1u);
    EXPECT_EQ(doc.database().liveCategory(0), 0);
    view.hints.clear();
    panes.calls.clear();
    commands.newRecord();
    EXPECT_EQ(doc.database().liveCount(), 1u);
    EXPECT_TRUE(view.hints.empty());
    EXPECT_EQ(panes.calls.back(), "activateRecord");
}

TEST_F(RecordCommandsTest, RecordCommandsNeedFieldsOnTheForm) {
    KxNewDatabaseRequest request;
    request.path = dir.file("empty.rlv");
    ASSERT_TRUE(doc.createDatabase(request));
    ui.messages.clear();
    commands.newRecord();
    commands.importClipboard();
    KxDisplayModes(doc).searchRecords();
    KxDisplayModes(doc).listOptions();
    EXPECT_EQ(shown(kxStrNoFormFields), 4u);
    EXPECT_EQ(ui.lastMessage(),
              "No fields are currently defined. Fields that are not label-only must be "
              "defined before performing this operation.");
    EXPECT_EQ(doc.database().liveCount(), 0u);
    EXPECT_EQ(dialogs.importClipboardRuns, 0);
}

TEST_F(RecordCommandsTest, SearchAndListOptionsNeedAFieldThatIsNotLabelOnly) {
    KxNewDatabaseRequest request;
    request.path = dir.file("labels.rlv");
    KxWorkingField label;
    label.label = "Heading";
    label.type = KxFieldType::LabelOnly;
    request.definitions = definitionsOf({label});
    ASSERT_TRUE(doc.createDatabase(request));
    ui.messages.clear();
    KxDisplayModes(doc).searchRecords();
    KxDisplayModes(doc).listOptions();
    EXPECT_EQ(shown(kxStrOnlyLabelFields), 2u);
    EXPECT_TRUE(dialogs.searchDialogOpenedOn.empty());
}

TEST_F(RecordCommandsTest, TheRecordLimitCountsDeletedRecords) {
    fill(doc.database(), 15999, 1);
    doc.setCurrentRecord(0);
    dialogs.importClipboard = true;
    commands.newRecord();
    commands.cloneRecord();
    commands.importClipboard();
    EXPECT_EQ(doc.database().liveCount(), 15999u);
    EXPECT_EQ(dialogs.importClipboardRuns, 0);
    ASSERT_EQ(ui.messages.size(), 3u);
    for (const auto& m : ui.messages) {
        EXPECT_EQ(m.text,
                  "You have reached the maximum number of records allowed. The maximum number of "
                  "records, including not permanently deleted records, is 16000.");
        EXPECT_EQ(m.icon, KxIcon::Warning);
    }
    EXPECT_FALSE(doc.isModified());
}

TEST_F(RecordCommandsTest, CloneRecordInsertsTheCopyAfterTheCurrentOne) {
    addRecord({"Ann", "Oslo"}, 2);
    addRecord({"Bob"});
    doc.setCurrentRecord(0);
    commands.cloneRecord();
    ASSERT_EQ(doc.database().liveCount(), 3u);
    EXPECT_EQ(doc.currentRecord(), 1);
    EXPECT_EQ(text(1), "Ann");
    EXPECT_EQ(text(1, 1), "Oslo");
    EXPECT_EQ(doc.database().liveCategory(1), 2);
    EXPECT_EQ(view.hints, std::vector<KxViewHint>{KxViewHint::RecordCloned});
    EXPECT_TRUE(doc.isModified());
}

TEST_F(RecordCommandsTest, DeleteRecordAsksWithCancelAsTheDefault) {
    addRecord({"Ann"});
    doc.setCurrentRecord(0);
    commands.deleteRecord(); // the scripted answer is the default: Cancel
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "Are you sure you want to delete this record?");
    EXPECT_EQ(ui.messages[0].caption, "Confirm Record Deletion");
    EXPECT_EQ(ui.messages[0].buttons, KxButtons::OkCancel);
    EXPECT_EQ(ui.messages[0].icon, KxIcon::Warning);
    EXPECT_EQ(ui.messages[0].defaultAnswer, KxAnswer::Cancel);
    EXPECT_EQ(doc.database().liveCount(), 1u);
    EXPECT_FALSE(doc.isModified());
}

TEST_F(RecordCommandsTest, DeletingTheLastRecordOfACategoryLeavesNoCurrentRecord) {
    addRecord({"Ann"}, 1);
    addRecord({"Bob"}, 2);
    doc.setCategoryFilter(2);
    doc.setCurrentRecord(1);
    ui.answers = {KxAnswer::Ok};
    commands.deleteRecord();
    EXPECT_EQ(doc.database().liveCount(), 1u);
    EXPECT_EQ(doc.database().deletedCount(), 1u);
    EXPECT_EQ(doc.currentRecord(), -1);
    EXPECT_EQ(view.hints, std::vector<KxViewHint>{KxViewHint::RecordRemoved});
    EXPECT_EQ(panes.messages, std::vector<std::string>{"release"});
    EXPECT_TRUE(doc.isModified());
}

TEST_F(RecordCommandsTest, AfterADeletionTheCurrentRecordIsOneTheListShows) {
    addRecord({"Ann"}, 1);
    addRecord({"Bob"}, 2);
    addRecord({"Cid"}, 1);
    addRecord({"Dan"}, 2);
    doc.setCategoryFilter(1);
    doc.setCurrentRecord(0);
    ui.answers = {KxAnswer::Ok};
    commands.deleteRecord();
    // Bob took Ann's index but is not in category 1: Cid follows.
    EXPECT_EQ(doc.currentRecord(), 1);
    EXPECT_EQ(text(1), "Cid");
    ui.answers = {KxAnswer::Ok};
    commands.deleteRecord();
    EXPECT_EQ(doc.currentRecord(), -1);
}

TEST_F(RecordCommandsTest, PermanentDeletionInDeletedRecordsMode) {
    addRecord({"Ann"});
    addRecord({"Bob"});
    doc.database().deleteRecord(0);
    doc.database().deleteRecord(0);
    KxDisplayModes(doc).showDeletedRecords();
    doc.setCurrentRecord(1);
    ui.messages.clear();
    ui.answers = {KxAnswer::Ok};
    commands.deleteRecord();
    EXPECT_EQ(
        ui.messages[0].text,
        "This command permanently removes the current record.  This action cannot be undone.");
    EXPECT_EQ(doc.database().deletedCount(), 1u);
    EXPECT_EQ(doc.currentRecord(), 0); // past the end: the last one
    EXPECT_EQ(doc.database().removalLog().entries().size(), 1u);
}

TEST_F(RecordCommandsTest, UndeletingTheLastDeletedRecordLeavesNoCurrentRecord) {
    addRecord({"Ann"});
    doc.database().deleteRecord(0);
    KxDisplayModes(doc).showDeletedRecords();
    doc.setCurrentRecord(0);
    view.hints.clear();
    commands.undelete();
    EXPECT_EQ(doc.database().liveCount(), 1u);
    EXPECT_EQ(doc.currentRecord(), -1);
    EXPECT_TRUE(doc.deletedMode());
    EXPECT_EQ(view.hints, std::vector<KxViewHint>{KxViewHint::RecordUndeleted});
}

TEST_F(RecordCommandsTest, DeleteCategoryDeletesTheCategoryUnderTheProgressBox) {
    addRecord({"Ann"}, 1);
    addRecord({"Bob"}, 2);
    addRecord({"Cid"}, 1);
    doc.setCategoryFilter(1);
    doc.setCurrentRecord(0);
    ui.answers = {KxAnswer::Ok};
    commands.deleteCategory();
    EXPECT_EQ(ui.messages[0].text, "Are you sure you want to delete these records?");
    EXPECT_EQ(doc.database().liveCount(), 1u);
    EXPECT_EQ(text(0), "Bob");
    EXPECT_EQ(doc.database().deletedCount(), 2u);
    EXPECT_EQ(doc.currentRecord(), -1);
    EXPECT_EQ(ui.waitStatuses, std::vector<std::string>{"Deleting records"});
    EXPECT_EQ(panes.frozen, 0);
    EXPECT_TRUE(panes.called("freeze"));
    EXPECT_EQ(view.hints, std::vector<KxViewHint>{KxViewHint::RecordSetChanged});
    EXPECT_EQ(doc.progressBox(), nullptr);
}

TEST_F(RecordCommandsTest, DisposingOfDeletedRecordsLogsEachOne) {
    addRecord({"Ann"});
    addRecord({"Bob"});
    doc.database().deleteRecord(0);
    doc.database().deleteRecord(0);
    KxDisplayModes(doc).showDeletedRecords();
    doc.setCurrentRecord(0);
    ui.messages.clear();
    ui.answers = {KxAnswer::Ok};
    commands.deleteCategory();
    EXPECT_EQ(ui.messages[0].text,
              "This command permanently removes all previously deleted records.  This "
              "action cannot be undone.");
    EXPECT_EQ(doc.database().deletedCount(), 0u);
    EXPECT_EQ(doc.database().removalLog().entries().size(), 2u);
}

TEST_F(RecordCommandsTest, RestoreWithoutUndoCopyTellsNothingToUndo) {
    addRecord({"Ann"});
    doc.setCurrentRecord(0);
    panes.nothingToUndo = true;
    commands.restoreRecord();
    EXPECT_EQ(ui.lastMessage(),
              "Nothing to undo.  You can only undo changes made to the last record you edited.");
    EXPECT_EQ(panes.calls.back(), "activateRecord");
}

TEST_F(RecordCommandsTest, NextRecordDropsTheBlankRecordFirst) {
    addRecord({"Ann"});
    std::size_t position = 1;
    doc.database().newRecord(position, false);
    doc.setCurrentRecord(1);
    commands.nextRecord();
    EXPECT_EQ(doc.database().liveCount(), 1u);
    EXPECT_EQ(doc.database().deletedCount(), 0u); // removed for good, not deleted
    EXPECT_EQ(panes.calls.back(), "next");
}

TEST_F(RecordCommandsTest, CopyRecordToClipboardInFormOrder) {
    KxNewDatabaseRequest request;
    request.path = dir.file("copy.rlv");
    KxWorkingField heading;
    heading.label = "Contact";
    heading.type = KxFieldType::LabelOnly;
    KxWorkingField unnamedHeading;
    unnamedHeading.type = KxFieldType::LabelOnly;
    KxWorkingField hidden = textField("Hidden");
    hidden.hideLabel = true;
    KxWorkingField time;
    time.label = "At";
    time.type = KxFieldType::Time;
    time.seconds = false;
    request.definitions = definitionsOf({heading, textField("Name"),  textField(""),
                                         hidden,  textField("Empty"), unnamedHeading,
                                         time});
    ASSERT_TRUE(doc.createDatabase(request));
    KxDatabase& db = doc.database();
    std::size_t position = 0;
    {
        KxRecordHandle record = db.newRecord(position, true);
        auto put = [&](std::size_t field, const std::string& t) {
            FieldValue v = FieldValue::newValue(static_cast<int>(db.header().fields[field].type));
            v.parseText(t);
            record.setValue(field, v);
        };
        put(1, "Ann");
        put(2, "no label");
        put(3, "secret label");
        put(6, "10:30:45");
    }
    doc.setCurrentRecord(0);
    commands.copyRecordToClipboard();
    ASSERT_TRUE(ui.clipboard);
    const std::string expected = "Contact\r\nName:\tAnn\r\n\tno label\r\nsecret label\r\nAt:\t" +
                                 kxDisplayText(db.header(), 6, db.liveChunk(0).value(6)) + "\r\n";
    EXPECT_EQ(*ui.clipboard, expected);
    EXPECT_EQ(kxDisplayText(db.header(), 6, db.liveChunk(0).value(6)).find("45"),
              std::string::npos);
}

TEST_F(RecordCommandsTest, ClipboardRefusalIsTold) {
    class RefusingUi : public ScriptedUi {
      public:
        bool setClipboardText(const std::string&) override { return false; }
    } refusing;
    KxDbDoc other(refusing, KxSettings(dir.file("other.ini")));
    KxNewDatabaseRequest request;
    request.path = dir.file("other.rlv");
    request.definitions = definitionsOf({textField("Name")});
    ASSERT_TRUE(other.createDatabase(request));
    KxRecordCommands(other).newRecord();
    KxRecordHandle record = other.database().record(0, true);
    FieldValue v = FieldValue::newValue(1);
    v.setText("x");
    record.setValue(0, v);
    record.release();
    KxRecordCommands(other).copyRecordToClipboard();
    EXPECT_EQ(refusing.lastMessage(),
              "An error was encountered while copying the current record to the clipboard.");
}

TEST(RecordInfo, IdentityAndTimes) {
    KxRecordChunk record(0);
    record.identity = {0x1A2B3C4D, 0x5F000000, 0x12};
    record.modified = 0x5F000001;
    const KxRecordInfoText info = kxRecordInfo(record, 0);
    EXPECT_EQ(info.recordId, "1A2B3C4D  5F000000  0012");
    EXPECT_NE(info.created.find("  "), std::string::npos);
    EXPECT_NE(info.created, info.modified);
}

TEST_F(RecordCommandsTest, ShowRecordInfoShowsTheDeletedRecordInDeletedRecordsMode) {
    addRecord({"Ann"});
    addRecord({"Bob"});
    const KxRecordIdentity bob = doc.database().identityOf(1);
    doc.database().deleteRecord(1);
    KxDisplayModes(doc).showDeletedRecords();
    doc.setCurrentRecord(0);
    commands.showRecordInfo();
    ASSERT_TRUE(dialogs.shownInfo);
    char id[40];
    std::snprintf(id, sizeof id, "%08X  %08X  %04X", bob.userId, bob.created,
                  unsigned{bob.sequence});
    EXPECT_EQ(dialogs.shownInfo->recordId, id);
}

TEST_F(RecordCommandsTest, ImportClipboardLeavesDeletedRecordsModeAndUpdatesEverything) {
    addRecord({"Ann"});
    doc.setDisplayModes(true, false, false);
    dialogs.importClipboard = true;
    commands.importClipboard();
    EXPECT_FALSE(doc.deletedMode());
    EXPECT_TRUE(doc.isModified());
    EXPECT_EQ(view.last(), KxViewHint::All);
    EXPECT_EQ(panes.calls.back(), "activateRecord");
}

TEST_F(RecordCommandsTest, DeletionLogText) {
    KxDatabase& db = doc.database();
    for (int i = 0; i < 3; ++i)
        addRecord({"r"});
    const KxRecordIdentity first = db.identityOf(0);
    db.deleteRecord(2);
    db.removeRecord(0);
    std::tm t{};
    t.tm_year = 80;
    t.tm_mon = 0;
    t.tm_mday = 2;
    t.tm_wday = 3;
    t.tm_hour = 2;
    t.tm_min = 3;
    t.tm_sec = 55;
    const std::string rule(57, '=');
    const KxRecordIdentity deleted = db.identityOfDeleted(0);
    char line1[40], line2[40];
    std::snprintf(line1, sizeof line1, " %08X  %08X  %04X\n", deleted.userId, deleted.created,
                  unsigned{deleted.sequence});
    std::snprintf(line2, sizeof line2, " %08X  %08X  %04X\n", first.userId, first.created,
                  unsigned{first.sequence});
    EXPECT_EQ(kxDeletionLogText(db, t),
              rule + "\nWed Jan  2 02:03:55 1980\n" + rule + "\n\n" + rule +
                  "\nNot permanently deleted records: 1\n" + rule + "\n" + line1 + "\n" + rule +
                  "\nPermanently deleted records: 1\n" + rule + "\n" + line2 + "\n");
    EXPECT_EQ(kxDeletionLogPath("/opt/rolva/rolvadesk.ini"), "/opt/rolva/rolvadeskDelete.dmp");
}

TEST_F(RecordCommandsTest, DeletionLogIsAppendedBesideTheSettingsFile) {
    addRecord({"Ann"});
    commands.writeDeletionLog();
    commands.writeDeletionLog();
    const auto bytes = readFileBytes(dir.file("rolvadeskDelete.dmp"));
    const std::string log(bytes.begin(), bytes.end());
    EXPECT_EQ(log.find("Not permanently deleted records: 0\n"),
              log.rfind("Not permanently deleted records: 0\n") - log.size() / 2);

    // A log that cannot be written (here a directory stands in its place) is a failure.
    std::filesystem::remove(dir.file("rolvadeskDelete.dmp"));
    std::filesystem::create_directory(dir.file("rolvadeskDelete.dmp"));
    EXPECT_THROW(commands.writeDeletionLog(), KxDbError);
}

TEST_F(RecordCommandsTest, DeletionLogNeverFollowsALinkOrWritesIntoAFifo) {
    addRecord({"Ann"});
    const std::string log = dir.file("rolvadeskDelete.dmp");
    const std::string victim = dir.file("victim.txt");
    writeFileText(victim, "precious");
    std::filesystem::create_symlink(victim, log);
    EXPECT_THROW(commands.writeDeletionLog(), KxDbError);
    EXPECT_EQ(readFileText(victim), "precious");

    // A FIFO would block the program for ever; it is refused at once.
    std::filesystem::remove(log);
    ASSERT_EQ(::mkfifo(log.c_str(), 0600), 0);
    EXPECT_THROW(commands.writeDeletionLog(), KxDbError);
}
