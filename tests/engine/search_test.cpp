// Running searches: every operator on every kind of field, the search over all text and
// numeric fields, the category, several criteria together; and the saved searches' limits,
// stored values and renumbering.

#include "tests/support/EngineTestSupport.h"
#include "tests/support/TestDatabase.h"

#include "engine/KxCategoryEditor.h"
#include "engine/KxSavedSearches.h"
#include "engine/Search.h"
#include "engine/KxSearchChunk.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Op = KxSearchOperator;
using Hits = std::vector<std::size_t>;

enum Field : std::uint8_t { Name, Kind, Amount, Count, Total, Due, At, AtShort, Done };

class Search : public ::testing::Test {
protected:
    Search()
        : t({{KxFieldType::Text, "Name"},
             {KxFieldType::MultipleChoice, "Kind"},
             {KxFieldType::Number, "Amount"},
             {KxFieldType::Integer, "Count"},
             {KxFieldType::Calculation, "Total"},
             {KxFieldType::Date, "Due"},
             {KxFieldType::Time, "At"},
             {KxFieldType::Time, "At (hh:mm)", kFlagHideSeconds},
             {KxFieldType::Checkbox, "Done"}}),
          searches(t.db) {
        KxCategoryEditor cats(t.db);
        cats.setCategoryName(1, "Home");
        cats.setCategoryName(2, "Work");
        // Name        Kind  Amount Count Total Due         At           At (hh:mm)   Done
        t.addRecord({"Smith", "Red", "12.5", "12", "3", "1/15/2000", "10:30:45 AM", "10:30:45 AM", "yes"}, 1);
        t.addRecord({"BLACKSMITH", "red", "", "120", "#", "2/1/2000", "10:30:00 AM", "10:30:00 AM", "no"}, 0);
        t.addRecord({"Jones", "Blue", "120", "", "0", "", "9:00:00 AM", "9:00:00 AM", ""}, 2);
        t.addRecord({"", "", "-3", "-5", "", "1/15/2000", "", "10:31:00 AM", ""}, 0);
        t.addRecord({"smithers", "", "0.125", "0", "12.5", "12/31/1999", "11:00:00 PM", "", "yes"}, 1);
        // A Checkbox flag other than 1 is checked; a stored date that is no date is empty.
        const std::uint8_t flagTwo[] = {2, 0};
        t.db.record(3, false).setRawValue(Done, flagTwo);
        const std::uint8_t noDate[] = {0, 0, 0, 0};
        t.db.record(2, false).setRawValue(Due, noDate);
        searches.add();
    }

    // Adds a criterion to search 0; the value is typed as the field's value box would read it.
    void criterion(std::uint8_t field, Op op, const std::string& value = "") {
        const std::size_t c = searches.addCriterion(0, field, op);
        const int type = kxCriterionValueType(t.db.header(), field);
        if (type == 0 || value.empty()) return;
        FieldValue v = FieldValue::newValue(type);
        v.parseText(value);
        searches.setCriterionValue(0, c, &v);
    }

    Hits run() {
        kxRunSearch(t.db, 0);
        Hits hits;
        for (std::size_t i = 0; i < t.db.liveCount(); ++i)
            if (t.db.liveAttributes(i) & kAttrFound) hits.push_back(i);
        EXPECT_EQ(kxCountMarked(t.db), hits.size());
        return hits;
    }

    Hits find(std::uint8_t field, Op op, const std::string& value = "") {
        searches.clearCriteria(0);
        criterion(field, op, value);
        return run();
    }

    TestDatabase t;
    KxSavedSearches searches;
};

TEST_F(Search, TextContainsAndBeginsWithIgnoreCase) {
    EXPECT_EQ(find(Name, Op::Contains, "smi"), (Hits{0, 1, 4}));
    EXPECT_EQ(find(Name, Op::Contains, "SMITH"), (Hits{0, 1, 4}));
    EXPECT_EQ(find(Name, Op::BeginsWith, "smi"), (Hits{0, 4}));
    EXPECT_EQ(find(Name, Op::BeginsWith, "Smith"), (Hits{0, 4}));
    EXPECT_EQ(find(Name, Op::BeginsWith, "smithersx"), Hits{});
    EXPECT_EQ(find(Name, Op::Empty), (Hits{3}));
    EXPECT_EQ(find(Name, Op::NotEmpty), (Hits{0, 1, 2, 4}));
    for (Op op : {Op::Equal, Op::NotEqual, Op::Less, Op::Greater, Op::Checked, Op::Unchecked})
        EXPECT_EQ(find(Name, op, "Smith"), Hits{}) << int(op);
}

