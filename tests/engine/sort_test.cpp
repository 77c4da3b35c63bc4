// The record order: comparison of two records with empty values, check boxes and the
// identity tie-break; the quicksort against std::stable_sort; deleted records; progress;
// where a deleted, undeleted or edited record lands; and what the List Options dialog stores.

#include "tests/support/EngineTestSupport.h"
#include "tests/support/TestDatabase.h"

#include "engine/Sort.h"
#include "engine/values/ValueCompare.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr auto Asc = KxSortDirection::Ascending;
constexpr auto Desc = KxSortDirection::Descending;

std::vector<KxRecordIdentity> liveOrder(const KxDatabase& db) {
    std::vector<KxRecordIdentity> ids;
    for (std::size_t i = 0; i < db.liveCount(); ++i) ids.push_back(db.identityOf(i));
    return ids;
}

std::vector<KxRecordIdentity> deletedOrder(const KxDatabase& db) {
    std::vector<KxRecordIdentity> ids;
    for (std::size_t i = 0; i < db.deletedCount(); ++i) ids.push_back(db.identityOfDeleted(i));
    return ids;
}

// --- the comparison ---

TEST(SortOrder, EmptyNumbersComeFirstAscendingAndLastDescending) {
    TestDatabase t({{KxFieldType::Number, "Amount"}});
    t.addRecord({"5"});
    t.addRecord({""});
    t.addRecord({"-2"});
    t.addRecord({"12.5"});
    t.setSortKeys({{0, Asc}});
    kxSortRecords(t.db);
    EXPECT_EQ(t.column(0), (std::vector<std::string>{"", "-2", "5", "12.5"}));
    t.setSortKeys({{0, Desc}});
    kxSortRecords(t.db);
    EXPECT_EQ(t.column(0), (std::vector<std::string>{"12.5", "5", "-2", ""}));
}

TEST(SortOrder, EmptyTextsAndDatesComeFirst) {
    TestDatabase t({{KxFieldType::Text, "Name"}, {KxFieldType::Date, "Due"}});
    t.addRecord({"beta", "3/1/2001"});
    t.addRecord({"", "1/1/1999"});
    t.addRecord({"Alpha", ""});
    t.setSortKeys({{0, Asc}});
    kxSortRecords(t.db);
    EXPECT_EQ(t.column(0), (std::vector<std::string>{"", "Alpha", "beta"}));
    t.setSortKeys({{1, Asc}});
    kxSortRecords(t.db);
    EXPECT_EQ(t.column(1), (std::vector<std::string>{"", "1/1/1999", "3/1/2001"}));
}

TEST(SortOrder, TextIgnoresCaseAndPutsAccentedLettersAfterTheirBase) {
    TestDatabase t({{KxFieldType::Text, "Name"}});
    for (const char* name : {"banana", "\xE9lan", "Apple", "ELK", "apples", "Elan"})
        t.addRecord({name});
    t.setSortKeys({{0, Asc}});
    kxSortRecords(t.db);
    EXPECT_EQ(t.column(0), (std::vector<std::string>{"Apple", "apples", "banana", "Elan", "ELK",
                                                     "\xE9lan"}));
}

// Texts that agree in their first eight letters are told apart by the rest, whatever their
// case, and the shorter of two otherwise equal texts comes first.
TEST(SortOrder, TextsWithALongCommonBeginningCompareTheirWholeText) {
    TestDatabase t({{KxFieldType::Text, "Name"}});
    for (const char* name : {"Johnson, Paul", "JOHNSON, ANN", "johnson, \xE9mile", "Johnson, Emily", "johnson",
                             "Johnson, Ann Marie", "Johnsonville"})
        t.addRecord({name});
    t.setSortKeys({{0, Asc}});
    kxSortRecords(t.db);
    EXPECT_EQ(t.column(0), (std::vector<std::string>{"johnson", "JOHNSON, ANN", "Johnson, Ann Marie", "Johnson, Emily",
                                                     "johnson, \xE9mile", "Johnson, Paul", "Johnsonville"}));
    t.setSortKeys({{0, Desc}});
    kxSortRecords(t.db);
    EXPECT_EQ(t.column(0).front(), "Johnsonville");
    EXPECT_EQ(t.column(0).back(), "johnson");
}

