// The list options sets of saved searches after the Search Records dialog: the sets it left
// behind go, as long as nothing uses them, and every other set and link stays as it was.

#include "tests/logic/doc_test_support.h"

#include "engine/KxSavedSearches.h"
#include "engine/KxSchemaEditor.h"
#include "app/KxDisplayModes.h"
#include "app/SearchListSets.h"

namespace {
class SearchListSetsTest : public DocTest {
  protected:
    SearchListSetsTest() {
        createDatabase({"Name", "City"});
        addRecord({"Smith", "Oslo"});
        addRecord({"Jones", "Rome"});
        KxSavedSearches searches(doc.database());
        searches.add();
    }

    // A named search on Name containing "s", with a set of its own sorting by `field`.
    std::size_t searchWithSet(const std::string& name, std::uint8_t field) {
        KxDatabase& db = doc.database();
        KxSavedSearches searches(db);
        const std::size_t s = searches.add();
        searches.setName(s, name);
        FieldValue value = FieldValue::newValue(1);
        value.setText("s");
        searches.setCriterionValue(s, searches.addCriterion(s, 0, KxSearchOperator::Contains),
                                   &value);
        searches.setListOptionsSet(
            s, *kxMakeSearchListSet(db, {{field, KxSortDirection::Descending}}));
        return s;
    }

    std::uint8_t linkOf(std::size_t search) {
        return KxSavedSearches(doc.database()).listOptionsSet(search);
    }
    std::uint8_t sortedBy(std::uint8_t set) {
        const KxHeaderChunk& h = doc.database().header();
        return h.sortDefs.at(h.listSets.at(set).sortDef).keys.at(0).field;
    }

    KxDisplayModes modes{doc};
};
} // namespace

TEST_F(SearchListSetsTest, OnlySetsNothingUsesAreDeleted) {
    const std::size_t gone = searchWithSet("Gone", 0);  // set 1
    const std::size_t named = searchWithSet("Kept", 1); // set 2
    const std::uint8_t goneSet = linkOf(gone), namedSet = linkOf(named);
    KxSavedSearches(doc.database()).remove(gone);
    // The main set, a set still named, a set that does not exist, and one twice.
    EXPECT_EQ(kxUnusedListSets(doc.database(), {0, namedSet, 7, goneSet, goneSet}, 0),
              std::vector<std::uint8_t>{goneSet});
}

TEST_F(SearchListSetsTest, ADeletedSetTakesItsSortDefinitionUnlessAnotherSetSortsByIt) {
    const std::size_t first = searchWithSet("First", 0);   // set 1
    const std::size_t second = searchWithSet("Second", 1); // set 2
    KxDatabase& db = doc.database();
    ASSERT_EQ(db.header().sortDefs.size(), 3u);
    kxDeleteListSet(db, linkOf(first));
    EXPECT_EQ(db.header().sortDefs.size(), 2u);
    EXPECT_EQ(linkOf(second), 1);
    EXPECT_EQ(sortedBy(1), 1) << "the set that moved down still sorts by its own definition";

    KxSchemaEditor schema(db);
    const std::size_t sharing = schema.addListSet();
    schema.setListSetSortDef(sharing, db.header().listSets[1].sortDef);
    kxDeleteListSet(db, 1);
    EXPECT_EQ(db.header().sortDefs.size(), 2u);
    EXPECT_EQ(sortedBy(1), 1);
}

TEST_F(SearchListSetsTest, OkDeletesTheSetItReplacesUnlessAnotherSearchStillNamesIt) {
    const std::size_t mine = searchWithSet("Mine", 0);   // set 1
    const std::size_t other = searchWithSet("Other", 1); // set 2
    KxDatabase& db = doc.database();
    const std::uint8_t made = *kxMakeSearchListSet(db, {{1, KxSortDirection::Ascending}}); // set 3

    KxSearchRequest request;
    request.advanced = true;
    request.chosenSearch = mine;
    request.listOptionsSet = made;
    request.rows = {KxSearchRow{0, KxSearchOperator::NotEmpty, std::nullopt}};
    dialogs.search.request = request;
    dialogs.search.unusedListSets = {made};
    modes.searchRecords();
    EXPECT_EQ(db.header().listSets.size(), 3u);
    EXPECT_EQ(linkOf(mine), 2);
    EXPECT_EQ(linkOf(other), 1);
    EXPECT_EQ(sortedBy(1), 1);
    EXPECT_EQ(doc.database().header().currentListSet(), 2) << "the results show with the new set";

    // Search 0 shares the set of "Other" now: linking "Other" elsewhere leaves it to search 0.
    KxSavedSearches(db).setListOptionsSet(0, linkOf(other));
    request.chosenSearch = other;
    request.listOptionsSet = KxSavedSearches::kNoListOptionsSet;
    dialogs.search = {};
    dialogs.search.request = request;
    modes.searchRecords();
    EXPECT_EQ(db.header().listSets.size(), 3u);
    EXPECT_EQ(linkOf(0), 1);
}

TEST_F(SearchListSetsTest, ASetMadeForAnOkThatFailsIsDeletedAllTheSame) {
    KxDatabase& db = doc.database();
    const std::uint8_t made = *kxMakeSearchListSet(db, {{1, KxSortDirection::Ascending}});
    KxSearchRequest request;
    request.advanced = true;
    request.chosenSearch = 5; // there is no such search
    request.listOptionsSet = made;
    request.rows = {KxSearchRow{0, KxSearchOperator::NotEmpty, std::nullopt}};
    dialogs.search.request = request;
    dialogs.search.unusedListSets = {made};
    EXPECT_THROW(modes.searchRecords(), KxDbError);
    EXPECT_EQ(db.header().listSets.size(), 1u);
    EXPECT_EQ(db.header().sortDefs.size(), 1u);
}
