// The container's limits, each at its boundary: records (deleted ones counted), the size of a
// record, the removal log and the property map.

#include "tests/support/EngineTestSupport.h"
#include "tests/support/RlvBuilder.h"
#include "tests/support/TestFiles.h"

#include "engine/KxPropertyChunk.h"
#include "engine/KxRecordChunk.h"
#include "engine/KxRecordHandle.h"
#include "engine/KxRemovalLog.h"

#include <gtest/gtest.h>

namespace {

TEST(ContainerLimits, DeletedRecordsCountTowardsTheRecordLimit) {
    TempDir dir;
    const std::string path = dir.file("full.rlv");
    rlv::File file;
    file.live.resize(1);
    file.deleted.resize(15998);
    writeFileBytes(path, file.build().bytes);

    KxDatabase db;
    db.open(path, kOpenDocument, 1);
    std::size_t position = 0;
    db.newRecord(position, false); // the 16000th
    EXPECT_EQ(thrownBy([&] { db.newRecord(position, false); }), KxDbError::LimitReached);
    EXPECT_EQ(thrownBy([&] { db.cloneRecord(0, false); }), KxDbError::LimitReached);
    EXPECT_EQ(db.liveCount() + db.deletedCount(), 16000u);

    db.disposeRecord(0);
    db.newRecord(position, false);
    db.save();
    db.close(true);
    db.open(path, kOpenReadShared, 0);
    EXPECT_EQ(db.liveCount(), 3u);
    EXPECT_EQ(db.deletedCount(), 15997u);
}

TEST(ContainerLimits, SixteenThousandNewRecordsAndNoMore) {
    TempDir dir;
    KxDatabase db;
    db.create(dir.file("many.rlv"), "bdXk", kOpenDocument, 1);
    for (std::size_t i = 0; i < KxDatabase::kMaxRecords; ++i) {
        std::size_t position = i;
        db.newRecord(position, false);
    }
    std::size_t position = 0;
    EXPECT_EQ(thrownBy([&] { db.newRecord(position, false); }), KxDbError::LimitReached);
    EXPECT_EQ(db.liveCount(), 16000u);
}

TEST(ContainerLimits, ARecordGrowsTo65280BytesAndNoFurther) {
    TempDir dir;
    const std::string path = dir.file("big.rlv");
    KxDatabase db;
    db.create(path, "bdXk", kOpenDocument, 1);
    appendField(db, KxFieldType::Text, "A");
    appendField(db, KxFieldType::Text, "B");
    std::size_t position = 0;
    KxRecordHandle record = db.newRecord(position, true);
    record.setRawValue(1, rlv::textValue("b"));

    // 30 fixed bytes, 8 of offsets, 2 for field B: 65240 bytes are left for field A.
    const auto fits = rlv::textValue(std::string(65239, 'a'));
    ASSERT_EQ(fits.size(), 65240u);
    EXPECT_EQ(thrownBy([&] { record.setRawValue(0, rlv::textValue(std::string(65240, 'a'))); }),
              KxDbError::TooLarge);
    EXPECT_TRUE(record.rawValue(0).empty()) << "a refused change leaves the record as it was";
    record.setRawValue(0, fits);
    EXPECT_EQ(record.chunk().byteSize(), 65280u);
    EXPECT_EQ(thrownBy([&] { record.setRawValue(1, rlv::textValue("bb")); }), KxDbError::TooLarge);
    record.clearValue(1);
    record.release();

    db.save();
    db.close(true);
    db.open(path, kOpenReadShared, 0);
    EXPECT_EQ(db.record(0, false).rawValue(0).size(), 65240u);
}

TEST(ContainerLimits, RemovalLogKeepsTheNewest6500Entries) {
    TempDir dir;
    const std::string path = dir.file("log.rlv");
    KxDatabase db;
    db.create(path, "bdXk", kOpenDocument, 1);
    std::vector<KxRecordIdentity> removed;
    for (int i = 0; i < 6502; ++i) {
        std::size_t position = 0;
        db.newRecord(position, false);
        removed.push_back(db.identityOf(0));
        db.removeRecord(0);
    }
    const auto& entries = db.removalLog().entries();
    ASSERT_EQ(entries.size(), 6500u);
    EXPECT_EQ(entries.front(), removed[2]);
    EXPECT_EQ(entries.back(), removed.back());

    db.save();
    const auto bytes = readFileBytes(path);
    const std::uint32_t log = 380 + 12 * 3 + 76; // right behind the empty header chunk
    EXPECT_EQ(rlv::get32(bytes, log), 14u + 10 * 6500);
    EXPECT_EQ(rlv::get32(bytes, log + 6), 6500u);
}

TEST(ContainerLimits, PropertyMapHoldsAHundredKeysOfUpTo1025Characters) {
    TempDir dir;
    KxDatabase db;
    db.create(dir.file("map.rlv"), "bdXk", kOpenDocument, 1);
    KxPropertyChunk& map = db.propertyChunk();
    map.setValue(1, std::string(1025, 'x'));
    EXPECT_EQ(thrownBy([&] { map.setValue(2, std::string(1026, 'x')); }), KxDbError::TextTooLong);
    EXPECT_EQ(thrownBy([&] { map.setValue(1, std::string(1026, 'y')); }), KxDbError::TextTooLong);
    EXPECT_EQ(map.value(1), std::string(1025, 'x'));
    for (std::int16_t key = 2; key <= 100; ++key)
        map.setNumber(key, key);
    EXPECT_EQ(thrownBy([&] { map.setValue(101, "one too many"); }), KxDbError::LimitReached);
    map.setValue(100, "an existing key may change");
    map.setValue(50, std::nullopt);
    map.setValue(101, "fits again");
    EXPECT_EQ(map.entries().size(), 100u);
    EXPECT_EQ(map.number(99), 99);
}

} // namespace