// An empty Checkbox is unchecked; every non-zero flag is checked and all of them are equal,
// so the identities decide between them.
TEST(SortOrder, CheckboxesCompareAsCheckedOrNotAndTiesFollowIdentity) {
    TestDatabase t({{KxFieldType::Checkbox, "Done"}, {KxFieldType::Text, "Name"}});
    t.setIdentity(t.addRecord({"yes", "checked-10"}), 10, 0);
    t.setIdentity(t.addRecord({"", "empty-30"}), 30, 0);
    t.setIdentity(t.addRecord({"no", "unchecked-20"}), 20, 0);
    const std::size_t two = t.addRecord({"", "flag2-5"});
    const std::uint8_t flagTwo[] = {2, 0};
    t.db.record(two, false).setRawValue(0, flagTwo);
    t.setIdentity(two, 5, 0);

    t.setSortKeys({{0, Asc}});
    kxSortRecords(t.db);
    EXPECT_EQ(t.column(1),
              (std::vector<std::string>{"unchecked-20", "empty-30", "flag2-5", "checked-10"}));
    t.setSortKeys({{0, Desc}});
    kxSortRecords(t.db);
    EXPECT_EQ(t.column(1),
              (std::vector<std::string>{"checked-10", "flag2-5", "empty-30", "unchecked-20"}));
}

// A record without any value has no value bytes at all to read from.
TEST(SortOrder, ARecordWithoutAnyValueSortsAsEmptyAndUnchecked) {
    TestDatabase t({{KxFieldType::Checkbox, "Done"}, {KxFieldType::Number, "Amount"}});
    t.setIdentity(t.addRecord({"yes", "1"}), 1, 0);
    t.setIdentity(t.addRecord({}), 2, 0);
    t.setIdentity(t.addRecord({"no", "2"}), 3, 0);
    t.setSortKeys({{0, Desc}, {1, Asc}});
    kxSortRecords(t.db);
    EXPECT_EQ(t.column(1), (std::vector<std::string>{"1", "", "2"}));
}

TEST(SortOrder, EqualRecordsFollowCreationThenSequenceThenUserReversedWhenDescending) {
    TestDatabase t({{KxFieldType::Integer, "Count"}, {KxFieldType::Text, "Name"}});
    t.setIdentity(t.addRecord({"1", "c"}), 200, 0, 1);
    t.setIdentity(t.addRecord({"1", "a"}), 100, 7, 9);
    t.setIdentity(t.addRecord({"1", "d"}), 200, 0, 2);
    t.setIdentity(t.addRecord({"1", "b"}), 200, 0, 0);
    t.setIdentity(t.addRecord({"1", "e"}), 0xFFFFFFF0u, 0, 0); // unsigned: the latest
    t.setIdentity(t.addRecord({"1", "a2"}), 100, 8, 0);
    t.setSortKeys({{0, Asc}});
    kxSortRecords(t.db);
    EXPECT_EQ(t.column(1), (std::vector<std::string>{"a", "a2", "b", "c", "d", "e"}));
    t.setSortKeys({{0, Desc}});
    kxSortRecords(t.db);
    EXPECT_EQ(t.column(1), (std::vector<std::string>{"e", "d", "c", "b", "a2", "a"}));
}

// The tie-break follows the first key's direction, even when a later key decided nothing.
TEST(SortOrder, SecondaryKeysDecideOnlyWhenTheFirstTies) {
    TestDatabase t({{KxFieldType::Number, "Amount"}, {KxFieldType::Date, "Due"},
                    {KxFieldType::Text, "Name"}});
    t.setIdentity(t.addRecord({"1", "2/1/2000", "p"}), 1, 0);
    t.setIdentity(t.addRecord({"2", "1/1/2000", "q"}), 2, 0);
    t.setIdentity(t.addRecord({"1", "1/1/2000", "r"}), 3, 0);
    t.setIdentity(t.addRecord({"1", "2/1/2000", "s"}), 4, 0);
    t.setSortKeys({{0, Asc}, {1, Desc}});
    kxSortRecords(t.db);
    EXPECT_EQ(t.column(2), (std::vector<std::string>{"p", "s", "r", "q"}));
    t.setSortKeys({{0, Desc}, {1, Asc}});
    kxSortRecords(t.db);
    EXPECT_EQ(t.column(2), (std::vector<std::string>{"q", "r", "s", "p"}));
}