TEST_F(Search, MultipleChoiceFollowsTheTextRules) {
    EXPECT_EQ(find(Kind, Op::Contains, "RE"), (Hits{0, 1}));
    EXPECT_EQ(find(Kind, Op::BeginsWith, "b"), (Hits{2}));
    EXPECT_EQ(find(Kind, Op::Empty), (Hits{3, 4}));
    EXPECT_EQ(find(Kind, Op::NotEmpty), (Hits{0, 1, 2}));
}

TEST_F(Search, NumbersCompareAndEmptyMatchesOnlyEmpty) {
    EXPECT_EQ(find(Amount, Op::Greater, "10"), (Hits{0, 2}));
    EXPECT_EQ(find(Amount, Op::Less, "0"), (Hits{3}));
    EXPECT_EQ(find(Amount, Op::Equal, "12.5"), (Hits{0}));
    EXPECT_EQ(find(Amount, Op::NotEqual, "12.5"), (Hits{2, 3, 4}));
    EXPECT_EQ(find(Amount, Op::Empty), (Hits{1}));
    EXPECT_EQ(find(Amount, Op::NotEmpty), (Hits{0, 2, 3, 4}));
    EXPECT_EQ(find(Amount, Op::Contains, "12"), Hits{});
    EXPECT_EQ(find(Amount, Op::Checked), Hits{});
}

TEST_F(Search, IntegerNumbersKeepTheirCriterionAsAnInteger) {
    EXPECT_EQ(find(Count, Op::Greater, "10"), (Hits{0, 1}));
    ASSERT_EQ(t.db.searchChunk().searches[0].criteria[0].value.size(), 4u);
    EXPECT_EQ(find(Count, Op::Equal, "0"), (Hits{4}));
    EXPECT_EQ(find(Count, Op::Less, "0"), (Hits{3}));
    EXPECT_EQ(find(Count, Op::NotEqual, "12"), (Hits{1, 3, 4}));
    EXPECT_EQ(find(Count, Op::Empty), (Hits{2}));
    EXPECT_EQ(find(Count, Op::NotEmpty), (Hits{0, 1, 3, 4}));
}

// A failed calculation holds 0, and searches see that 0.
TEST_F(Search, CalculationsCompareTheirStoredResults) {
    EXPECT_EQ(find(Total, Op::Greater, "2"), (Hits{0, 4}));
    EXPECT_EQ(find(Total, Op::Equal, "0"), (Hits{1, 2}));
    EXPECT_EQ(find(Total, Op::Empty), (Hits{3}));
    EXPECT_EQ(find(Total, Op::NotEmpty), (Hits{0, 1, 2, 4}));
}

TEST_F(Search, DatesCompareByDayAndNotEqualNeverMatches) {
    EXPECT_EQ(find(Due, Op::Equal, "1/15/2000"), (Hits{0, 3}));
    EXPECT_EQ(find(Due, Op::Less, "1/15/2000"), (Hits{4}));
    EXPECT_EQ(find(Due, Op::Greater, "1/15/2000"), (Hits{1}));
    EXPECT_EQ(find(Due, Op::NotEqual, "1/15/2000"), Hits{});
    EXPECT_EQ(find(Due, Op::Empty), (Hits{2}));
    EXPECT_EQ(find(Due, Op::NotEmpty), (Hits{0, 1, 3, 4}));
}

