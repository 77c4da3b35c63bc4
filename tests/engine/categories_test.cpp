// Category names and ids: a new id for every new name, wrapping from 255 to 128 past ids in
// use, case-sensitive names, and clearing a slot, which files its records under Unfiled.

#include "tests/support/EngineTestSupport.h"
#include "tests/support/TestDatabase.h"

#include "engine/KxCategoryEditor.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class Categories : public ::testing::Test {
protected:
    Categories() : t({{KxFieldType::Text, "Name"}}), cats(t.db) {}
    const KxFileHeader& header() const { return t.db.fileHeader(); }

    // Every record, live and deleted, loses its dirty mark, so a test sees what marks it.
    void markAllClean() {
        for (std::size_t i = 0; i < t.db.liveCount(); ++i) {
            KxRecordHandle h = t.db.record(i, false);
            h.setAttributes(static_cast<std::uint8_t>(h.attributes() & ~kAttrDirty));
            h.setModificationTime(1);
        }
        for (std::size_t j = 0; j < t.db.deletedCount(); ++j) {
            KxRecordHandle h = t.db.deletedRecord(j, false);
            h.setAttributes(static_cast<std::uint8_t>(h.attributes() & ~kAttrDirty));
            h.setModificationTime(1);
        }
    }

    FixedClock clock{1'000'000};
    TestDatabase t;
    KxCategoryEditor cats;
};

TEST_F(Categories, ANewDatabaseHasIdsFrom128AndLastId143) {
    for (std::size_t s = 0; s < 16; ++s) EXPECT_EQ(cats.categoryId(s), 128 + s);
    EXPECT_EQ(header().lastCategoryId(), 143);
    EXPECT_EQ(cats.namedCategoryCount(), 0u);
}

TEST_F(Categories, ANewNameTakesTheNextIdAndSetsItsMaskBit) {
    cats.setCategoryName(3, "Home");
    EXPECT_EQ(cats.categoryName(3), "Home");
    EXPECT_EQ(cats.categoryId(3), 144);
    EXPECT_EQ(header().lastCategoryId(), 144);
    EXPECT_EQ(header().namedCategoryMask(), 1u << 3);
    // Renaming gives yet another id.
    cats.setCategoryName(3, "House");
    EXPECT_EQ(cats.categoryId(3), 145);
    EXPECT_EQ(cats.namedCategoryCount(), 1u);
}

TEST_F(Categories, TheSameNameAgainChangesNothingNotEvenTheId) {
    cats.setCategoryName(3, "Home");
    cats.setCategoryName(3, "Home");
    EXPECT_EQ(cats.categoryId(3), 144);
    EXPECT_EQ(header().lastCategoryId(), 144);
}

TEST_F(Categories, ANameAnotherSlotHasIsRefusedButOtherCaseIsADifferentName) {
    cats.setCategoryName(2, "Home");
    EXPECT_EQ(thrownBy([&] { cats.setCategoryName(5, "Home"); }), KxDbError::NameExists);
    EXPECT_EQ(cats.categoryName(5), "");
    EXPECT_EQ(cats.categoryId(5), 133);
    EXPECT_EQ(header().lastCategoryId(), 144);
    cats.setCategoryName(5, "home");
    EXPECT_EQ(cats.categoryName(5), "home");
    EXPECT_EQ(cats.findCategory("home"), 5);
    EXPECT_EQ(cats.findCategory("Home"), 2);
    EXPECT_EQ(cats.findCategory("HOME"), KxCategoryEditor::kNotFound);
    EXPECT_EQ(cats.findCategory(""), 0);
}

TEST_F(Categories, NamesAreCutToFifteenCharacters) {
    cats.setCategoryName(1, "A very long category name");
    EXPECT_EQ(cats.categoryName(1), "A very long cat");
    EXPECT_EQ(thrownBy([&] { cats.setCategoryName(2, "A very long category"); }),
              KxDbError::NameExists);
}

TEST_F(Categories, IdsWrapFrom255To128SkippingIdsInUse) {
    t.db.fileHeader().setLastCategoryId(255);
    cats.setCategoryId(1, 128);
    cats.setCategoryId(2, 129);
    cats.setCategoryId(3, 131);
    // Slot 0 keeps 128 too; 130 is the first free one.
    cats.setCategoryName(4, "Work");
    EXPECT_EQ(cats.categoryId(4), 130);
    EXPECT_EQ(header().lastCategoryId(), 130);
    cats.setCategoryName(5, "Play");
    EXPECT_EQ(cats.categoryId(5), 132); // 131 is taken
}