TEST(SortOrder, NoKeyWithADirectionLeavesTheOrderAlone) {
    TestDatabase t({{KxFieldType::Text, "Name"}});
    for (const char* name : {"c", "a", "b"}) t.addRecord({name});
    t.setSortKeys({{0, KxSortDirection::None}});
    EXPECT_TRUE(kxSortKeys(t.db).empty());
    kxSortRecords(t.db);
    EXPECT_EQ(t.column(0), (std::vector<std::string>{"c", "a", "b"}));
}

TEST(SortOrder, KeysWithoutDirectionAreSkipped) {
    TestDatabase t({{KxFieldType::Text, "Name"}, {KxFieldType::Integer, "Count"}});
    t.setSortKeys({{0, KxSortDirection::None}, {1, Desc}, {0, Asc}});
    const auto keys = kxSortKeys(t.db);
    ASSERT_EQ(keys.size(), 2u);
    EXPECT_EQ(keys[0].field, 1);
    EXPECT_EQ(keys[0].direction, Desc);
    EXPECT_EQ(keys[1].field, 0);
}

TEST(SortOrder, DeletedRecordsAreSortedAmongThemselvesAfterTheLiveOnes) {
    TestDatabase t({{KxFieldType::Integer, "Count"}});
    for (const char* n : {"5", "1", "9"}) t.addRecord({n});
    for (const char* n : {"4", "0", "8", "2"}) t.addDeletedRecord({n});
    t.setSortKeys({{0, Asc}});
    kxSortRecords(t.db);
    EXPECT_EQ(t.column(0), (std::vector<std::string>{"1", "5", "9"}));
    std::vector<std::string> deleted;
    for (std::size_t j = 0; j < t.db.deletedCount(); ++j) deleted.push_back(t.deletedText(j, 0));
    EXPECT_EQ(deleted, (std::vector<std::string>{"0", "2", "4", "8"}));
}

// --- the sort against the standard library ---

// One field of every sortable kind, each drawing from a few values so that keys tie often.
class RandomRecords {
public:
    explicit RandomRecords(unsigned seed)
        : t({{KxFieldType::Text, "Text"},
             {KxFieldType::Number, "Number"},
             {KxFieldType::Integer, "Integer"},
             {KxFieldType::Date, "Date"},
             {KxFieldType::Time, "Time"},
             {KxFieldType::Checkbox, "Check"},
             {KxFieldType::Calculation, "Calc"},
             {KxFieldType::MultipleChoice, "Choice"}}),
          rng(seed) {}

    void fill(std::size_t live, std::size_t deleted) {
        static const std::vector<std::vector<std::string>> pools = {
            {"", "alpha", "Alpha", "ALPHA", "beta", "Beta", "gamma", "\xE9lan", "elan", "al"},
            {"", "0", "-1.5", "2", "10", "2.000", "-0.0000001", "123456789012345"},
            {"", "-3", "0", "7", "2147483647", "-2147483648"},
            {"", "1/2/2000", "12/31/1999", "2/29/2000", "9/14/1752", "1/1/3000"},
            {"", "10:30:00 AM", "1:00:00 PM", "10:30:45 AM", "11:59:59 PM"},
            {"", "yes", "no"},
            {"", "#", "3", "0", "-7.25"},
            {"", "x", "X", "y"},
        };
        for (std::size_t r = 0; r < live + deleted; ++r) {
            std::vector<std::string> texts;
            for (const auto& pool : pools) texts.push_back(pool[pick(pool.size())]);
            const std::size_t i = t.addRecord(texts);
            if (pick(8) == 0) { // a Checkbox flag other than 1 is checked too
                const std::uint8_t flag[] = {static_cast<std::uint8_t>(2 + pick(200)), 0};
                t.db.record(i, false).setRawValue(5, flag);
            }
            // Creation seconds and sequence numbers repeat; the user id keeps identities apart.
            t.setIdentity(i, 1000 + static_cast<std::uint32_t>(pick(30)),
                          static_cast<std::uint16_t>(pick(4)), static_cast<std::uint32_t>(r));
            if (r >= live) t.db.deleteRecord(i);
        }
    }

