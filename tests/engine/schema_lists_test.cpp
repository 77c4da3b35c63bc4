// Form layouts, sort definitions, list options sets and item lists: limits, insertion and move
// positions, and the indexes that follow a deleted entry.

#include "tests/support/EngineTestSupport.h"
#include "tests/support/TestFiles.h"

#include "engine/KxItemListChunk.h"
#include "engine/KxDatabase.h"
#include "engine/KxSchemaEditor.h"
#include "engine/KxSearchChunk.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr std::uint32_t kUser = 77;

class SchemaListsTest : public ::testing::Test {
protected:
    void SetUp() override {
        db.create(path(), kRolvaTypeTag, kOpenDocument, kUser);
        for (int i = 0; i < 4; ++i) schema.addField();
    }

    std::string path() const { return dir.file("Lists.rlv"); }

    void reopen() {
        db.save();
        db.open(path(), kOpenDocument, kUser);
    }

    std::vector<int> searchSets() {
        std::vector<int> sets;
        for (const auto& s : db.searchChunk().searches) sets.push_back(s.listOptionsSet);
        return sets;
    }

    TempDir dir;
    KxDatabase db;
    KxSchemaEditor schema{db};
};

TEST_F(SchemaListsTest, CountLimits) {
    for (int i = 0; i < 10; ++i) schema.addLayout();
    EXPECT_EQ(thrownBy([&] { schema.addLayout(); }), KxDbError::LimitReached);
    for (int i = 0; i < 15; ++i) schema.addSortDef();
    EXPECT_EQ(thrownBy([&] { schema.addSortDef(); }), KxDbError::LimitReached);
    for (int i = 0; i < 15; ++i) schema.addListSet();
    EXPECT_EQ(thrownBy([&] { schema.addListSet(); }), KxDbError::LimitReached);

    for (int i = 0; i < 255; ++i) schema.addItem(0, 999);
    EXPECT_EQ(thrownBy([&] { schema.addItem(0, 0); }), KxDbError::LimitReached);
    for (int i = 0; i < 250; ++i) schema.addSortKey(0, 999);
    EXPECT_EQ(thrownBy([&] { schema.addSortKey(0, 0); }), KxDbError::LimitReached);
    for (int i = 0; i < 250; ++i) schema.addColumn(0, 999);
    EXPECT_EQ(thrownBy([&] { schema.addColumn(0, 0); }), KxDbError::LimitReached);
    EXPECT_EQ(schema.itemCount(0), 255u);

    EXPECT_NO_THROW(reopen());
    EXPECT_EQ(schema.layoutCount(), 10u);
    EXPECT_EQ(schema.columnCount(0), 250u);
}

TEST_F(SchemaListsTest, ItemsAreInsertedBeforeAPositionAndMovedBeforeATarget) {
    const std::size_t layout = schema.addLayout();
    EXPECT_EQ(schema.addItem(layout, 5), 0u);      // past the end: appended
    EXPECT_EQ(schema.addItem(layout, 5), 1u);
    EXPECT_EQ(schema.addItem(layout, 0), 0u);      // before the first
    EXPECT_EQ(schema.addItem(layout, 99), 3u);
    const KxFormItem& fresh = schema.item(layout, 0);
    EXPECT_EQ(fresh.field, 0);
    EXPECT_EQ(fresh.flags, 0);
    EXPECT_EQ(fresh.value1, 0);
    EXPECT_EQ(fresh.value2, 999);

    for (std::size_t i = 0; i < 4; ++i) schema.item(layout, i).value1 = static_cast<std::uint16_t>(i);
    auto order = [&] {
        std::vector<int> values;
        for (std::size_t i = 0; i < schema.itemCount(layout); ++i)
            values.push_back(schema.item(layout, i).value1);
        return values;
    };
    schema.moveItem(layout, 0, 3);
    EXPECT_EQ(order(), (std::vector<int>{1, 2, 0, 3}));
    schema.moveItem(layout, 3, 0);
    EXPECT_EQ(order(), (std::vector<int>{3, 1, 2, 0}));
    schema.moveItem(layout, 1, 4);
    EXPECT_EQ(order(), (std::vector<int>{3, 2, 0, 1}));
    schema.moveItem(layout, 1, 2);                 // before its successor: no change
    EXPECT_EQ(order(), (std::vector<int>{3, 2, 0, 1}));
    EXPECT_EQ(thrownBy([&] { schema.moveItem(layout, 4, 0); }), KxDbError::LimitReached);
    EXPECT_EQ(thrownBy([&] { schema.moveItem(layout, 0, 5); }), KxDbError::LimitReached);
}

TEST_F(SchemaListsTest, ReferencesToFieldsMustNameExistingFields) {
    schema.addLayout();
    schema.addItem(0, 0);
    schema.addSortDef();
    schema.addSortKey(0, 0);
    schema.addListSet();
    schema.addColumn(0, 0);
    EXPECT_EQ(thrownBy([&] { schema.setItemField(0, 0, 4); }), KxDbError::LimitReached);
    EXPECT_NO_THROW(schema.setItemField(0, 0, kNoField));
    EXPECT_EQ(thrownBy([&] { schema.setSortKeyField(0, 0, kNoField); }), KxDbError::LimitReached);
    EXPECT_EQ(thrownBy([&] { schema.setColumnField(0, 0, 4); }), KxDbError::LimitReached);
    EXPECT_EQ(thrownBy([&] { schema.setListSetSortDef(0, 1); }), KxDbError::LimitReached);
}