TEST_F(Categories, WithLastId255AndFreeIdsTheNextNameGets128) {
    for (std::size_t s = 0; s < 16; ++s) cats.setCategoryId(s, static_cast<std::uint16_t>(200 + s));
    t.db.fileHeader().setLastCategoryId(255);
    cats.setCategoryName(7, "Seven");
    EXPECT_EQ(cats.categoryId(7), 128);
}

TEST_F(Categories, ClearingANameFilesItsRecordsUnderUnfiledAndMarksThem) {
    cats.setCategoryName(4, "Four");
    cats.setCategoryName(2, "Two");
    t.addRecord({"live in 4"}, 4);
    t.addRecord({"live in 2"}, 2);
    t.addRecord({"live unfiled"}, 0);
    t.addDeletedRecord({"deleted in 4"}, 4);
    markAllClean();
    clock.set(2'000'000);
    std::vector<std::pair<std::uint32_t, std::uint32_t>> calls;
    t.db.setProgress([&](std::uint32_t done, std::uint32_t total) { calls.emplace_back(done, total); });

    cats.setCategoryName(4, std::nullopt);

    EXPECT_EQ(cats.categoryName(4), "");
    EXPECT_EQ(header().namedCategoryMask(), 1u << 2);
    EXPECT_EQ(t.db.record(0, false).category(), 0);
    EXPECT_EQ(t.db.record(1, false).category(), 2);
    EXPECT_EQ(t.db.deletedRecord(0, false).category(), 0);
    auto marked = [&](KxRecordHandle h) {
        return (h.attributes() & kAttrDirty) != 0 && h.modificationTime() == 2'000'000;
    };
    EXPECT_TRUE(marked(t.db.record(0, false)));
    EXPECT_TRUE(marked(t.db.deletedRecord(0, false)));
    EXPECT_FALSE(marked(t.db.record(1, false)));
    EXPECT_FALSE(marked(t.db.record(2, false))) << "records already unfiled are not touched";
    EXPECT_EQ(calls, (std::vector<std::pair<std::uint32_t, std::uint32_t>>{{1, 4}, {2, 4}, {3, 4}, {4, 4}}));
}

TEST_F(Categories, AnEmptyNameClearsLikeNoName) {
    cats.setCategoryName(6, "Six");
    t.addRecord({"a"}, 6);
    cats.setCategoryName(6, "");
    EXPECT_EQ(t.db.record(0, false).category(), 0);
    EXPECT_EQ(cats.namedCategoryCount(), 0u);
}

TEST_F(Categories, MovingTheRecordOfTheUndoCopyDropsTheCopy) {
    cats.setCategoryName(4, "Four");
    t.addRecord({"a"}, 4);
    t.addRecord({"b"}, 0);
    const std::uint8_t text[] = {'c', 0};
    t.db.record(0, false).setRawValue(0, text);
    cats.setCategoryName(4, std::nullopt);
    EXPECT_EQ(thrownBy([&] { t.db.record(0, false).undo(); }), KxDbError::NothingToUndo);
}

TEST_F(Categories, TheUndoCopyOfAnotherRecordStays) {
    cats.setCategoryName(4, "Four");
    t.addRecord({"a"}, 4);
    t.addRecord({"b"}, 0);
    const std::uint8_t text[] = {'c', 0};
    t.db.record(0, false).setRawValue(0, text);
    t.db.record(1, false).setRawValue(0, text); // the copy now holds "b"
    cats.setCategoryName(4, std::nullopt);
    t.db.record(1, false).undo();
    EXPECT_EQ(t.text(1, 0), "b");
}

TEST_F(Categories, ClearingASlotLeavesItsRecordsWhereTheyAre) {
    cats.setCategoryName(4, "Four");
    t.addRecord({"a"}, 4);
    cats.clearCategorySlot(4);
    EXPECT_EQ(cats.categoryName(4), "");
    EXPECT_EQ(header().namedCategoryMask(), 0u);
    EXPECT_EQ(t.db.record(0, false).category(), 4);
}

TEST_F(Categories, SlotsPastFifteenAreRefused) {
    EXPECT_EQ(thrownBy([&] { cats.setCategoryName(16, "x"); }), KxDbError::BadCategory);
    EXPECT_EQ(thrownBy([&] { cats.recategorise(0, 16, false); }), KxDbError::BadCategory);
}

} // namespace
