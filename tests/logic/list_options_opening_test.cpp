// What the List Options dialog opens with: each column's direction from the sort definition,
// and the first field for a field the dialog no longer offers.

#include "tests/support/TestDatabase.h"

#include "app/KxDisplayModes.h"
#include "editors/KxListOptionsRules.h"

#include <gtest/gtest.h>

namespace {
using Column = std::pair<std::uint8_t, KxSortDirection>;

std::vector<Column> pairsOf(const std::vector<KxListOptionsColumn>& columns) {
    std::vector<Column> pairs;
    for (const KxListOptionsColumn& c : columns)
        pairs.emplace_back(c.field, c.direction);
    return pairs;
}

void setColumns(TestDatabase& t, const std::vector<std::uint8_t>& fields,
                const std::vector<Column>& keys) {
    KxSchemaEditor schema(t.db);
    for (const std::uint8_t field : fields) {
        const std::size_t c = schema.addColumn(0, schema.columnCount(0));
        schema.setColumnField(0, c, field);
    }
    for (const auto& [field, direction] : keys) {
        const std::size_t k = schema.addSortKey(0, schema.sortDefKeyCount(0));
        schema.setSortKeyField(0, k, field);
        schema.sortKey(0, k).direction = direction;
    }
}

constexpr auto Up = KxSortDirection::Ascending;
constexpr auto Down = KxSortDirection::Descending;
constexpr auto NoSort = KxSortDirection::None;
} // namespace

TEST(ListOptionsOpening, TheNthColumnOnAFieldTakesTheNthKeyOnThatField) {
    TestDatabase t({{KxFieldType::Text, "Name"}, {KxFieldType::Number, "Price"}});
    // The keys are in another order than the columns, and one Name column has no key left.
    setColumns(t, {0, 1, 0, 0}, {{1, Down}, {0, Down}, {0, Up}});
    EXPECT_EQ(pairsOf(kxListOptionsColumnsOf(t.db, 0)),
              (std::vector<Column>{{0, Down}, {1, Down}, {0, Up}, {0, NoSort}}));
    EXPECT_TRUE(kxListOptionsColumnsOf(t.db, 1).empty())
        << "a set that does not exist has no columns";
}

TEST(ListOptionsOpening, AFieldNoLongerOfferedSelectsTheFirstItem) {
    TestDatabase t({{KxFieldType::Text, "Name"},
                    {KxFieldType::LabelOnly, "Heading"},
                    {KxFieldType::Number, "Price"}});
    const KxListOptionsRules rules(t.db.header());
    // A field turned Label Only, a field deleted since, and more columns than the dialog has.
    const auto columns =
        rules.opening({{1, Down}, {9, Down}, {2, Down}, {0, Up}, {2, Up}, {0, Down}});
    ASSERT_EQ(columns.size(), KxListOptionsRules::kColumns);
    EXPECT_EQ(columns[0].field, 0);
    EXPECT_EQ(columns[1].field, 0) << "the first item is a field, not \"None\"";
    EXPECT_EQ(pairsOf({columns.begin() + 2, columns.end()}),
              (std::vector<Column>{{2, Down}, {0, Up}, {2, Up}}));
}
