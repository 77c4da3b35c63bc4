#include "transfer/KxRecordCursor.h"

#include "tests/logic/TransferTestDb.h"

#include <gtest/gtest.h>

namespace {

// Six records named r0..r5 in categories 0,1,0,1,0,1; r1 and r4 carry the search mark;
// two deleted records d0, d1 in category 1.
class RecordCursorTest : public ::testing::Test {
protected:
    RecordCursorTest() : t({fieldSpec("Name", KxFieldType::Text)}) {
        for (int i = 0; i < 6; ++i) t.addRecord({"r" + std::to_string(i)}, static_cast<std::uint16_t>(i % 2));
        for (std::size_t i = 0; i < 6; ++i)
            t.db.setLiveAttributeBits(i, (i == 1 || i == 4) ? kAttrFound : 0, (i == 1 || i == 4) ? 0 : kAttrFound);
        t.addRecord({"d0"}, 1);
        t.addRecord({"d1"}, 1);
        t.db.deleteRecord(6);
        t.db.deleteRecord(6);
    }

    std::vector<std::string> walk(KxRecordCursor::Range range, bool deleted, int limit,
                                  std::int32_t current = 2, std::uint16_t category = 1) {
        KxRecordCursor cursor(t.db, current, category);
        cursor.init(range, deleted, limit);
        std::vector<std::string> names;
        for (bool more = cursor.first(); more; more = cursor.next()) {
            FieldValue value = FieldValue::newValue(1);
            value.setRaw(cursor.record().value(0));
            names.push_back(value.plainText());
        }
        return names;
    }

    TestDb t;
};

using Names = std::vector<std::string>;
using Range = KxRecordCursor::Range;

TEST_F(RecordCursorTest, LimitCountsFurtherRecordsAfterTheFirst) {
    EXPECT_EQ(walk(Range::Entire, false, 4), (Names{"r0", "r1", "r2", "r3", "r4"}));
    EXPECT_EQ(walk(Range::Entire, false, 0), (Names{"r0"}));
    EXPECT_EQ(walk(Range::Entire, false, -1).size(), 6u);
}

TEST_F(RecordCursorTest, ExhaustedLimitStaysExhausted) {
    KxRecordCursor cursor(t.db, 0, 255);
    cursor.init(Range::Entire, false, 1);
    ASSERT_TRUE(cursor.first());
    ASSERT_TRUE(cursor.next());
    EXPECT_FALSE(cursor.next());
    EXPECT_FALSE(cursor.next());
}

TEST_F(RecordCursorTest, CurrentRecordOnlyWhateverTheLimit) {
    EXPECT_EQ(walk(Range::CurrentRecord, false, -1, 3), (Names{"r3"}));
    EXPECT_EQ(walk(Range::CurrentRecord, false, 10, 3), (Names{"r3"}));
    EXPECT_EQ(walk(Range::CurrentRecord, false, -1, -1), Names{});
    EXPECT_EQ(walk(Range::CurrentRecord, false, -1, 6), Names{});
    EXPECT_EQ(walk(Range::CurrentRecord, true, -1, 1), (Names{"d1"}));
}

TEST_F(RecordCursorTest, CategoryAndSearchFilterTheRecordList) {
    EXPECT_EQ(walk(Range::Category, false, -1, 0, 1), (Names{"r1", "r3", "r5"}));
    EXPECT_EQ(walk(Range::Category, false, 1, 0, 1), (Names{"r1", "r3"}));
    EXPECT_EQ(walk(Range::Category, false, -1, 0, 255).size(), 6u);
    EXPECT_EQ(walk(Range::Category, false, -1, 0, 9), Names{});
    EXPECT_EQ(walk(Range::SearchResults, false, -1), (Names{"r1", "r4"}));
}

TEST_F(RecordCursorTest, DeletedListIsWalkedWithoutFiltering) {
    EXPECT_EQ(walk(Range::Category, true, -1, 0, 0), (Names{"d0", "d1"}));
    EXPECT_EQ(walk(Range::SearchResults, true, -1), (Names{"d0", "d1"}));
    KxRecordCursor cursor(t.db, 0, 0);
    cursor.init(Range::Category, true, -1);
    ASSERT_TRUE(cursor.first());
    EXPECT_EQ(cursor.recordCategory(), 1);
    EXPECT_EQ(cursor.end(), 2u);
}

} // namespace
