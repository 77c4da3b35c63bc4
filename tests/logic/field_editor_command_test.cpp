// Options > Field and Form Editor as the document runs it: the record being edited is
// committed, nothing happens without a change, Cancel after changes asks, OK commits under
// "Updating the database", and the handheld hooks come before and after.

#include "tests/logic/doc_test_support.h"

#include <algorithm>

#include "engine/KxSearchChunk.h"
#include "editors/FieldEditorCommand.h"
#include "editors/EditorStrings.h"

namespace {
class RecordingHooks : public KxSchemaChangeHooks {
  public:
    std::vector<std::string> calls;
    bool allow = true;
    bool mayChangeSchema(KxDbDoc&) override {
        calls.push_back("before");
        return allow;
    }
    void schemaChanged(KxDbDoc&) override { calls.push_back("after"); }
};

KxWorkingField numberField(const std::string& label) {
    KxWorkingField f;
    f.type = KxFieldType::Number;
    f.label = label;
    return f;
}

class FieldEditorCommandTest : public DocTest {
  protected:
    FieldEditorCommandTest() {
        createDatabase({"Name"});
        addRecord({"Ann"});
        panes.recordCommits = true;
    }
    // Commits of the form's pending edit.
    long commits() const { return std::count(panes.calls.begin(), panes.calls.end(), "commit"); }
    RecordingHooks hooks;
};
} // namespace

TEST_F(FieldEditorCommandTest, OkWithoutAChangeDoesNothing) {
    const auto stamp = doc.database().header().modificationStamp();
    dialogs.fieldEditor = [](KxFieldWorkingCopy&, const std::function<bool()>&) { return true; };
    view.hints.clear();
    kxRunFieldAndFormEditor(doc, &hooks);
    EXPECT_EQ(commits(), 1) << "the record being edited is committed first";
    EXPECT_EQ(dialogs.fieldEditorRuns, 1);
    EXPECT_FALSE(doc.isModified());
    EXPECT_TRUE(ui.waitStatuses.empty());
    EXPECT_TRUE(view.hints.empty());
    EXPECT_EQ(doc.database().header().modificationStamp(), stamp);
    EXPECT_EQ(hooks.calls, (std::vector<std::string>{"before"}));
}

TEST_F(FieldEditorCommandTest, CancelAfterChangesAsksAndNoKeepsEditing) {
    int asked = 0;
    dialogs.fieldEditor = [&](KxFieldWorkingCopy& copy, const std::function<bool()>& mayCancel) {
        EXPECT_TRUE(mayCancel()) << "nothing changed yet: no question";
        copy.add(numberField("Age"));
        ui.answers = {KxAnswer::No, KxAnswer::Yes};
        asked += mayCancel() ? 0 : 1; // No: the dialog stays
        EXPECT_TRUE(mayCancel());     // Yes: it closes
        return false;
    };
    kxRunFieldAndFormEditor(doc);
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(shown(kxStrConfirmFieldCancel), 2u);
    EXPECT_EQ(doc.database().header().fields.size(), 1u);
    EXPECT_FALSE(doc.isModified());
}

TEST_F(FieldEditorCommandTest, OkWithChangesCommitsUnderTheProgressBoxAndRebuildsTheViews) {
    doc.database().header().setModificationStamp(0);
    dialogs.fieldEditor = [](KxFieldWorkingCopy& copy, const std::function<bool()>&) {
        copy.add(numberField("Age"));
        return true;
    };
    view.hints.clear();
    kxRunFieldAndFormEditor(doc, &hooks);
    EXPECT_EQ(ui.waitStatuses, (std::vector<std::string>{"Updating the database"}));
    EXPECT_TRUE(doc.isModified());
    EXPECT_EQ(doc.database().header().modificationStamp(), doc.freshStamp());
    EXPECT_EQ(doc.database().header().fields.size(), 2u);
    EXPECT_EQ(view.hints, (std::vector<KxViewHint>{KxViewHint::All}));
    EXPECT_EQ(hooks.calls, (std::vector<std::string>{"before", "after"}));
    EXPECT_EQ(text(0), "Ann");
}

TEST_F(FieldEditorCommandTest, TheHandheldWarningCanStopTheEditor) {
    hooks.allow = false;
    kxRunFieldAndFormEditor(doc, &hooks);
    EXPECT_EQ(dialogs.fieldEditorRuns, 0);
    EXPECT_EQ(commits(), 0);
}

TEST_F(FieldEditorCommandTest, SavedSearchesLoseCriteriaThatNoLongerFit) {
    KxStoredSearch search;
    search.criteria.push_back({0, 1, "A"});                        // Name contains: fits
    search.criteria.push_back({0, 7, ""});                         // Name is checked: does not
    search.criteria.push_back({kCategoryField, 3, std::string("Unfiled\0", 8)});
    search.criteria.push_back({9, 9, ""});                         // no such field
    doc.database().searchChunk().searches.push_back(search);
    kxDropUnfitCriteria(doc.database());
    std::vector<std::uint8_t> left;
    for (const auto& c : doc.database().searchChunk().searches.back().criteria) left.push_back(c.field);
    EXPECT_EQ(left, (std::vector<std::uint8_t>{0, kCategoryField}));
}