    std::size_t pick(std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(rng); }

    TestDatabase t;
    std::mt19937 rng;
};

// The comparison written out from its rules on raw values: an empty Checkbox reads as
// unchecked, any other empty value is the smaller, and the identity breaks ties.
int referenceCompare(const KxDatabase& db, const std::vector<KxSortKey>& keys,
                     const KxRecordChunk& a, const KxRecordChunk& b) {
    static const std::uint8_t unchecked[2] = {0, 0};
    for (const KxSortKey& key : keys) {
        const int type = static_cast<int>(db.header().fields[key.field].type);
        auto x = a.value(key.field);
        auto y = b.value(key.field);
        if (type == 7) {
            if (x.empty()) x = unchecked;
            if (y.empty()) y = unchecked;
        }
        int c = 0;
        if (!x.empty() && !y.empty())
            c = kxCompareRaw(type, x, y);
        else if (x.empty() != y.empty())
            c = x.empty() ? -1 : 1;
        if (c != 0) return key.direction == Desc ? -c : c;
    }
    const auto& p = a.identity;
    const auto& q = b.identity;
    int c = 0;
    if (p.created != q.created) c = p.created < q.created ? -1 : 1;
    else if (p.sequence != q.sequence) c = p.sequence < q.sequence ? -1 : 1;
    else if (p.userId != q.userId) c = p.userId < q.userId ? -1 : 1;
    return keys.front().direction == Desc ? -c : c;
}

std::vector<KxRecordIdentity> stableSorted(const KxDatabase& db, const std::vector<KxSortKey>& keys,
                                           bool deleted) {
    std::vector<const KxRecordChunk*> records;
    const std::size_t n = deleted ? db.deletedCount() : db.liveCount();
    for (std::size_t i = 0; i < n; ++i)
        records.push_back(deleted ? &db.deletedChunk(i) : &db.liveChunk(i));
    std::stable_sort(records.begin(), records.end(), [&](const KxRecordChunk* a, const KxRecordChunk* b) {
        return kxCompareRecords(db, keys, *a, *b) < 0;
    });
    std::vector<KxRecordIdentity> ids;
    for (const auto* r : records) ids.push_back(r->identity);
    return ids;
}

TEST(SortRandomized, CompareRecordsFollowsTheRulesOnRawValues) {
    RandomRecords data(7);
    data.fill(600, 0);
    const KxDatabase& db = data.t.db;
    for (std::uint8_t field = 0; field < 8; ++field) {
        for (auto dir : {Asc, Desc}) {
            const std::vector<KxSortKey> keys = {{field, dir}, {0, Asc}};
            for (int n = 0; n < 3000; ++n) {
                const auto& a = db.liveChunk(data.pick(600));
                const auto& b = db.liveChunk(data.pick(600));
                ASSERT_EQ(kxCompareRecords(db, keys, a, b), referenceCompare(db, keys, a, b))
                    << "field " << int{field} << (dir == Desc ? " descending" : " ascending");
            }
        }
    }
}

