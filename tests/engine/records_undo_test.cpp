// The one-level undo: a copy of the record taken before its first change, which belongs to
// that record until another record is changed.

#include "tests/support/EngineTestSupport.h"
#include "tests/support/RlvBuilder.h"
#include "tests/support/TestFiles.h"

#include "engine/KxRecordChunk.h"
#include "engine/KxRecordHandle.h"

#include <gtest/gtest.h>

namespace {

std::vector<std::uint8_t> valueOf(const KxRecordHandle& record) {
    const auto bytes = record.rawValue(0);
    return {bytes.begin(), bytes.end()};
}

class RecordsUndo : public ::testing::Test {
  protected:
    // Records "a0" and "b0". Filling B took the undo copy of B while it was still empty.
    void SetUp() override {
        db.create(dir.file("db.rlv"), "bdXk", kOpenDocument, 1);
        appendField(db, KxFieldType::Text, "Name");
        for (const char* text : {"a0", "b0"}) {
            std::size_t position = db.liveCount();
            db.newRecord(position, false).setRawValue(0, rlv::textValue(text));
        }
    }

    TempDir dir;
    KxDatabase db;
};

TEST_F(RecordsUndo, UndoRestoresOnlyTheLastRecordEdited) {
    db.record(0, true).setRawValue(0, rlv::textValue("a1"));
    {
        KxRecordHandle b = db.record(1, true);
        b.setRawValue(0, rlv::textValue("b1"));
        b.setCategory(4);
        b.setRawValue(0, rlv::textValue("b2")); // still the copy taken before "b1"
        b.undo();
        EXPECT_EQ(valueOf(b), rlv::textValue("b0"));
        EXPECT_EQ(b.category(), 0);

        b.setRawValue(0, rlv::textValue("b3"));
        b.undo();
        EXPECT_EQ(valueOf(b), rlv::textValue("b0")) << "the second undo uses the same copy";
    }
    KxRecordHandle a = db.record(0, true);
    EXPECT_EQ(thrownBy([&] { a.undo(); }), KxDbError::NothingToUndo);
    EXPECT_EQ(valueOf(a), rlv::textValue("a1"));
}

TEST_F(RecordsUndo, UndoFollowsTheRecordWhenItMoves) {
    db.record(0, true).setRawValue(0, rlv::textValue("a1")); // the copy now belongs to A
    KxRecordHandle b = db.record(1, true);
    b.setRawValue(0, rlv::textValue("b1"));
    db.moveRecord(1, 0);
    b.undo();
    EXPECT_EQ(valueOf(db.record(0, false)), rlv::textValue("b0"));
}

// Values handed over whole (as an import adds records) swap with what the record held, and
// can be undone like any other change.
TEST_F(RecordsUndo, ValuesTakenOverSwapAndCanBeUndone) {
    KxRecordChunk values(1);
    const auto taken = rlv::textValue("taken");
    values.setValue(0, taken);
    KxRecordHandle a = db.record(0, true);
    a.takeRawValues(values);
    EXPECT_EQ(valueOf(a), taken);
    const auto left = values.value(0);
    EXPECT_EQ(std::vector<std::uint8_t>(left.begin(), left.end()), rlv::textValue("a0"));
    a.undo();
    EXPECT_EQ(valueOf(a), rlv::textValue("a0"));

    KxRecordChunk wrongSchema(2);
    EXPECT_EQ(thrownBy([&] { a.takeRawValues(wrongSchema); }), KxDbError::LimitReached);
    EXPECT_EQ(valueOf(a), rlv::textValue("a0"));
}

TEST_F(RecordsUndo, NothingToUndoAfterCloseOrRemoval) {
    KxRecordHandle none = db.record(0, false);
    EXPECT_EQ(thrownBy([&] { none.undo(); }), KxDbError::NothingToUndo);
    none.release();

    db.record(1, true).setRawValue(0, rlv::textValue("b1"));
    const KxRecordIdentity b = db.identityOf(1);
    db.removeRecord(1);
    std::size_t position = 1;
    KxRecordHandle fresh = db.newRecord(position, true);
    fresh.setIdentity(b); // a record that merely carries the same identity
    EXPECT_EQ(thrownBy([&] { fresh.undo(); }), KxDbError::NothingToUndo);
    fresh.release();

    db.record(0, true).setRawValue(0, rlv::textValue("a1"));
    db.save();
    db.close(true);
    db.open(dir.file("db.rlv"), kOpenDocument, 1);
    KxRecordHandle a = db.record(0, true);
    EXPECT_EQ(thrownBy([&] { a.undo(); }), KxDbError::NothingToUndo);
}

} // namespace
