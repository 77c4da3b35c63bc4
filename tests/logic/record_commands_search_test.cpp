#include "tests/logic/doc_test_support.h"

#include "engine/KxSavedSearches.h"
#include "engine/Sort.h"
#include "app/KxCommandState.h"
#include "app/KxDisplayModes.h"

namespace {
class DisplayModesTest : public DocTest {
  protected:
    DisplayModesTest() {
        createDatabase({"Name", "City"});
        addRecord({"Smith", "Oslo"}, 1);
        addRecord({"Jones", "Rome"}, 2);
        addRecord({"Blacksmith", "Oslo"}, 2);
        doc.setCategoryFilter(2);
        doc.setCurrentRecord(1);
        ui.messages.clear();
        ui.waitStatuses.clear();
        view.hints.clear();
    }

    static KxSearchRequest basicSearch(const std::string& contains) { return containsRequest(contains); }

    // A named search on "Oslo" in the City field; its index.
    std::size_t namedSearch(const std::string& name, std::uint8_t listSet = 255) {
        KxSavedSearches searches(doc.database());
        if (searches.count() == 0) searches.add();
        const std::size_t s = searches.add();
        searches.setName(s, name);
        searches.setListOptionsSet(s, listSet);
        const std::size_t c = searches.addCriterion(s, 1, KxSearchOperator::Contains);
        FieldValue value = FieldValue::newValue(1);
        value.setText("oslo");
        searches.setCriterionValue(s, c, &value);
        return s;
    }

    KxDisplayModes modes{doc};
};
} // namespace

TEST_F(DisplayModesTest, ASearchThatFindsNothingLeavesNormalModeWithAllCategories) {
    dialogs.search.request = basicSearch("zzz");
    modes.searchRecords();
    EXPECT_EQ(ui.lastMessage(), "The program found no records that match your search criteria.");
    EXPECT_FALSE(doc.searchMode());
    EXPECT_FALSE(doc.deletedMode());
    EXPECT_EQ(doc.categoryFilter(), kAllCategories);
    EXPECT_TRUE(doc.isModified());
    EXPECT_FALSE(doc.database().header().attributes() & kAttrSearchResults);
    EXPECT_EQ(doc.statusText(), "");
    EXPECT_EQ(ui.waitStatuses, std::vector<std::string>{"Searching the database"});
    EXPECT_EQ(doc.progressBox(), nullptr);
}

TEST_F(DisplayModesTest, ASearchThatFindsRecordsShowsThemAsSearchResults) {
    dialogs.search.request = basicSearch("smi");
    modes.searchRecords();
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_TRUE(doc.searchMode());
    EXPECT_FALSE(doc.searchUsesOwnListOptions());
    EXPECT_TRUE(doc.database().header().attributes() & kAttrSearchResults);
    EXPECT_EQ(doc.categoryFilter(), kAllCategories);
    EXPECT_EQ(doc.recordsInView(), 2u);
    EXPECT_EQ(doc.statusText(), "Now displaying search results.");
    EXPECT_EQ(doc.titleSuffix(), "(Search Results)");
    // Jones was current but is not a result: the first result takes over.
    EXPECT_EQ(text(static_cast<std::size_t>(doc.currentRecord())), "Smith");
    EXPECT_EQ(view.hints, std::vector<KxViewHint>{KxViewHint::RecordSetChanged});
    EXPECT_EQ(dialogs.searchDialogOpenedOn, std::vector<std::size_t>{0});
}