TEST(SortRandomized, SortRecordsGivesTheOrderOfAStableSort) {
    RandomRecords data(2024);
    data.fill(3000, 400);
    const std::vector<std::vector<KxSortKey>> keySets = {
        {{0, Desc}},
        {{5, Asc}, {1, Desc}},
        {{5, Desc}, {7, Asc}, {2, Asc}},
        {{3, Asc}, {4, Desc}},
        {{6, Desc}, {3, Desc}},
        {{1, Asc}, {0, Desc}, {2, Desc}},
    };
    for (const auto& keys : keySets) {
        data.t.setSortKeys(keys);
        const auto live = stableSorted(data.t.db, keys, false);
        const auto deleted = stableSorted(data.t.db, keys, true);
        kxSortRecords(data.t.db);
        ASSERT_EQ(liveOrder(data.t.db), live);
        ASSERT_EQ(deletedOrder(data.t.db), deleted);
    }
}

// --- progress ---

TEST(SortProgress, EachRangeReportsAgainstThreeTimesItsLastIndex) {
    TestDatabase t({{KxFieldType::Integer, "Count"}});
    for (int i = 0; i < 100; ++i) t.addRecord({std::to_string((i * 37) % 101)});
    for (int i = 0; i < 20; ++i) t.addDeletedRecord({std::to_string((i * 7) % 23)});
    t.setSortKeys({{0, Asc}});
    std::vector<std::pair<std::uint32_t, std::uint32_t>> calls;
    t.db.setProgress([&](std::uint32_t done, std::uint32_t total) { calls.emplace_back(done, total); });
    kxSortRecords(t.db);
    ASSERT_FALSE(calls.empty());
    std::size_t liveCalls = 0;
    while (liveCalls < calls.size() && calls[liveCalls].second == 297) ++liveCalls;
    ASSERT_GT(liveCalls, 0u);
    ASSERT_LT(liveCalls, calls.size()) << "the deleted range reports too";
    for (std::size_t k = 0; k < calls.size(); ++k) {
        const std::uint32_t total = k < liveCalls ? 297 : 57;
        EXPECT_EQ(calls[k].second, total);
        EXPECT_LE(calls[k].first, total);
        if (k > 0 && k != liveCalls) {
            EXPECT_GT(calls[k].first, calls[k - 1].first);
        }
    }
}

TEST(SortProgress, RangesOfEightOrFewerAreSortedWithoutProgress) {
    TestDatabase t({{KxFieldType::Integer, "Count"}});
    for (const char* n : {"3", "8", "1", "7", "2", "6", "5", "4"}) t.addRecord({n});
    t.setSortKeys({{0, Asc}});
    int calls = 0;
    t.db.setProgress([&](std::uint32_t, std::uint32_t) { ++calls; });
    kxSortRecords(t.db);
    EXPECT_EQ(calls, 0);
    EXPECT_EQ(t.column(0), (std::vector<std::string>{"1", "2", "3", "4", "5", "6", "7", "8"}));
}

// --- a single record finding its place ---

class SortedPlacement : public ::testing::Test {
protected:
    SortedPlacement() : t({{KxFieldType::Integer, "Count"}}) {
        for (const char* n : {"50", "10", "40", "20", "30"}) t.addRecord({n});
        for (const char* n : {"35", "15", "25"}) t.addDeletedRecord({n});
        t.setSortKeys({{0, Asc}});
        kxSortRecords(t.db);
    }
    std::vector<std::string> deletedColumn() const {
        std::vector<std::string> texts;
        for (std::size_t j = 0; j < t.db.deletedCount(); ++j) texts.push_back(t.deletedText(j, 0));
        return texts;
    }
    TestDatabase t;
};

TEST_F(SortedPlacement, ADeletedRecordGoesToItsPlaceAmongTheDeleted) {
    const std::size_t at = t.db.deleteRecord(2); // 30
    EXPECT_EQ(at, 2u);
    EXPECT_EQ(t.column(0), (std::vector<std::string>{"10", "20", "40", "50"}));
    EXPECT_EQ(deletedColumn(), (std::vector<std::string>{"15", "25", "30", "35"}));
    EXPECT_EQ(t.db.deleteRecord(3), 4u); // 50: after every deleted one
    EXPECT_EQ(t.db.deleteRecord(0), 0u); // 10: before every deleted one
    EXPECT_EQ(deletedColumn(), (std::vector<std::string>{"10", "15", "25", "30", "35", "50"}));
}

