// Save/Install on Handheld on an open document, and the questions around the Field and Form
// Editor, with the dialog answered by a script.

#include "tests/logic/doc_test_support.h"

#include "base/SettingsKeys.h"
#include "editors/FieldEditorCommand.h"
#include "install/HandheldInstallCommand.h"
#include "install/KxHandheldSchemaHooks.h"
#include "install/KxInstallSchedule.h"

namespace {
using Names = std::vector<std::string>;

class HandheldInstall : public DocTest {
  protected:
    void SetUp() override {
        path = createDatabase({"Name"});
        panes.recordCommits = true;
        ui.messages.clear();
    }
    KxInstallSchedule schedule() { return KxInstallSchedule(doc.settings(), path); }
    std::string path;
};
} // namespace

TEST_F(HandheldInstall, OkSchedulesTheTickedUsersWithoutSavingTheFile) {
    schedule().mark("Ann", true);
    schedule().mark("Bob", false);
    addRecord({"unsaved"});
    doc.setModified();
    const auto before = readFileBytes(path);
    panes.calls.clear();

    dialogs.handheldSelection = Names{"Bob", "Carl"};
    EXPECT_TRUE(kxSaveInstallOnHandheld(doc));
    EXPECT_EQ(panes.calls, (Names{"clearLookupQuiet", "commit"}));
    ASSERT_EQ(dialogs.handheldPreselected.size(), 1u);
    EXPECT_EQ(dialogs.handheldPreselected[0], (Names{"Ann"})) << "pending installations are ticked";
    EXPECT_EQ(schedule().usersWithDatabase(true), (Names{"Bob", "Carl"}));
    EXPECT_EQ(schedule().usersWithDatabase(false), (Names{"Ann", "Bob", "Carl"}));
    EXPECT_EQ(readFileBytes(path), before);
    EXPECT_TRUE(doc.isModified());
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(HandheldInstall, CancelWritesNothing) {
    schedule().mark("Ann", true);
    const auto settingsBefore = readFileBytes(doc.settings().path());
    dialogs.handheldSelection = std::nullopt;
    EXPECT_FALSE(kxSaveInstallOnHandheld(doc));
    EXPECT_EQ(readFileBytes(doc.settings().path()), settingsBefore);
}

TEST_F(HandheldInstall, SyncWarningOnlyWhenAUserHasTheDatabase) {
    EXPECT_TRUE(kxConfirmSchemaChange(doc));
    EXPECT_TRUE(ui.messages.empty()) << "nobody has it: no warning";

    schedule().mark("Ann", false); // not pending still counts
    ui.answers = {KxAnswer::Cancel, KxAnswer::Ok};
    EXPECT_FALSE(kxConfirmSchemaChange(doc));
    EXPECT_TRUE(kxConfirmSchemaChange(doc));
    ASSERT_EQ(ui.messages.size(), 2u);
    const auto& m = ui.messages[0];
    EXPECT_EQ(m.text, "If you make a change or edit to this attribute of the database you can no longer "
                      "synchronize with copies of the database on any other device.  We recommend that "
                      "you synchronize all devices before making any change.");
    EXPECT_EQ(m.caption, KxUi::kCaption);
    EXPECT_EQ(m.buttons, KxButtons::OkCancel);
    EXPECT_EQ(m.icon, KxIcon::Warning);
    EXPECT_EQ(m.defaultAnswer, KxAnswer::Cancel);
}

TEST_F(HandheldInstall, ReinstallYesRunsTheCommandAndItsOkIsNotedUntilTheFileIsOpenedAgain) {
    kxOfferReinstall(doc);
    EXPECT_TRUE(ui.messages.empty()) << "nobody has it: no question";

    schedule().mark("Ann", false);
    ui.answers = {KxAnswer::No};
    kxOfferReinstall(doc);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "Now that your changes are complete, you need to reinstall this database on "
                                   "your handheld(s).  Would you like to schedule a reinstallation for your next sync?");
    EXPECT_EQ(ui.messages[0].buttons, KxButtons::YesNo);
    EXPECT_EQ(ui.messages[0].icon, KxIcon::Warning);
    EXPECT_EQ(ui.messages[0].defaultAnswer, KxAnswer::No);
    EXPECT_TRUE(dialogs.handheldPreselected.empty()) << "No: no dialog";

    // Yes, then Cancel in the dialog: nothing is noted, so the question comes again.
    ui.answers = {KxAnswer::Yes};
    kxOfferReinstall(doc);
    EXPECT_EQ(dialogs.handheldPreselected.size(), 1u);
    EXPECT_FALSE(doc.installScheduled());

    ui.answers = {KxAnswer::Yes};
    dialogs.handheldSelection = Names{"Ann"};
    kxOfferReinstall(doc);
    EXPECT_TRUE(doc.installScheduled());
    EXPECT_EQ(schedule().usersWithDatabase(true), (Names{"Ann"}));

    const std::size_t asked = ui.messages.size();
    kxOfferReinstall(doc);
    EXPECT_EQ(ui.messages.size(), asked) << "scheduled since the file was opened: no second question";

    doc.closeDocument();
    ASSERT_TRUE(doc.openDocument(path));
    EXPECT_FALSE(doc.installScheduled());
}

// The Field and Form Editor as the window runs it: the warning before, the offer after.
TEST_F(HandheldInstall, TheFieldEditorAsksAroundItsChanges) {
    KxHandheldSchemaHooks hooks;
    schedule().mark("Ann", false);
    int editorRuns = 0;
    dialogs.fieldEditor = [&](KxFieldWorkingCopy& copy, const std::function<bool()>&) {
        ++editorRuns;
        KxWorkingField age;
        age.type = KxFieldType::Number;
        age.label = "Age";
        copy.add(age);
        return true;
    };

    ui.answers = {KxAnswer::Cancel};
    kxRunFieldAndFormEditor(doc, &hooks);
    EXPECT_EQ(editorRuns, 0) << "Cancel at the warning: the editor does not open";
    EXPECT_EQ(doc.database().header().fields.size(), 1u);

    ui.messages.clear();
    ui.answers = {KxAnswer::Ok, KxAnswer::No};
    kxRunFieldAndFormEditor(doc, &hooks);
    EXPECT_EQ(editorRuns, 1);
    EXPECT_EQ(doc.database().header().fields.size(), 2u);
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[0].buttons, KxButtons::OkCancel);
    EXPECT_EQ(ui.messages[1].buttons, KxButtons::YesNo) << "the reinstallation is offered last";
}