TEST_F(SchemaListsTest, DeletingAListOptionsSetRenumbersCurrentAndSearches) {
    for (int i = 0; i < 4; ++i) schema.addListSet();
    for (int set : {0, 1, 2, 3, 255}) {
        KxStoredSearch search;
        search.listOptionsSet = static_cast<std::uint8_t>(set);
        db.searchChunk().searches.push_back(search);
    }
    schema.setCurrentListSet(3);

    schema.deleteListSet(1);
    EXPECT_EQ(schema.currentListSet(), 2u);
    EXPECT_EQ(searchSets(), (std::vector<int>{0, 0, 1, 2, 255}));

    schema.deleteListSet(2);                       // the current one
    EXPECT_EQ(schema.currentListSet(), 0u);
    EXPECT_EQ(searchSets(), (std::vector<int>{0, 0, 1, 0, 255}));

    schema.setCurrentListSet(1);
    schema.deleteListSet(0);                       // an earlier one
    EXPECT_EQ(schema.currentListSet(), 0u);
    EXPECT_EQ(schema.listSetCount(), 1u);
    EXPECT_NO_THROW(reopen());
}

TEST_F(SchemaListsTest, DeletedLayoutsAndSortDefinitionsLeaveNoIndexPastTheEnd) {
    schema.addLayout();
    schema.addLayout();
    schema.setCurrentLayout(1);
    schema.deleteLayout(1);
    EXPECT_EQ(schema.currentLayout(), 0u);

    for (int i = 0; i < 3; ++i) schema.addSortDef();
    for (int def : {0, 1, 2}) schema.setListSetSortDef(schema.addListSet(), static_cast<std::uint8_t>(def));
    schema.deleteSortDef(1);
    EXPECT_EQ(schema.listSetSortDef(0), 0);
    EXPECT_EQ(schema.listSetSortDef(1), 0);
    EXPECT_EQ(schema.listSetSortDef(2), 1);
    EXPECT_EQ(thrownBy([&] { schema.setCurrentLayout(1); }), KxDbError::LimitReached);
    EXPECT_NO_THROW(reopen());
}

// --- item lists ---

class ItemListTest : public SchemaListsTest {
protected:
    void SetUp() override {
        SchemaListsTest::SetUp();
        db.header().fields[1].type = KxFieldType::MultipleChoice;
    }
};

TEST_F(ItemListTest, AFieldWithoutListGetsAnEmptyOneThatIsBusyWhileHeld) {
    const std::size_t schemaChunks = db.schemaChunkCount();
    {
        KxItemListAccessor list(db, 1, true);
        EXPECT_EQ(list.itemCount(), 0u);
        EXPECT_EQ(db.schemaChunkCount(), schemaChunks + 1);
        const KxItemListChunk* chunk = db.header().fields[1].itemList;
        ASSERT_NE(chunk, nullptr);
        EXPECT_EQ(chunk->tag(), KxChunkTag::ChoiceList);
        EXPECT_TRUE(db.entryOf(chunk).attributes & kAttrBusy);
    }
    EXPECT_FALSE(db.entryOf(db.header().fields[1].itemList).attributes & kAttrBusy);
    KxItemListAccessor again(db, 1, false);
    EXPECT_EQ(db.schemaChunkCount(), schemaChunks + 1);
    EXPECT_EQ(thrownBy([&] { KxItemListAccessor(db, 9, true); }), KxDbError::LimitReached);
}

TEST_F(ItemListTest, ItemCountAndLengthLimits) {
    KxItemListAccessor list(db, 1, true);
    for (int i = 0; i < 4000; ++i) list.addItem("i");
    EXPECT_EQ(thrownBy([&] { list.addItem("one more"); }), KxDbError::LimitReached);
    list.clearItems();

    list.addItem(std::string(40000, 'a'));
    EXPECT_EQ(list.itemText(0).size(), 32768u);
    // 14 + 4 + 32768 bytes so far: a second long item does not fit, one of 32490 just does.
    EXPECT_EQ(thrownBy([&] { list.addItem(std::string(32768, 'b')); }), KxDbError::TooLarge);
    list.addItem(std::string(32490, 'c'));
    EXPECT_EQ(db.header().fields[1].itemList->byteSize(), 65280u);
    EXPECT_EQ(thrownBy([&] { list.addItem(""); }), KxDbError::TooLarge);
    EXPECT_EQ(thrownBy([&] { list.setItem(1, std::string(32491, 'd')); }), KxDbError::TooLarge);
    EXPECT_NO_THROW(list.setItem(1, std::string(32490, 'd')));
    EXPECT_EQ(list.itemCount(), 2u);
}

} // namespace
