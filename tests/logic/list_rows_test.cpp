// The list's rules without widgets: the look-up's bisection over sorted rows, whether an
// edited record sits in its sorted place, the category filter's entry, and dragging a column
// divider.

#include "tests/support/TestDatabase.h"

#include "engine/KxCategoryEditor.h"
#include "engine/Sort.h"
#include "views/ListRows.h"

#include <gtest/gtest.h>

namespace {
const std::vector<TestField> kFruitFields{{KxFieldType::Text, "Name"}, {KxFieldType::Number, "Price"}};

// The fruit sorted on `field` in `direction`, with the rows of every live record.
struct SortedFruit {
    SortedFruit(std::uint8_t field, KxSortDirection direction) : t(kFruitFields) {
        for (const auto& r : std::vector<std::vector<std::string>>{
                 {"Cherry", "20"}, {"apple", "5"}, {"Blueberry", "100"}, {"banana", "12"}, {"", ""}})
            t.addRecord(r);
        kxApplyListOptions(t.db, {{field, direction}}, false);
        kxSortRecords(t.db);
        rows = kxRowsInView(t.db, false, kAllCategories);
    }
    std::optional<std::size_t> find(std::uint8_t field, bool ascending, const std::string& typed) const {
        return kxLookupRow(t.db, false, rows, field, ascending, typed);
    }
    TestDatabase t;
    std::vector<std::uint32_t> rows;
};
} // namespace

TEST(ListRowsLookup, TextFindsTheFirstRowStartingWithTheTypedTextInEitherCase) {
    SortedFruit up(0, KxSortDirection::Ascending);
    ASSERT_EQ(up.t.column(0), (std::vector<std::string>{"", "apple", "banana", "Blueberry", "Cherry"}));
    EXPECT_EQ(up.find(0, true, "b"), 2u);
    EXPECT_EQ(up.find(0, true, "BL"), 3u);
    EXPECT_EQ(up.find(0, true, "c"), 4u);
    EXPECT_EQ(up.find(0, true, "bx"), std::nullopt);
    EXPECT_EQ(up.find(0, true, "z"), std::nullopt);

    SortedFruit down(0, KxSortDirection::Descending);
    ASSERT_EQ(down.t.column(0), (std::vector<std::string>{"Cherry", "Blueberry", "banana", "apple", ""}));
    EXPECT_EQ(down.find(0, false, "b"), 1u);
    EXPECT_EQ(down.find(0, false, "ba"), 2u);
    EXPECT_EQ(down.find(0, false, "a"), 3u);
}

TEST(ListRowsLookup, NumbersCompareValuesThenStepToACellStartingWithTheText) {
    SortedFruit up(1, KxSortDirection::Ascending);
    ASSERT_EQ(up.t.column(1), (std::vector<std::string>{"", "5", "12", "20", "100"}));
    EXPECT_EQ(up.find(1, true, "2"), 3u);
    EXPECT_EQ(up.find(1, true, "1"), 2u) << "12 is the first value at or above 1 that starts with 1";
    EXPECT_EQ(up.find(1, true, "3"), std::nullopt);
    EXPECT_EQ(up.find(1, true, "x"), std::nullopt) << "not a number";

    SortedFruit down(1, KxSortDirection::Descending);
    ASSERT_EQ(down.t.column(1), (std::vector<std::string>{"100", "20", "12", "5", ""}));
    EXPECT_EQ(down.find(1, false, "1"), 2u) << "from the values at or below 1, back towards greater ones";
    EXPECT_EQ(down.find(1, false, "5"), 3u);
}

TEST(ListRowsLookup, NoRowsOrAFieldPastTheSchemaFindNothing) {
    SortedFruit fruit(0, KxSortDirection::Ascending);
    EXPECT_EQ(kxLookupRow(fruit.t.db, false, {}, 0, true, "a"), std::nullopt);
    EXPECT_EQ(fruit.find(7, true, "a"), std::nullopt);
}

TEST(ListRowsSortedPlace, ARecordBetweenItsNeighboursStaysAndOneOutOfOrderMoves) {
    SortedFruit fruit(0, KxSortDirection::Ascending);
    for (std::size_t i = 0; i < fruit.t.db.liveCount(); ++i) EXPECT_TRUE(kxInSortedPlace(fruit.t.db, false, i));
    fruit.t.db.record(2, false).setValue(0, *fruit.t.parse(0, "bananas")); // still before Blueberry
    EXPECT_TRUE(kxInSortedPlace(fruit.t.db, false, 2));
    fruit.t.db.record(2, false).setValue(0, *fruit.t.parse(0, "date"));
    EXPECT_FALSE(kxInSortedPlace(fruit.t.db, false, 2));
    EXPECT_FALSE(kxInSortedPlace(fruit.t.db, false, 3)) << "its neighbour is out of order too";
    EXPECT_TRUE(kxInSortedPlace(fruit.t.db, false, 0)) << "the first record only compares with the next";

    // The deleted records keep an order of their own.
    fruit.t.db.deleteRecord(4);
    EXPECT_TRUE(kxInSortedPlace(fruit.t.db, true, 0));
}

TEST(ListRowsSortedPlace, WithoutSortKeysEveryRecordIsInPlace) {
    TestDatabase t(kFruitFields);
    t.addRecord({"b"});
    t.addRecord({"a"});
    EXPECT_TRUE(kxInSortedPlace(t.db, false, 0));
    EXPECT_TRUE(kxInSortedPlace(t.db, false, 1));
}

TEST(ListRowsCategories, TheFilterSelectsItsOwnEntryElseAllElseUnfiled) {
    TestDatabase t(kFruitFields);
    KxCategoryEditor(t.db).setCategoryName(3, std::string("Bowl"));
    const auto choices = kxCategoryChoices(t.db, true, true);
    ASSERT_EQ(choices.size(), 4u); // All, Bowl, Unfiled, Edit Categories...
    EXPECT_EQ(kxCategoryChoiceIndex(choices, 3), 1u);
    EXPECT_EQ(kxCategoryChoiceIndex(choices, 0), 2u);
    EXPECT_EQ(kxCategoryChoiceIndex(choices, 9), 0u) << "a category without a name shows All";
    const auto withoutAll = kxCategoryChoices(t.db, false, false);
    EXPECT_EQ(withoutAll.back().data, 0);
    EXPECT_EQ(kxCategoryChoiceIndex(withoutAll, 9), 1u) << "then Unfiled";
}

TEST(ListRowsDivider, TheTwoColumnsKeepTheirSumAndNeitherPassesAHundred) {
    EXPECT_EQ(kxDragDivider(50, 50, 100, 400).left, 25);
    EXPECT_EQ(kxDragDivider(50, 50, 100, 400).right, 75);
    EXPECT_EQ(kxDragDivider(30, 20, 400, 400).left, 50) << "the drop point past both columns stops at their end";
    EXPECT_EQ(kxDragDivider(30, 20, -5, 400).left, 0);
    EXPECT_EQ(kxDragDivider(30, 20, -5, 400).right, 50);
    const KxColumnPair capped = kxDragDivider(90, 80, 300, 340);
    EXPECT_EQ(capped.left, 100);
    EXPECT_EQ(capped.right, 70);
    const KxColumnPair hidden = kxDragDivider(40, 60, 10, 0);
    EXPECT_EQ(hidden.left, 40) << "columns without pixels keep their widths";
    EXPECT_EQ(hidden.right, 60);
}