TEST_F(SortedPlacement, AnUndeletedRecordGoesToItsPlaceAmongTheLive) {
    EXPECT_EQ(t.db.undeleteRecord(0), 1u); // 15
    EXPECT_EQ(t.column(0), (std::vector<std::string>{"10", "15", "20", "30", "40", "50"}));
    EXPECT_EQ(t.db.undeleteRecord(1), 4u); // 35
    EXPECT_EQ(t.column(0), (std::vector<std::string>{"10", "15", "20", "30", "35", "40", "50"}));
    EXPECT_EQ(deletedColumn(), (std::vector<std::string>{"25"}));
    EXPECT_EQ(t.db.undeleteRecord(0), 3u);
    EXPECT_EQ(t.db.deletedCount(), 0u);
}

TEST_F(SortedPlacement, DescendingKeysPlaceInDescendingOrder) {
    t.setSortKeys({{0, Desc}});
    kxSortRecords(t.db);
    EXPECT_EQ(t.db.deleteRecord(1), 0u); // 40 before 35, 25, 15
    EXPECT_EQ(deletedColumn(), (std::vector<std::string>{"40", "35", "25", "15"}));
    EXPECT_EQ(t.db.undeleteRecord(3), 3u); // 15 at the end: 50, 30, 20, 15, 10
    EXPECT_EQ(t.column(0), (std::vector<std::string>{"50", "30", "20", "15", "10"}));
}

TEST_F(SortedPlacement, WithoutSortKeysRecordsGoToTheEnd) {
    t.setSortKeys({});
    EXPECT_EQ(t.db.deleteRecord(0), 3u);
    EXPECT_EQ(deletedColumn(), (std::vector<std::string>{"15", "25", "35", "10"}));
    EXPECT_EQ(t.db.undeleteRecord(0), 4u);
    EXPECT_EQ(t.column(0), (std::vector<std::string>{"20", "30", "40", "50", "15"}));
}

// An edited deleted record moves among the deleted records only; the order is what is saved.
TEST_F(SortedPlacement, AnEditedDeletedRecordMovesAmongTheDeleted) {
    auto edit = [&](std::size_t deletedIndex, const std::string& text) {
        t.db.deletedRecord(deletedIndex, true).setRawValue(0, t.parse(0, text)->raw());
    };
    edit(0, "40"); // 15
    EXPECT_EQ(t.db.placeDeletedRecord(0), 2u);
    EXPECT_EQ(deletedColumn(), (std::vector<std::string>{"25", "35", "40"}));
    edit(2, "5");
    EXPECT_EQ(t.db.placeDeletedRecord(2), 0u);
    edit(1, "30"); // 25, still between 5 and 35
    EXPECT_EQ(t.db.placeDeletedRecord(1), 1u);
    EXPECT_EQ(deletedColumn(), (std::vector<std::string>{"5", "30", "35"}));
    EXPECT_EQ(t.column(0), (std::vector<std::string>{"10", "20", "30", "40", "50"}));

    t.db.save();
    t.db.close(false);
    t.db.open(t.path(), kOpenDocument, TestDatabase::kUser);
    EXPECT_EQ(deletedColumn(), (std::vector<std::string>{"5", "30", "35"}));
}

TEST_F(SortedPlacement, ADeletedRecordStaysWithoutSortKeysAndOutOfRangeIsRefused) {
    t.setSortKeys({});
    t.db.deletedRecord(0, true).setRawValue(0, t.parse(0, "99")->raw());
    EXPECT_EQ(t.db.placeDeletedRecord(0), 0u);
    EXPECT_EQ(deletedColumn(), (std::vector<std::string>{"99", "25", "35"}));
    EXPECT_EQ(thrownBy([&] { t.db.placeDeletedRecord(3); }), KxDbError::LimitReached);
}

