// Live and deleted records: moving between the lists, permanent removal, protected bits,
// stored values of the wrong length, and walking a category.

#include "tests/support/EngineTestSupport.h"
#include "tests/support/RlvBuilder.h"
#include "tests/support/TestFiles.h"

#include "engine/KxRecordChunk.h"
#include "engine/KxRecordHandle.h"
#include "engine/KxRemovalLog.h"

#include <gtest/gtest.h>

namespace {

class RecordsLists : public ::testing::Test {
  protected:
    // Records in categories 1, 2, 1, 3, 1.
    void SetUp() override {
        db.create(dir.file("db.rlv"), "bdXk", kOpenDocument, 1);
        appendField(db, KxFieldType::Text, "Name");
        for (std::uint16_t category : {1, 2, 1, 3, 1}) {
            std::size_t position = db.liveCount();
            db.newRecord(position, false).setCategory(category);
        }
    }

    TempDir dir;
    KxDatabase db;
};

TEST_F(RecordsLists, DeletedRecordKeepsIdentityAndCategoryAndReturnsLast) {
    const KxRecordIdentity id = db.identityOf(1);
    EXPECT_EQ(db.deleteRecord(1), 0u);
    EXPECT_EQ(db.liveCount(), 4u);
    EXPECT_EQ(db.deletedCount(), 1u);
    EXPECT_EQ(db.header().liveCount(), 4u);
    EXPECT_EQ(db.header().deletedCount(), 1u);
    {
        KxRecordHandle deleted = db.deletedRecord(0, true);
        EXPECT_EQ(deleted.identity(), id);
        EXPECT_EQ(deleted.category(), 2);
        EXPECT_EQ(deleted.flags() & KxRecordChunk::kFlagDeleted, KxRecordChunk::kFlagDeleted);
        EXPECT_EQ(deleted.deletedIndex(), 0u);
        EXPECT_FALSE(db.findRecord(id, false).has_value());
        EXPECT_TRUE(db.findDeletedRecord(id, false).has_value());
    }
    EXPECT_EQ(db.undeleteRecord(0), 4u) << "with no sort keys it goes after the live records";
    KxRecordHandle back = db.record(4, false);
    EXPECT_EQ(back.identity(), id);
    EXPECT_EQ(back.flags() & KxRecordChunk::kFlagDeleted, 0);
    EXPECT_EQ(thrownBy([&] { back.deletedIndex(); }), KxDbError::NotDeleted);
}

TEST_F(RecordsLists, PermanentRemovalLogsOneEntryPerRecord) {
    const std::size_t logged = db.removalLog().entries().size();
    std::vector<KxRecordIdentity> ids;
    for (int i = 0; i < 3; ++i) {
        ids.push_back(db.identityOf(0));
        db.deleteRecord(0);
    }
    while (db.deletedCount() > 0)
        db.disposeRecord(0);
    const auto& log = db.removalLog().entries();
    ASSERT_EQ(log.size(), logged + 3);
    EXPECT_EQ(std::vector<KxRecordIdentity>(log.end() - 3, log.end()), ids);
    EXPECT_EQ(db.directorySize(), db.schemaChunkCount() + 2);
}

TEST_F(RecordsLists, ProtectedBitsAndRangesAreRefused) {
    KxRecordHandle record = db.record(0, true);
    const std::uint8_t attributes = record.attributes();
    EXPECT_EQ(thrownBy([&] { record.setAttributes(attributes & ~kAttrBusy); }),
              KxDbError::Protected);
    EXPECT_EQ(thrownBy([&] { record.setAttributes(attributes | kAttrReserved); }),
              KxDbError::Protected);
    EXPECT_EQ(thrownBy([&] { record.setFlags(KxRecordChunk::kFlagDeleted); }),
              KxDbError::Protected);
    EXPECT_EQ(thrownBy([&] { record.setCategory(16); }), KxDbError::BadCategory);
    EXPECT_EQ(record.attributes(), attributes);
    EXPECT_EQ(record.category(), 1);

    record.setAttributes(attributes & ~kAttrFound);
    record.setFlags(0x04); // other bits are carried, never interpreted
    EXPECT_EQ(record.attributes(), attributes & ~kAttrFound);
    EXPECT_EQ(record.flags(), 0x04);
}

TEST_F(RecordsLists, CountAndStepWithinACategory) {
    EXPECT_EQ(db.countInCategory(1), 3u);
    EXPECT_EQ(db.countInCategory(kAllCategories), 5u);
    db.setLiveAttributeBits(3, 0, kAttrFound);
    EXPECT_EQ(db.countInCategory(kFoundRecords), 4u);

    std::size_t position = 1;
    EXPECT_TRUE(db.stepInCategory(position, 0, true, 1)); // nearest at or after
    EXPECT_EQ(position, 2u);
    position = 0;
    EXPECT_TRUE(db.stepInCategory(position, 2, true, 1));
    EXPECT_EQ(position, 4u);
    EXPECT_FALSE(db.stepInCategory(position, 1, true, 1)) << "past the last one";
    EXPECT_EQ(position, 4u) << "a failed step leaves the position";
    EXPECT_TRUE(db.stepInCategory(position, 1, false, 1));
    EXPECT_EQ(position, 2u);
    position = 3;
    EXPECT_FALSE(db.stepInCategory(position, 0, true, 2));
}

TEST_F(RecordsLists, DeleteAllInCategoryReportsEveryRecordExamined) {
    std::vector<std::pair<std::uint32_t, std::uint32_t>> calls;
    db.setProgress(
        [&](std::uint32_t done, std::uint32_t total) { calls.emplace_back(done, total); });
    db.deleteAllInCategory(1);
    EXPECT_EQ(db.liveCount(), 2u);
    EXPECT_EQ(db.deletedCount(), 3u);
    EXPECT_EQ(db.record(0, false).category(), 2);
    EXPECT_EQ(db.record(1, false).category(), 3);
    EXPECT_EQ(calls.size(), 5u);
    EXPECT_EQ(calls.back(), std::make_pair(5u, 5u));
}

TEST_F(RecordsLists, HandleFindsItsRecordAfterTheRecordsBeforeItAreRemoved) {
    KxRecordHandle last = db.record(4, true);
    const KxRecordIdentity id = last.identity();
    for (int i = 0; i < 4; ++i)
        db.removeRecord(0);
    EXPECT_EQ(last.liveIndex(), 0u);
    EXPECT_EQ(last.identity(), id);
    last.release();
    EXPECT_EQ(db.record(0, false).attributes() & kAttrBusy, 0);
}

TEST_F(RecordsLists, ReleasedHandleStaysUsableAndOutlivesItsRecord) {
    KxRecordHandle clone = db.cloneRecord(0, false);
    EXPECT_EQ(clone.attributes() & kAttrBusy, 0) << "released, not locked";
    clone.setRawValue(0, rlv::textValue("c"));
    EXPECT_EQ(clone.liveIndex(), 1u);
    {
        KxRecordHandle held = db.record(0, true);
        held.setRawValue(0, rlv::textValue("x"));
        db.removeRecord(0);
    } // releasing a handle whose record is gone does nothing
    db.close(true);
    clone.release();
}

// A stored value must have its type's length; an empty value reads as empty for every type.
TEST(RecordsValues, StoredValueOfTheWrongLengthIsDamage) {
    TempDir dir;
    rlv::File file;
    file.header.fields = {{3, "Int"},   {4, "Num"}, {5, "Date"}, {6, "Time"},
                          {7, "Check"}, {8, "Raw"}, {9, "Calc"}, {1, "Text"}};
    const std::vector<rlv::Bytes> wrong = {{1, 2},
                                           {1, 2, 3, 4},
                                           {1, 2, 3},
                                           {1, 2, 3, 4, 5, 6},
                                           {1},
                                           {1, 2},
                                           {1, 2, 3, 4, 5, 6, 7, 8},
                                           {'a', 'b', 'c'}};
    file.live = {{{}, 0, wrong}, {{}, 0, std::vector<rlv::Bytes>(8)}};
    writeFileBytes(dir.file("db.rlv"), file.build().bytes);

    KxDatabase db;
    db.open(dir.file("db.rlv"), kOpenReadShared, 0);
    KxRecordHandle bad = db.record(0, false);
    KxRecordHandle empty = db.record(1, false);
    for (std::size_t f = 0; f < 7; ++f) {
        EXPECT_EQ(thrownBy([&] { bad.rawValue(f); }), KxDbError::BadValueLength) << "field " << f;
        EXPECT_TRUE(empty.rawValue(f).empty());
    }
    EXPECT_EQ(bad.rawValue(7).size(), 3u) << "a text has no fixed length";
    EXPECT_TRUE(empty.isEmpty());
    EXPECT_FALSE(bad.isEmpty());
}

} // namespace
