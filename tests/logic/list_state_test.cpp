// The list pane's rules without its widgets: what becomes of a changed record's row, of the
// look-up text, of the filter after the categories changed, and of dragged pane and column
// widths.

#include "tests/logic/doc_test_support.h"

#include "app/KxDisplayModes.h"
#include "views/KxListState.h"

namespace {
class ListStateTest : public DocTest {
  protected:
    ListStateTest() {
        createDatabase({"Name", "City"});
        for (const char* name : {"Ann", "Bob", "Cy"}) addRecord({name});
        panes.calls.clear();
        panes.messages.clear();
    }
    void rename(std::size_t live, const std::string& name) {
        FieldValue value = FieldValue::newValue(1);
        value.setText(name);
        doc.database().record(live, false).setValue(0, value);
    }
    std::vector<std::uint32_t> rows() const { return {0, 1, 2}; }
    KxListState state;
};
} // namespace

TEST_F(ListStateTest, AChangedRecordMovesOnlyWhenItLeftItsSortedPlace) {
    EXPECT_EQ(state.rowChangeFor(doc, -1, false), KxRowChange::Ignore);
    EXPECT_EQ(state.rowChangeFor(doc, 1, false), KxRowChange::Redraw);
    EXPECT_EQ(state.rowChangeFor(doc, 7, false), KxRowChange::Redraw) << "past the records: only redrawn";
    rename(0, "Dora");
    EXPECT_EQ(state.rowChangeFor(doc, 0, false), KxRowChange::Move);
    EXPECT_EQ(state.rowChangeFor(doc, 0, true), KxRowChange::Redraw) << "a category is never a sort key";

    EXPECT_EQ(state.placeChangedRecord(doc, 0), 2u);
    EXPECT_EQ(text(2), "Dora");
    EXPECT_EQ(doc.currentRecord(), 2);
    EXPECT_EQ(panes.messages, std::vector<std::string>{"release"}) << "the form lets go before the move";
}

TEST_F(ListStateTest, AmongTheDeletedRecordsEvenACategoryChangeMayMove) {
    doc.database().deleteRecord(0);
    doc.database().deleteRecord(0);
    KxDisplayModes(doc).showDeletedRecords();
    doc.database().deletedRecord(0, false).setValue(0, [] {
        FieldValue value = FieldValue::newValue(1);
        value.setText("Zed");
        return value;
    }());
    EXPECT_EQ(state.rowChangeFor(doc, 0, true), KxRowChange::Move);
    EXPECT_EQ(state.placeChangedRecord(doc, 0), 1u);
    EXPECT_EQ(doc.database().liveCount(), 1u) << "the live records are not touched";
}

TEST_F(ListStateTest, ARowLeftBehindGoesWhenItsRecordLeftTheCategoryShown) {
    doc.database().record(1, false).setCategory(2);
    EXPECT_FALSE(state.leftBehindRowGoes(doc, 1)) << "All shows every category";
    doc.setCategoryFilter(0);
    EXPECT_TRUE(state.leftBehindRowGoes(doc, 1));
    EXPECT_FALSE(state.leftBehindRowGoes(doc, 0));
    EXPECT_FALSE(state.leftBehindRowGoes(doc, 9)) << "a record that is gone leaves no row to drop";
}

TEST_F(ListStateTest, LookUpSelectsTheMatchOrBeepsAndTakesTheLastCharacterBack) {
    state.lookupColumn = 0;
    state.lastRow = 0;
    const std::vector<KxListColumn> columns{{0, 100}};
    KxLookupStep step = state.lookup(doc, rows(), columns, "b", 1);
    EXPECT_EQ(step.row, 1);
    EXPECT_FALSE(step.beep);
    state.lastRow = 1;
    EXPECT_EQ(state.lookup(doc, rows(), columns, "bo", 2).row, std::nullopt) << "already selected";

    step = state.lookup(doc, rows(), columns, "bx", 2);
    EXPECT_TRUE(step.beep);
    EXPECT_TRUE(step.removeBeforeCaret);
    EXPECT_EQ(step.row, std::nullopt);
    EXPECT_FALSE(state.lookup(doc, rows(), columns, "x", 0).removeBeforeCaret) << "nothing before the caret";
    EXPECT_TRUE(ui.messages.empty());

    EXPECT_EQ(state.firstRow(3), 0);
    state.lastRow = 0;
    EXPECT_EQ(state.firstRow(3), std::nullopt);
    EXPECT_EQ(state.firstRow(0), std::nullopt);
}