TEST_F(DisplayModesTest, ASavedSearchWithItsOwnListOptionsIsShownWithThem) {
    const std::size_t own =
        kxApplyListOptions(doc.database(), {{1, KxSortDirection::Descending}}, true);
    const std::size_t s = namedSearch("Mine", static_cast<std::uint8_t>(own));
    modes.runSavedSearchEntry(1);
    EXPECT_TRUE(dialogs.searchDialogOpenedOn.empty());
    EXPECT_TRUE(doc.searchMode());
    EXPECT_TRUE(doc.searchUsesOwnListOptions());
    EXPECT_EQ(KxSavedSearches(doc.database()).current(), s);
    EXPECT_EQ(doc.database().header().currentListSet(), own);
    EXPECT_EQ(doc.mainListSet(), 0);
    EXPECT_EQ(doc.titleSuffix(), "(Mine Search Results)");
    EXPECT_EQ(doc.statusText(), "Now displaying Mine.");
    EXPECT_EQ(ui.waitStatuses,
              (std::vector<std::string>{"Searching the database", "Sorting the database"}));
    EXPECT_EQ(view.last(), KxViewHint::All);

    // Show All Records goes back to the main set.
    modes.showAllRecords();
    EXPECT_FALSE(doc.searchMode());
    EXPECT_EQ(doc.database().header().currentListSet(), 0);
    EXPECT_FALSE(doc.database().header().attributes() & kAttrSearchResults);
}

TEST_F(DisplayModesTest, ASavedSearchEntryWithoutCriteriaOpensTheDialogOnIt) {
    KxSavedSearches searches(doc.database());
    searches.add();
    const std::size_t s = searches.add();
    searches.setName(s, "Blank");
    modes.runSavedSearchEntry(1);
    EXPECT_EQ(dialogs.searchDialogOpenedOn, std::vector<std::size_t>{s});
    EXPECT_FALSE(doc.searchMode());
}

TEST_F(DisplayModesTest, DeletingTheShownListOptionsSetLeavesSearchResultsFirst) {
    const std::size_t own =
        kxApplyListOptions(doc.database(), {{1, KxSortDirection::Ascending}}, true);
    const std::size_t s = namedSearch("Mine", static_cast<std::uint8_t>(own));
    modes.runSavedSearchEntry(1);
    ASSERT_TRUE(doc.searchUsesOwnListOptions());
    // Edit Names deleted the search and left its set to the document.
    KxSavedSearches(doc.database()).remove(s);
    dialogs.search = {};
    dialogs.search.searchesEdited = true;
    dialogs.search.unusedListSets = {static_cast<std::uint8_t>(own)};
    modes.searchRecords();
    EXPECT_FALSE(doc.searchMode());
    EXPECT_FALSE(doc.searchUsesOwnListOptions());
    EXPECT_EQ(doc.database().header().listSets.size(), 1u);
    EXPECT_EQ(doc.database().header().sortDefs.size(), 1u) << "its sort definition went with it";
    EXPECT_EQ(doc.database().header().currentListSet(), 0);
}

TEST_F(DisplayModesTest, ShowDeletedRecordsAndBackToAllRecords) {
    doc.database().deleteRecord(0);
    modes.showDeletedRecords();
    EXPECT_TRUE(doc.deletedMode());
    EXPECT_EQ(doc.currentRecord(), -1);
    EXPECT_EQ(doc.statusText(), "Now displaying deleted records.");
    EXPECT_EQ(doc.titleSuffix(), "(Deleted Records)");
    EXPECT_TRUE(doc.isModified());
    modes.showAllRecords();
    EXPECT_FALSE(doc.deletedMode());
    EXPECT_EQ(doc.currentRecord(), 0);
    EXPECT_EQ(doc.categoryFilter(), kAllCategories);
    EXPECT_EQ(doc.statusText(), "");
}