// Among equal keys a placed record goes by its identity, reversed for a descending key, in
// the deleted records exactly as in the live ones.
TEST(SortedPlacementTies, EqualKeysFollowIdentityInBothLists) {
    for (const bool deleted : {false, true}) {
        for (const auto direction : {Asc, Desc}) {
            SCOPED_TRACE(std::string(deleted ? "deleted" : "live") +
                         (direction == Asc ? " ascending" : " descending"));
            TestDatabase t({{KxFieldType::Integer, "Count"}, {KxFieldType::Text, "Name"}});
            t.setIdentity(t.addRecord({"7", "early"}), 10, 0);
            t.setIdentity(t.addRecord({"7", "late"}), 30, 0);
            t.setIdentity(t.addRecord({"99", "middle"}), 20, 0);
            if (deleted)
                while (t.db.liveCount() > 0) t.db.deleteRecord(0);
            t.setSortKeys({{0, direction}});
            kxSortRecords(t.db);
            auto handle = [&](std::size_t i) {
                return deleted ? t.db.deletedRecord(i, true) : t.db.record(i, true);
            };
            auto name = [&](std::size_t i) { return deleted ? t.deletedText(i, 1) : t.text(i, 1); };
            const std::size_t middle = direction == Asc ? 2 : 0;
            ASSERT_EQ(name(middle), "middle");
            handle(middle).setRawValue(0, t.parse(0, "7")->raw());
            EXPECT_EQ(deleted ? t.db.placeDeletedRecord(middle) : t.db.placeRecord(middle),
                      1u);
            const std::vector<std::string> expected =
                direction == Asc ? std::vector<std::string>{"early", "middle", "late"}
                                 : std::vector<std::string>{"late", "middle", "early"};
            EXPECT_EQ((std::vector<std::string>{name(0), name(1), name(2)}), expected);
        }
    }
}

// An import places many new records at once among records already in order: the result is
// the order a full sort gives, ties on the first key (long common beginnings, empty values)
// included, in both directions.
TEST(SortedPlacementOfMany, NewRecordsGoWhereAFullSortPutsThem) {
    std::mt19937 random(7);
    const std::vector<std::string> firsts{"", "same beginning, one", "Same Beginning, One", "same beginning, two", "x"};
    const std::vector<std::string> seconds{"", "b", "A"};
    for (const auto direction : {Asc, Desc}) {
        TestDatabase t({{KxFieldType::Text, "A"}, {KxFieldType::Text, "B"}, {KxFieldType::Number, "N"}});
        const auto addSome = [&](int count) {
            for (int i = 0; i < count; ++i)
                t.addRecord({firsts[random() % firsts.size()], seconds[random() % seconds.size()],
                             std::to_string(random() % 3)});
        };
        addSome(30);
        t.setSortKeys({{0, direction}, {1, Asc}, {2, direction}});
        kxSortRecords(t.db);
        addSome(50);
        t.db.placeRecords(30);
        const auto placed = liveOrder(t.db);
        kxSortRecords(t.db);
        EXPECT_EQ(liveOrder(t.db), placed);
    }
}

TEST(SortedPlacementAlone, TheOnlyRecordOfAListStaysAlone) {
    TestDatabase one({{KxFieldType::Integer, "Count"}});
    one.setSortKeys({{0, Asc}});
    one.addRecord({"1"});
    EXPECT_EQ(one.db.deleteRecord(0), 0u);
    EXPECT_EQ(one.db.undeleteRecord(0), 0u);
    EXPECT_EQ(one.db.liveCount(), 1u);
}

// --- list options ---

class ListOptions : public ::testing::Test {
protected:
    ListOptions()
        : t({{KxFieldType::Text, "Name"}, {KxFieldType::Number, "Amount"},
             {KxFieldType::Date, "Due"}, {KxFieldType::Checkbox, "Done"}}),
          schema(t.db) {
        kxApplyListOptions(t.db, {{0, Asc}, {1, Desc}}, false);
    }
    const KxListOptionsSet& set(std::size_t index) const { return t.db.header().listSets.at(index); }
    const KxSortDef& def(std::size_t index) const { return t.db.header().sortDefs.at(index); }
    TestDatabase t;
    KxSchemaEditor schema;
};