TEST_F(Search, TimesCompareWithSecondsUnlessTheFormHidesThem) {
    EXPECT_EQ(find(At, Op::Equal, "10:30 AM"), (Hits{1}));
    EXPECT_EQ(find(At, Op::Less, "10:30:45 AM"), (Hits{1, 2}));
    EXPECT_EQ(find(At, Op::Greater, "10:30 AM"), (Hits{0, 4}));
    EXPECT_EQ(find(At, Op::Empty), (Hits{3}));

    EXPECT_EQ(find(AtShort, Op::Equal, "10:30 AM"), (Hits{0, 1}));
    EXPECT_EQ(find(AtShort, Op::Less, "10:31 AM"), (Hits{0, 1, 2}));
    EXPECT_EQ(find(AtShort, Op::Greater, "10:30:59 AM"), (Hits{3}));
    EXPECT_EQ(find(AtShort, Op::NotEqual, "10:30 AM"), Hits{});
    EXPECT_EQ(find(AtShort, Op::Empty), (Hits{4}));
    EXPECT_EQ(find(AtShort, Op::NotEmpty), (Hits{0, 1, 2, 3}));
}

TEST_F(Search, AStoredTimeThatIsNoTimeCountsAsEmpty) {
    const std::uint8_t noTime[] = {25, 0, 0, 0};
    t.db.record(4, false).setRawValue(At, noTime);
    EXPECT_EQ(find(At, Op::Empty), (Hits{3, 4}));
    EXPECT_EQ(find(At, Op::Greater, "1:00 AM"), (Hits{0, 1, 2}));
}

TEST_F(Search, AnEmptyCheckboxIsUnchecked) {
    EXPECT_EQ(find(Done, Op::Checked), (Hits{0, 3, 4}));
    EXPECT_EQ(find(Done, Op::Unchecked), (Hits{1, 2}));
    // An empty box matches every operator but "Is Checked"; a filled one only 7 and 8.
    EXPECT_EQ(find(Done, Op::Empty), (Hits{2}));
    EXPECT_EQ(find(Done, Op::Equal), (Hits{2}));
}

TEST_F(Search, ARecordWithoutAnyValueIsEmptyEverywhere) {
    t.addRecord({});
    EXPECT_EQ(find(Done, Op::Unchecked), (Hits{1, 2, 5}));
    EXPECT_EQ(find(Due, Op::Empty), (Hits{2, 5}));
    EXPECT_EQ(find(At, Op::Greater, "1:00 AM"), (Hits{0, 1, 2, 4}));
    EXPECT_EQ(find(Count, Op::Equal, "0"), (Hits{4}));
    EXPECT_EQ(find(kAnyField, Op::Contains, "1"), (Hits{0, 1, 2, 4}));
}

TEST_F(Search, AllFieldsSearchTextsAndNumbersWithFifteenDecimals) {
    EXPECT_EQ(find(kAnyField, Op::Contains, "12.5"), (Hits{0, 4}));
    EXPECT_EQ(find(kAnyField, Op::Contains, "12.500000000000000"), (Hits{0, 4}));
    EXPECT_EQ(find(kAnyField, Op::Contains, "0.125000000000000"), (Hits{4}));
    EXPECT_EQ(find(kAnyField, Op::BeginsWith, "12"), (Hits{0, 1, 2, 4}));
    EXPECT_EQ(find(kAnyField, Op::BeginsWith, "-5"), (Hits{3}));
    EXPECT_EQ(find(kAnyField, Op::Contains, "smi"), (Hits{0, 1, 4}));
    EXPECT_EQ(find(kAnyField, Op::Contains, "blue"), (Hits{2}));
    // A text with anything but digits, a minus sign and the decimal separator is never in a
    // number's text.
    EXPECT_EQ(find(kAnyField, Op::Contains, "12.5 "), Hits{});
    EXPECT_EQ(find(kAnyField, Op::BeginsWith, "120x"), Hits{});
    EXPECT_EQ(find(kAnyField, Op::Contains, "-"), (Hits{3}));
    EXPECT_EQ(find(kAnyField, Op::Contains, "."), (Hits{0, 2, 3, 4}));
    // Dates, times and check boxes are not looked at.
    EXPECT_EQ(find(kAnyField, Op::Contains, "2000"), Hits{});
    EXPECT_EQ(find(kAnyField, Op::Contains, "10:30"), Hits{});
    EXPECT_EQ(find(kAnyField, Op::Contains, "Yes"), Hits{});
    // Any one empty text or numeric field is enough.
    EXPECT_EQ(find(kAnyField, Op::Empty), (Hits{1, 2, 3, 4}));
    EXPECT_EQ(find(kAnyField, Op::NotEmpty), (Hits{0, 1, 2, 3, 4}));
}

