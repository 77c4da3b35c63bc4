// Record identities: the creating user, the creation second and a sequence number that the
// whole run shares, so two records made in the same second still differ.

#include "tests/support/EngineTestSupport.h"
#include "tests/support/RlvBuilder.h"
#include "tests/support/TestFiles.h"

#include "engine/KxRecordChunk.h"
#include "engine/KxRecordHandle.h"

#include <gtest/gtest.h>

namespace {

constexpr std::uint32_t kNow = 1'600'000'000;

std::size_t append(KxDatabase& db) {
    std::size_t position = db.liveCount();
    db.newRecord(position, false);
    return position;
}

TEST(RecordsIdentity, SameSecondRecordsGetConsecutiveSequenceNumbers) {
    FixedClock clock(kNow);
    TempDir dir;
    KxDatabase db;
    db.create(dir.file("db.rlv"), "bdXk", kOpenDocument, 77);
    append(db);
    append(db);
    const KxRecordIdentity a = db.identityOf(0);
    const KxRecordIdentity b = db.identityOf(1);
    EXPECT_EQ(a.userId, 77u);
    EXPECT_EQ(a.created, kNow);
    EXPECT_EQ(b.created, kNow);
    EXPECT_EQ(b.sequence, static_cast<std::uint16_t>(a.sequence + 1));
    EXPECT_NE(a, b);
    EXPECT_EQ(db.liveChunk(1).modified, kNow);

    // The counter belongs to the run, not to the second or the database.
    clock.set(kNow + 5);
    KxDatabase other;
    other.create(dir.file("other.rlv"), "bdXk", kOpenDocument, 78);
    append(other);
    EXPECT_EQ(other.identityOf(0).created, kNow + 5);
    EXPECT_EQ(other.identityOf(0).sequence, static_cast<std::uint16_t>(a.sequence + 2));
}

TEST(RecordsIdentity, AfterAFullSecondTheNextRecordWaitsForTheNextSecond) {
    FixedClock clock(kNow);
    TempDir dir;
    KxDatabase db;
    db.create(dir.file("db.rlv"), "bdXk", kOpenDocument, 1);
    for (int i = 0; i < 65535; ++i) {
        append(db);
        db.removeRecord(0);
    }
    append(db);
    EXPECT_EQ(db.identityOf(0).created, kNow + 1);
}

TEST(RecordsIdentity, CloneCopiesValuesAndCategoryUnderItsOwnIdentity) {
    FixedClock clock(kNow);
    TempDir dir;
    KxDatabase db;
    db.create(dir.file("db.rlv"), "bdXk", kOpenDocument, 1);
    appendField(db, KxFieldType::Text, "Name");
    appendField(db, KxFieldType::Integer, "N");
    append(db);
    append(db);
    {
        KxRecordHandle source = db.record(0, true);
        source.setRawValue(0, rlv::textValue("abc"));
        source.setRawValue(1, rlv::int32Value(9));
        source.setCategory(6);
    }
    db.setLiveAttributeBits(0, 0, kAttrFound);
    clock.set(kNow + 60);
    KxRecordHandle clone = db.cloneRecord(0, false);

    EXPECT_EQ(clone.liveIndex(), 1u) << "right after its source";
    EXPECT_EQ(db.liveCount(), 3u);
    EXPECT_EQ(clone.chunk().value(0).size(), 4u);
    EXPECT_TRUE(std::equal(clone.chunk().value(1).begin(), clone.chunk().value(1).end(),
                           rlv::int32Value(9).begin()));
    EXPECT_EQ(clone.category(), 6);
    EXPECT_EQ(clone.attributes(), kAttrFound | kAttrDirty);
    EXPECT_EQ(clone.creationTime(), kNow + 60);
    EXPECT_EQ(clone.modificationTime(), kNow + 60);
    EXPECT_NE(clone.identity(), db.identityOf(0));
    EXPECT_EQ(db.findRecord(clone.identity(), false)->liveIndex(), 1u);
}

} // namespace