TEST_F(ListOptions, ChangedFieldsGiveEveryColumnAnEqualShare) {
    const std::size_t s = kxApplyListOptions(t.db, {{0, Asc}, {2, Asc}, {1, Desc}}, false);
    EXPECT_EQ(s, 0u);
    ASSERT_EQ(set(0).columns.size(), 3u);
    for (const auto& column : set(0).columns) EXPECT_EQ(column.width, 33);
    EXPECT_EQ(set(0).columns[1].field, 2);
    ASSERT_EQ(def(0).keys.size(), 3u);
    EXPECT_EQ(def(0).keys[1].field, 2);
    EXPECT_EQ(def(0).keys[2].direction, Desc);
}

TEST_F(ListOptions, ChangingOnlyDirectionsKeepsTheWidths) {
    schema.column(0, 0).width = 70;
    schema.column(0, 1).width = 30;
    kxApplyListOptions(t.db, {{0, Desc}, {1, Asc}}, false);
    EXPECT_EQ(set(0).columns[0].width, 70);
    EXPECT_EQ(set(0).columns[1].width, 30);
    EXPECT_EQ(def(0).keys[0].direction, Desc);
    EXPECT_EQ(def(0).keys[1].direction, Asc);
}

TEST_F(ListOptions, NoneColumnsAreDroppedAndNoSortKeysStay) {
    kxApplyListOptions(t.db, {{3, KxSortDirection::None}, {kNoField, Asc}, {1, Asc}}, false);
    ASSERT_EQ(set(0).columns.size(), 2u);
    EXPECT_EQ(set(0).columns[0].width, 50);
    ASSERT_EQ(def(0).keys.size(), 2u);
    EXPECT_EQ(def(0).keys[0].direction, KxSortDirection::None);
    const auto keys = kxSortKeys(t.db);
    ASSERT_EQ(keys.size(), 1u);
    EXPECT_EQ(keys[0].field, 1);
}

TEST_F(ListOptions, ASearchGetsANewSetAndDefinition) {
    const std::size_t s = kxApplyListOptions(t.db, {{0, Asc}, {1, Desc}, {2, Asc}}, true);
    EXPECT_EQ(s, 1u);
    EXPECT_EQ(schema.currentListSet(), 0u);
    ASSERT_EQ(set(1).columns.size(), 3u);
    EXPECT_EQ(set(1).columns[2].width, 33);
    ASSERT_EQ(set(1).sortDef, 1);
    EXPECT_EQ(def(1).keys.size(), 3u);
    // The current set and its definition are as they were.
    EXPECT_EQ(set(0).columns.size(), 2u);
    EXPECT_EQ(set(0).columns[0].width, 50);
    EXPECT_EQ(def(0).keys.size(), 2u);
    // The same fields as the current set still make a set of its own.
    EXPECT_EQ(kxApplyListOptions(t.db, {{0, Asc}, {1, Desc}}, true), 2u);
    EXPECT_EQ(set(2).columns[0].width, 50);
}

TEST_F(ListOptions, ARefusedSearchSetLeavesTheListsAsTheyWere) {
    while (schema.listSetCount() < KxHeaderChunk::kMaxListSets) schema.addListSet();
    const std::size_t defs = schema.sortDefCount();
    EXPECT_EQ(thrownBy([&] { kxApplyListOptions(t.db, {{0, Asc}}, true); }), KxDbError::LimitReached);
    EXPECT_EQ(schema.sortDefCount(), defs);
    EXPECT_EQ(schema.listSetCount(), KxHeaderChunk::kMaxListSets);
}

TEST_F(ListOptions, AColumnOnAMissingFieldIsRefusedAndChangesNothing) {
    EXPECT_EQ(thrownBy([&] { kxApplyListOptions(t.db, {{0, Desc}, {9, Asc}}, false); }),
              KxDbError::LimitReached);
    ASSERT_EQ(def(0).keys.size(), 2u);
    EXPECT_EQ(def(0).keys[0].direction, Asc);
    EXPECT_EQ(set(0).columns.size(), 2u);
}

} // namespace