TEST_F(Search, CategoryMatchesItsNameIgnoringCase) {
    EXPECT_EQ(find(kCategoryField, Op::Equal, "unfiled"), (Hits{1, 3}));
    EXPECT_EQ(find(kCategoryField, Op::Equal, "UNFILED"), (Hits{1, 3}));
    EXPECT_EQ(find(kCategoryField, Op::Equal, "home"), (Hits{0, 4}));
    EXPECT_EQ(find(kCategoryField, Op::NotEqual, "Home"), (Hits{1, 2, 3}));
    EXPECT_EQ(find(kCategoryField, Op::Equal, "Hom"), Hits{});
}

TEST_F(Search, EveryCriterionMustMatch) {
    criterion(Name, Op::Contains, "smi");
    criterion(Amount, Op::Greater, "1");
    criterion(Done, Op::Checked);
    EXPECT_EQ(run(), (Hits{0}));
}

TEST_F(Search, ASearchWithoutCriteriaUnmarksEverything) {
    EXPECT_EQ(find(Name, Op::NotEmpty).size(), 4u);
    searches.clearCriteria(0);
    EXPECT_EQ(run(), Hits{});
}

TEST_F(Search, DeletedRecordsAreNeverSearched) {
    t.addDeletedRecord({"Smith"});
    EXPECT_EQ(find(Name, Op::BeginsWith, "smith"), (Hits{0, 4}));
    EXPECT_EQ(kxRunSearch(t.db, 0), 2u);
}

TEST_F(Search, ProgressCountsRecords) {
    std::vector<std::pair<std::uint32_t, std::uint32_t>> calls;
    t.db.setProgress([&](std::uint32_t done, std::uint32_t total) { calls.emplace_back(done, total); });
    find(Name, Op::Empty);
    EXPECT_EQ(calls, (std::vector<std::pair<std::uint32_t, std::uint32_t>>{{1, 5}, {2, 5}, {3, 5}, {4, 5}, {5, 5}}));
}

TEST_F(Search, AMissingSearchIsRefused) {
    EXPECT_EQ(thrownBy([&] { kxRunSearch(t.db, 1); }), KxDbError::LimitReached);
}

// --- stored criterion values ---

TEST_F(Search, CriterionValuesReadBackAsTheirFieldsKeepThem) {
    criterion(Count, Op::Equal, "42");
    criterion(Total, Op::Equal, "2.5");
    criterion(Done, Op::Checked, "yes");
    criterion(kCategoryField, Op::Equal, "Home");
    auto count = searches.criterionValue(0, 0);
    ASSERT_TRUE(count);
    EXPECT_EQ(count->type(), 3);
    EXPECT_EQ(count->integer(), 42);
    auto total = searches.criterionValue(0, 1);
    ASSERT_TRUE(total);
    EXPECT_EQ(total->type(), 4);
    EXPECT_EQ(total->number(), 2.5);
    FieldValue checked = FieldValue::newValue(7);
    checked.setChecked(true);
    searches.setCriterionValue(0, 2, &checked);
    EXPECT_FALSE(searches.criterionValue(0, 2)) << "a Checkbox criterion keeps no value";
    EXPECT_EQ(searches.criterionValue(0, 3)->text(), "Home");
}

// The value box of a number field may hand over a value of another type; the criterion
// keeps it as its own type so that it reads back as what was meant.
TEST_F(Search, AValueOfAnotherTypeIsStoredAsTheCriterionsType) {
    criterion(Count, Op::Greater);
    FieldValue typed = FieldValue::newValue(4);
    typed.setNumber(10.75);
    searches.setCriterionValue(0, 0, &typed);
    ASSERT_EQ(t.db.searchChunk().searches[0].criteria[0].value.size(), 4u);
    EXPECT_EQ(searches.criterionValue(0, 0)->integer(), 10);
    EXPECT_EQ(run(), (Hits{0, 1}));

    criterion(Total, Op::Equal);
    FieldValue result = FieldValue::newValue(9);
    result.setCalcResult(3, false);
    searches.setCriterionValue(0, 1, &result);
    EXPECT_EQ(searches.criterionValue(0, 1)->number(), 3.0);

    criterion(Name, Op::Contains);
    FieldValue number = FieldValue::newValue(3);
    number.setInteger(77);
    searches.setCriterionValue(0, 2, &number);
    EXPECT_EQ(searches.criterionValue(0, 2)->text(), "77");
}