TEST_F(DisplayModesTest, ListOptionsApplyOnlyWhatChanged) {
    const auto start = kxListOptionsColumnsOf(doc.database(), 0);
    ASSERT_EQ(start.size(), 2u);
    EXPECT_EQ(start[0].field, 0);
    EXPECT_EQ(start[0].direction, KxSortDirection::Ascending);

    dialogs.listOptions = start;
    modes.listOptions();
    EXPECT_TRUE(ui.waitStatuses.empty());
    EXPECT_FALSE(doc.isModified());

    doc.setCategoryFilter(kAllCategories);
    doc.setCurrentRecord(0); // Smith
    dialogs.listOptions = std::vector<KxListOptionsColumn>{{0, KxSortDirection::Descending}};
    modes.listOptions();
    EXPECT_EQ(ui.waitStatuses, std::vector<std::string>{"Sorting the database"});
    EXPECT_EQ(text(0), "Smith");
    EXPECT_EQ(text(2), "Blacksmith");
    EXPECT_EQ(text(static_cast<std::size_t>(doc.currentRecord())), "Smith");
    EXPECT_EQ(doc.database().header().listSets[0].columns.size(), 1u);
    EXPECT_EQ(view.last(), KxViewHint::All);
    EXPECT_TRUE(doc.isModified());
}

TEST_F(DisplayModesTest, SavedSearchMenuEntriesAreSortedNumberedAndEscaped) {
    for (const char* name : {"b&w", "Alpha", "c", "d", "e", "f", "g"})
        namedSearch(name);
    const auto menu = kxSavedSearchMenu(doc.database());
    ASSERT_EQ(menu.size(), 6u);
    EXPECT_EQ(menu[0].second, "&1 Alpha");
    EXPECT_EQ(menu[0].first, 2u);
    EXPECT_EQ(menu[1].second, "&2 b&&w");
    EXPECT_EQ(menu[5].second, "&6 f");
}

TEST_F(DisplayModesTest, CommandEnablingFollowsTheMode) {
    KxCommandState none;
    for (KxCommand c : {KxCommand::NewDatabase, KxCommand::OpenDatabase, KxCommand::RecentFileFirst,
                        KxCommand::Exit, KxCommand::Help, KxCommand::About})
        EXPECT_TRUE(kxCommandEnabled(c, none));
    for (KxCommand c : {KxCommand::CloseDatabase, KxCommand::Save, KxCommand::Preferences,
                        KxCommand::NewRecord, KxCommand::ShowAllRecords, KxCommand::Print})
        EXPECT_FALSE(kxCommandEnabled(c, none));

    doc.database().deleteRecord(0);
    modes.showDeletedRecords();
    doc.setCurrentRecord(0);
    const KxCommandState deleted = kxCommandState(doc);
    for (KxCommand c : {KxCommand::NewRecord, KxCommand::CloneRecord, KxCommand::Import,
                        KxCommand::ImportClipboard, KxCommand::SearchRecords,
                        KxCommand::SavedSearch1, KxCommand::ShowDeletedRecords})
        EXPECT_FALSE(kxCommandEnabled(c, deleted));
    for (KxCommand c : {KxCommand::Undelete, KxCommand::PermanentlyDelete,
                        KxCommand::ShowAllRecords, KxCommand::DeleteCategory})
        EXPECT_TRUE(kxCommandEnabled(c, deleted));
    EXPECT_EQ(kxDeleteCategoryMenuText(deleted), "Dispose of D&eleted Records...");

    modes.showAllRecords();
    const KxCommandState normal = kxCommandState(doc);
    EXPECT_TRUE(kxCommandEnabled(KxCommand::ShowDeletedRecords, normal));
    EXPECT_FALSE(kxCommandEnabled(KxCommand::ShowAllRecords, normal));
    EXPECT_FALSE(kxCommandEnabled(KxCommand::Undelete, normal));
    EXPECT_EQ(kxDeleteCategoryMenuText(normal), "D&elete Category...");

    KxFocusState lookup;
    lookup.textControl = lookup.lookupBox = lookup.hasSelection = lookup.canPaste = true;
    KxCommandState noCurrent = normal;
    noCurrent.currentRecord = false;
    EXPECT_TRUE(kxCommandEnabled(KxCommand::Copy, noCurrent, lookup));
    EXPECT_FALSE(kxCommandEnabled(KxCommand::Paste, normal, lookup));
    EXPECT_FALSE(kxCommandEnabled(KxCommand::Cut, noCurrent, lookup));
}