TEST_F(ListStateTest, WithoutALookUpColumnTypingShowsTheMessageAndClearsTheText) {
    state.lookupColumn = -1;
    EXPECT_FALSE(state.lookup(doc, rows(), {{0, 100}}, "", 0).clearText);
    EXPECT_TRUE(ui.messages.empty());
    const KxLookupStep step = state.lookup(doc, rows(), {{0, 100}}, "a", 1);
    EXPECT_TRUE(step.clearText);
    EXPECT_FALSE(step.beep);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text,
              "The \"Look up\" field only operates when you have selected a text, number, or multiple choice field "
              "for the first column in the List Window.  Date, time, and checkbox fields do not support look up.");
    EXPECT_EQ(ui.messages[0].icon, KxIcon::Warning);
}

TEST_F(ListStateTest, TheFilterFollowsTheCategoryBoxExceptUnderSearchResults) {
    EXPECT_FALSE(state.categoriesChanged(doc, kAllCategories, kAllCategories, false));
    EXPECT_TRUE(state.categoriesChanged(doc, kAllCategories, kAllCategories, true)) << "records were deleted";
    EXPECT_TRUE(state.categoriesChanged(doc, 3, 0, false));
    EXPECT_EQ(doc.categoryFilter(), 0);
    EXPECT_TRUE(state.categoriesChanged(doc, std::nullopt, 0, false)) << "the box showed nothing before";

    doc.setDisplayModes(false, true, false);
    EXPECT_FALSE(state.categoriesChanged(doc, 0, 3, false));
    EXPECT_EQ(doc.categoryFilter(), 0);
    EXPECT_TRUE(state.categoriesChanged(doc, 0, 3, true));
}

TEST_F(ListStateTest, AfterTheListsCategoryEditorTheFormTakesItsRecordBackUnlessTheRowsAreRebuilt) {
    doc.setModified(false);
    EXPECT_FALSE(state.afterCategoryEdit(doc, false, false, kAllCategories, kAllCategories));
    EXPECT_EQ(panes.messages, std::vector<std::string>{"retake"});
    EXPECT_FALSE(doc.isModified());

    panes.messages.clear();
    EXPECT_FALSE(state.afterCategoryEdit(doc, true, false, kAllCategories, kAllCategories));
    EXPECT_EQ(panes.messages, (std::vector<std::string>{"retake", "recordCategoriesChanged"}));
    EXPECT_TRUE(doc.isModified());

    panes.messages.clear();
    EXPECT_TRUE(state.afterCategoryEdit(doc, true, false, 4, kAllCategories)) << "the category shown went";
    EXPECT_EQ(doc.categoryFilter(), kAllCategories);
    EXPECT_TRUE(state.afterCategoryEdit(doc, false, true, kAllCategories, kAllCategories));
    EXPECT_TRUE(panes.messages.empty()) << "rebuilt rows give the form its record";
}

TEST_F(ListStateTest, DraggedSplitsAndDividersAreStoredInTheFile) {
    doc.setModified(false);
    KxListState::storePaneShare(doc, 300, 0);
    EXPECT_FALSE(doc.isModified());
    KxListState::storePaneShare(doc, 300, 1000);
    EXPECT_EQ(doc.database().fileHeader().listPaneShare(), 30);
    EXPECT_TRUE(panes.called("share 30"));
    KxListState::storePaneShare(doc, 1200, 1000);
    EXPECT_EQ(doc.database().fileHeader().listPaneShare(), 100);

    auto& stored = doc.database().header().listSets[0].columns;
    ASSERT_GE(stored.size(), 2u);
    std::vector<KxListColumn> columns(stored.begin(), stored.end());
    const int sum = columns[0].width + columns[1].width;
    KxListState::dragDivider(doc, 0, columns, 0, 100, 400);
    EXPECT_EQ(columns[0].width, sum / 4);
    EXPECT_EQ(stored[0].width, columns[0].width);
    EXPECT_EQ(stored[0].width + stored[1].width, sum);
    KxListState::dragDivider(doc, 0, columns, 1, 10, 400);
    EXPECT_EQ(stored[1].width, columns[1].width) << "the last column has no divider to drag";
}