// --- limits and renumbering ---

TEST_F(Search, TheTwentyFirstSearchAndTheTwoHundredFiftyFirstCriterionAreRefused) {
    while (searches.count() < 20) searches.add();
    EXPECT_EQ(thrownBy([&] { searches.add(); }), KxDbError::LimitReached);
    EXPECT_EQ(searches.count(), 20u);
    for (int i = 0; i < 250; ++i) searches.addCriterion(5, Name, Op::NotEmpty);
    EXPECT_EQ(thrownBy([&] { searches.addCriterion(5, Name, Op::NotEmpty); }), KxDbError::LimitReached);
    EXPECT_EQ(searches.criterionCount(5), 250u);
}

TEST_F(Search, TheChunkNeverPasses65280Bytes) {
    // 12 fixed bytes, one search of 32, one criterion of 10 with a 65196-byte text: 65250.
    criterion(Name, Op::Contains, std::string(65195, 'x'));
    const KxSearchChunk& chunk = t.db.searchChunk();
    ASSERT_EQ(chunk.byteSize(), 65250u);
    EXPECT_EQ(thrownBy([&] { searches.add(); }), KxDbError::TooLarge);
    EXPECT_EQ(searches.count(), 1u);
    searches.addCriterion(0, Name, Op::Empty);
    searches.addCriterion(0, Name, Op::Empty);
    searches.addCriterion(0, Name, Op::Empty); // exactly 65280
    EXPECT_EQ(chunk.byteSize(), 65280u);
    EXPECT_EQ(thrownBy([&] { searches.addCriterion(0, Name, Op::Empty); }), KxDbError::TooLarge);
    EXPECT_EQ(searches.criterionCount(0), 4u);
    FieldValue longer = FieldValue::newValue(1);
    longer.setText(std::string(65197, 'y'));
    EXPECT_EQ(thrownBy([&] { searches.setCriterionValue(0, 0, &longer); }), KxDbError::TooLarge);
    EXPECT_EQ(searches.criterionValue(0, 0)->text().size(), 65195u);
}

TEST_F(Search, DeletingASearchRenumbersTheCurrentOne) {
    for (const char* name : {"one", "two", "three", "four"}) searches.setName(searches.add(), name);
    searches.setCurrent(3);
    searches.remove(4);
    EXPECT_EQ(searches.current(), 3u);
    searches.remove(1);
    EXPECT_EQ(searches.current(), 2u);
    EXPECT_EQ(searches.name(2), "three");
    searches.remove(2);
    EXPECT_EQ(searches.current(), 0u);
    EXPECT_EQ(searches.count(), 2u);
    EXPECT_EQ(searches.name(1), "two");
    EXPECT_EQ(thrownBy([&] { searches.remove(2); }), KxDbError::LimitReached);
}

// A criterion on a missing field, or a link to a missing list options set, would keep the
// file from opening again.
TEST_F(Search, MissingFieldsAndListOptionsSetsAreRefused) {
    EXPECT_EQ(thrownBy([&] { searches.addCriterion(0, 9, Op::Empty); }), KxDbError::LimitReached);
    EXPECT_EQ(searches.criterionCount(0), 0u);
    searches.addCriterion(0, kCategoryField, Op::Equal);
    EXPECT_EQ(thrownBy([&] { searches.setCriterionField(0, 0, 200); }), KxDbError::LimitReached);
    EXPECT_EQ(searches.criterionField(0, 0), kCategoryField);
    searches.setCriterionField(0, 0, Done);
    EXPECT_EQ(thrownBy([&] { searches.setListOptionsSet(0, 1); }), KxDbError::LimitReached);
    searches.setListOptionsSet(0, 0);
    searches.setListOptionsSet(0, KxSavedSearches::kNoListOptionsSet);
    EXPECT_EQ(searches.listOptionsSet(0), 255);
}

TEST_F(Search, NamesAreCutToTwentyCharacters) {
    searches.setName(0, "A name of more than twenty characters");
    EXPECT_EQ(searches.name(0), "A name of more than ");
}

} // namespace
