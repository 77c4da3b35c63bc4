// What the Search Records dialog decides, without the dialog: the search it opens on, its
// boxes' entries, and the list options set its search is linked to, made, dropped and
// renumbered.

#include "tests/logic/doc_test_support.h"

#include "engine/KxCategoryEditor.h"
#include "engine/KxSavedSearches.h"
#include "app/KxSearchEditing.h"

namespace {
class SearchEditingTest : public DocTest {
  protected:
    SearchEditingTest() {
        createDatabase({"Name", "City"});
        addRecord({"Smith", "Oslo"});
        KxSavedSearches(doc.database()).add();
    }
    // A named search; with a criterion on Name when `withCriterion`.
    std::size_t search(const std::string& name, bool withCriterion) {
        KxSavedSearches searches(doc.database());
        const std::size_t s = searches.add();
        searches.setName(s, name);
        if (withCriterion) searches.addCriterion(s, 0, KxSearchOperator::Contains);
        return s;
    }
    std::size_t setCount() const { return doc.database().header().listSets.size(); }
    const std::vector<KxListOptionsColumn> byCity{{1, KxSortDirection::Descending}};
};
} // namespace

TEST_F(SearchEditingTest, OpensOnTheCurrentSearchOrOnASearchChosenFromTheMenu) {
    const std::size_t empty = search("Empty", false);
    EXPECT_EQ(KxSearchEditing(doc, std::nullopt).start().search, 0u);
    const KxSearchEditing chosen(doc, empty);
    EXPECT_EQ(chosen.start().search, empty);
    EXPECT_TRUE(chosen.start().advanced) << "a named search opens the advanced mode";
    EXPECT_EQ(KxSearchEditing(doc, 9).start().search, 0u) << "a search that does not exist";
}

TEST_F(SearchEditingTest, TheBoxesOfferTheFieldsTheCategoriesAndTheSearchNames) {
    KxCategoryEditor(doc.database()).setCategoryName(1, std::string("Home"));
    search("Mine", true);
    const KxSearchEditing model(doc, std::nullopt);
    const auto first = model.fieldEntries(0);
    ASSERT_EQ(first.size(), 4u);
    EXPECT_EQ(first.front(), (KxSearchEditing::Entry{"All text & numeric fields", kAnyField}));
    EXPECT_EQ(first[1], (KxSearchEditing::Entry{"Name", 0}));
    EXPECT_EQ(first.back().second, kCategoryField);
    EXPECT_EQ(model.fieldEntries(1).front(), (KxSearchEditing::Entry{"No fields", KxSearchEditing::kNoFields}));
    EXPECT_EQ(KxSearchEditing::startEntry(0, 4), 1) << "row 1 starts on the first field";
    EXPECT_EQ(KxSearchEditing::startEntry(0, 2), 0) << "no field before Category";
    EXPECT_EQ(KxSearchEditing::startEntry(2, 5), 0) << "rows 2 and 3 on No fields";

    EXPECT_EQ(model.categoryNames(), (std::vector<std::string>{"Home", "Unfiled"}));
    const auto names = model.nameEntries();
    ASSERT_EQ(names.size(), 3u);
    EXPECT_EQ(names[0].second, 0);
    EXPECT_EQ(names[1], (KxSearchEditing::Entry{"Mine", 1}));
    EXPECT_EQ(names[2], (KxSearchEditing::Entry{"Edit Names...", KxSearchEditing::kEditNamesItem}));
}

TEST_F(SearchEditingTest, ChoosingASearchLoadsItsRowsUnlessTheTypedOnesAreKeptForASearchWithout) {
    const std::size_t full = search("Full", true);
    const std::size_t empty = search("Empty", false);
    KxSearchEditing model(doc, std::nullopt);
    const auto rows = model.chooseSearch(full, false);
    ASSERT_TRUE(rows.has_value());
    EXPECT_EQ(rows->size(), 1u);
    EXPECT_EQ(model.chooseSearch(empty, true), std::nullopt);
    EXPECT_TRUE(model.chooseSearch(empty, false).has_value());
    EXPECT_TRUE(model.chooseSearch(full, true).has_value());
}

TEST_F(SearchEditingTest, ASetMadeHereGoesOnCancelAndWhenAnotherSearchIsChosen) {
    const std::size_t before = setCount();
    const std::size_t other = search("Other", false);
    {
        KxSearchEditing model(doc, std::nullopt);
        EXPECT_EQ(model.listOptionsStart(), doc.mainListSet()) << "no set of its own yet";
        ASSERT_TRUE(model.listOptionsChosen(byCity));
        EXPECT_EQ(setCount(), before + 1);
        EXPECT_EQ(model.listOptionsStart(), model.listOptionsSet()) << "editing again starts from it";
        EXPECT_TRUE(doc.isModified());
        model.reject();
        EXPECT_EQ(setCount(), before);
    }
    KxSearchEditing model(doc, std::nullopt);
    ASSERT_TRUE(model.listOptionsChosen(byCity));
    model.chooseSearch(other, false);
    EXPECT_EQ(setCount(), before) << "the set no search names went";
    EXPECT_EQ(model.listOptionsSet(), KxSavedSearches::kNoListOptionsSet);
}

TEST_F(SearchEditingTest, OkHandsTheMadeSetOnAndRenumbersWhatItHoldsAfterADeletion) {
    KxSearchEditing model(doc, std::nullopt);
    ASSERT_TRUE(model.listOptionsChosen(byCity));
    const std::uint8_t first = model.listOptionsSet();
    ASSERT_TRUE(model.listOptionsChosen({{0, KxSortDirection::Ascending}}));
    // The first set went; the second took its number.
    EXPECT_EQ(model.listOptionsSet(), first);

    model.namesEdited(true, {7});
    KxSearchRequest request;
    const KxSearchDialogResult& result = model.accept(request);
    ASSERT_TRUE(result.request.has_value());
    EXPECT_EQ(result.request->listOptionsSet, first);
    EXPECT_TRUE(result.searchesEdited);
    EXPECT_EQ(result.unusedListSets, (std::vector<std::uint8_t>{7, first}))
        << "the made set goes afterwards should storing the request not link it";
    model.reject();
    EXPECT_EQ(setCount(), static_cast<std::size_t>(first) + 1) << "after OK, Cancel's clean-up has nothing to do";
}
