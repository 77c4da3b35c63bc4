// Adding and deleting fields: limits, stored label bytes, and every reference that follows a
// deleted field.

#include "tests/support/EngineTestSupport.h"
#include "tests/support/TestFiles.h"

#include "engine/KxItemListChunk.h"
#include "engine/KxDatabase.h"
#include "engine/KxRecordChunk.h"
#include "engine/KxRecordHandle.h"
#include "engine/KxRemovalLog.h"
#include "engine/KxSchemaEditor.h"
#include "engine/KxSearchChunk.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr std::uint32_t kUser = 0x1234;

std::vector<std::uint8_t> textValue(const std::string& text) {
    std::vector<std::uint8_t> bytes(text.begin(), text.end());
    bytes.resize((text.size() + 2) & ~std::size_t{1}, 0);
    return bytes;
}

std::uint32_t le32At(const std::vector<std::uint8_t>& b, std::size_t at) {
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (std::uint32_t{b[at + 3]} << 24);
}

class SchemaFieldsTest : public ::testing::Test {
protected:
    void SetUp() override { db.create(path(), kRolvaTypeTag, kOpenDocument, kUser); }

    std::string path() const { return dir.file("Fields.rlv"); }

    std::size_t addField(KxFieldType type, const std::string& label = "") {
        const std::size_t p = schema.addField();
        KxFieldDef& def = db.header().fields[p];
        def.type = type;
        if (type == KxFieldType::Calculation) def.calc = KxCalcBlock{};
        schema.setFieldLabel(p, label);
        return p;
    }

    // A live record with the given texts (an empty text leaves the field empty).
    void addRecord(const std::vector<std::string>& texts) {
        std::size_t position = db.liveCount();
        KxRecordHandle handle = db.newRecord(position, false);
        for (std::size_t f = 0; f < texts.size(); ++f)
            if (!texts[f].empty()) handle.setRawValue(f, textValue(texts[f]));
    }

    std::string textOf(const KxRecordChunk& record, std::size_t field) const {
        auto bytes = record.value(field);
        return std::string(bytes.begin(), bytes.end()).c_str();
    }

    void reopen() {
        db.save();
        db.open(path(), kOpenDocument, kUser);
    }

    TempDir dir;
    KxDatabase db;
    KxSchemaEditor schema{db};
};

TEST_F(SchemaFieldsTest, TheTwoHundredFiftyFirstFieldIsRefused) {
    for (int i = 0; i < 250; ++i) schema.addField();
    EXPECT_EQ(thrownBy([&] { schema.addField(); }), KxDbError::LimitReached);
    EXPECT_EQ(schema.fieldCount(), 250u);
}

TEST_F(SchemaFieldsTest, LabelsAreWrittenRoundedUpToAnEvenLength) {
    addField(KxFieldType::Text, "Apple");
    addField(KxFieldType::Integer, "Pear");
    db.save();

    const auto file = readFileBytes(path());
    const std::size_t chunk = le32At(file, 380);   // directory entry 0: the header chunk
    const std::size_t first = chunk + le32At(file, chunk + 40);
    EXPECT_EQ(le32At(file, first), 20u);           // 14 + "Apple" + NUL
    EXPECT_EQ(le32At(file, first + 10), 14u);
    EXPECT_EQ(std::string(file.begin() + first + 14, file.begin() + first + 20),
              std::string("Apple\0", 6));
    const std::size_t second = first + 20;
    EXPECT_EQ(le32At(file, second), 18u);          // 14 + "Pear", no terminator
    EXPECT_EQ(std::string(file.begin() + second + 14, file.begin() + second + 18), "Pear");
    EXPECT_EQ(le32At(file, chunk), 76u + 20 + 18);

    db.open(path(), kOpenDocument, kUser);
    EXPECT_EQ(schema.fieldLabel(0), "Apple");
    EXPECT_EQ(schema.fieldLabel(1), "Pear");
}

// Ten fields whose labels bring the header chunk to `size` bytes.
void fillHeaderTo(KxSchemaEditor& schema, std::size_t size) {
    const std::size_t labels = size - 76 - 10 * 14;
    for (int i = 0; i < 10; ++i) {
        schema.addField();
        schema.setFieldLabel(i, std::string(i < 9 ? 6500 : labels - 9 * 6500, 'x'));
    }
}

TEST_F(SchemaFieldsTest, HeaderChunkMayReachButNotPass65280Bytes) {
    fillHeaderTo(schema, 65266);
    EXPECT_NO_THROW(schema.addField());            // exactly 65280
    EXPECT_EQ(thrownBy([&] { schema.addField(); }), KxDbError::TooLarge);
    EXPECT_EQ(thrownBy([&] { schema.addLayout(); }), KxDbError::TooLarge);
    EXPECT_EQ(thrownBy([&] { schema.setFieldLabel(10, "a"); }), KxDbError::TooLarge);
    EXPECT_EQ(schema.fieldLabel(10), "");
    // 6499 characters take the same 6500 bytes as 6500 do; 6501 take two more.
    EXPECT_NO_THROW(schema.setFieldLabel(0, std::string(6499, 'y')));
    EXPECT_EQ(thrownBy([&] { schema.setFieldLabel(0, std::string(6501, 'y')); }),
              KxDbError::TooLarge);
    EXPECT_EQ(schema.fieldCount(), 11u);

    db.save();
    const auto file = readFileBytes(path());
    EXPECT_EQ(le32At(file, le32At(file, 380)), 65280u);
}

TEST_F(SchemaFieldsTest, EachKindOfEntryNeedsItsOwnRoom) {
    fillHeaderTo(schema, 65250);
    EXPECT_EQ(thrownBy([&] { schema.addListSet(); }), KxDbError::TooLarge);  // 32 bytes
    EXPECT_NO_THROW(schema.addSortDef());                                      // 30 bytes
    EXPECT_EQ(schema.listSetCount(), 0u);
}

TEST_F(SchemaFieldsTest, NoRecordMayPass65280BytesForTheNewValueSlot) {
    addField(KxFieldType::Text);
    std::size_t position = 0;
    // 30 + 4 + 65244 = 65278: four more bytes would be too many.
    db.newRecord(position, false).setRawValue(0, std::vector<std::uint8_t>(65244, 'a'));
    db.deleteRecord(0);
    EXPECT_EQ(thrownBy([&] { schema.addField(); }), KxDbError::TooLarge);
    EXPECT_EQ(schema.fieldCount(), 1u);
    EXPECT_EQ(db.deletedChunk(0).valueCount(), 1u);

    db.deletedRecord(0, false).setRawValue(0, std::vector<std::uint8_t>(65242, 'a'));
    EXPECT_NO_THROW(schema.addField());
    EXPECT_EQ(db.deletedChunk(0).byteSize(), 65280u);
}

TEST_F(SchemaFieldsTest, DeletingAFieldRenumbersCalculationOperands) {
    for (int i = 0; i < 4; ++i) addField(KxFieldType::Number);
    const std::size_t calc = addField(KxFieldType::Calculation);
    schema.setCalcFirst(calc, 3);
    schema.setCalcSecond(calc, 2);
    schema.setCalcOperator(calc, 1);

    schema.deleteField(2);
    EXPECT_EQ(schema.calcFirst(3), 2);
    EXPECT_EQ(schema.calcSecond(3), kNoField);
    EXPECT_EQ(schema.calcOperator(3), 1);

    schema.deleteField(0);
    EXPECT_EQ(schema.calcFirst(2), 1);
    EXPECT_EQ(schema.calcSecond(2), kNoField);
}

TEST_F(SchemaFieldsTest, CalculationBlockAcceptsOnlyExistingOperands) {
    addField(KxFieldType::Number);
    const std::size_t calc = addField(KxFieldType::Calculation);
    EXPECT_EQ(thrownBy([&] { schema.setCalcFirst(calc, 2); }), KxDbError::LimitReached);
    EXPECT_EQ(thrownBy([&] { schema.calcFirst(0); }), KxDbError::LimitReached);
    EXPECT_NO_THROW(schema.setCalcSecond(calc, kNoField));
    EXPECT_EQ(schema.calcFirst(calc), kNoField);
}

TEST_F(SchemaFieldsTest, DeletingTheOnlyValueRemovesTheRecordWithoutLogEntry) {
    addField(KxFieldType::Text);
    addField(KxFieldType::Text);
    addRecord({"keep", ""});
    addRecord({"", "gone"});
    addRecord({"both", "two"});
    addRecord({"", "deleted"});
    db.deleteRecord(3);
    addRecord({"deleted too", ""});
    db.deleteRecord(3);

    schema.deleteField(1);
    EXPECT_EQ(db.liveCount(), 2u);
    EXPECT_EQ(db.deletedCount(), 1u);
    EXPECT_EQ(textOf(db.liveChunk(0), 0), "keep");
    EXPECT_EQ(textOf(db.liveChunk(1), 0), "both");
    EXPECT_EQ(textOf(db.deletedChunk(0), 0), "deleted too");
    EXPECT_EQ(db.liveChunk(0).valueCount(), 1u);
    EXPECT_TRUE(db.removalLog().entries().empty());
    EXPECT_EQ(db.directorySize(), db.schemaChunkCount() + 3);
}

TEST_F(SchemaFieldsTest, FieldChangesDropTheUndoCopy) {
    addField(KxFieldType::Text);
    addRecord({"before"});
    db.record(0, false).setRawValue(0, textValue("after"));
    schema.addField();
    EXPECT_EQ(thrownBy([&] { db.record(0, false).undo(); }), KxDbError::NothingToUndo);

    db.record(0, false).setRawValue(0, textValue("again"));
    schema.deleteField(1);
    EXPECT_EQ(thrownBy([&] { db.record(0, false).undo(); }), KxDbError::NothingToUndo);
}

TEST_F(SchemaFieldsTest, DeletingAFieldRenumbersLayoutsSortKeysColumnsAndSearches) {
    for (int i = 0; i < 4; ++i) addField(KxFieldType::Text, "F" + std::to_string(i));
    const std::size_t layout = schema.addLayout();
    for (int f : {0, 1, 2, 255, 3})
        schema.setItemField(layout, schema.addItem(layout, 99), static_cast<std::uint8_t>(f));
    schema.item(layout, 2).flags = kFlagThousands;
    const std::size_t def = schema.addSortDef();
    for (int f : {1, 3, 0})
        schema.setSortKeyField(def, schema.addSortKey(def, 99), static_cast<std::uint8_t>(f));
    const std::size_t set = schema.addListSet();
    for (int f : {2, 1})
        schema.setColumnField(set, schema.addColumn(set, 99), static_cast<std::uint8_t>(f));
    KxStoredSearch search;
    for (int f : {0, 1, 2, 255, 254})
        search.criteria.push_back({static_cast<std::uint8_t>(f), 0, "x"});
    db.searchChunk().searches.push_back(search);

    schema.deleteField(1);

    auto fieldsOf = [](const auto& elements) {
        std::vector<int> fields;
        for (const auto& e : elements) fields.push_back(e.field);
        return fields;
    };
    const KxHeaderChunk& h = db.header();
    EXPECT_EQ(fieldsOf(h.layouts[0].items), (std::vector<int>{0, 1, 255, 2}));
    EXPECT_EQ(schema.item(layout, 1).flags, kFlagThousands);
    EXPECT_EQ(fieldsOf(h.sortDefs[0].keys), (std::vector<int>{2, 0}));
    EXPECT_EQ(fieldsOf(h.listSets[0].columns), (std::vector<int>{1}));
    EXPECT_EQ(fieldsOf(db.searchChunk().searches[0].criteria), (std::vector<int>{0, 1, 255, 254}));

    reopen();
    EXPECT_EQ(schema.fieldLabel(1), "F2");
    EXPECT_EQ(fieldsOf(db.header().layouts[0].items), (std::vector<int>{0, 1, 255, 2}));
}

TEST_F(SchemaFieldsTest, ItemListsGoWithTheirFieldAndFollowTheRenumbering) {
    addField(KxFieldType::Text);
    addField(KxFieldType::MultipleChoice);
    addField(KxFieldType::MultipleChoice);
    for (std::size_t f = 0; f < 3; ++f)
        KxItemListAccessor(db, f, true).addItem("item of " + std::to_string(f));
    const std::size_t schemaChunks = db.schemaChunkCount();

    schema.deleteField(1);
    EXPECT_EQ(db.schemaChunkCount(), schemaChunks - 1);
    EXPECT_EQ(db.header().fields[1].itemList->fieldPosition(), 1);

    // Loading checks each list's position byte against its field.
    reopen();
    EXPECT_EQ(KxItemListAccessor(db, 1, false).itemText(0), "item of 2");
    EXPECT_EQ(KxItemListAccessor(db, 0, false).itemText(0), "item of 0");
}

TEST_F(SchemaFieldsTest, HeldChunksAreNotPulledAway) {
    addField(KxFieldType::MultipleChoice);
    addField(KxFieldType::Text);
    {
        KxItemListAccessor list(db, 0, true);
        EXPECT_EQ(thrownBy([&] { schema.deleteField(0); }), KxDbError::Protected);
        EXPECT_EQ(schema.fieldCount(), 2u);
    }
    addRecord({"", "only value"});
    {
        KxRecordHandle held = db.record(0, true);
        EXPECT_EQ(thrownBy([&] { schema.deleteField(1); }), KxDbError::Protected);
        EXPECT_NO_THROW(schema.deleteField(0)); // the held record keeps a value
    }
    EXPECT_NO_THROW(schema.deleteField(0));
    EXPECT_EQ(db.liveCount(), 0u);
}

TEST_F(SchemaFieldsTest, ListReferenceIsNotSetFromOutside) {
    addField(KxFieldType::Text);
    addField(KxFieldType::Number);
    schema.setTypeOption(0, 4096);
    schema.setTypeOption(1, 2);
    EXPECT_EQ(schema.typeOption(0), 0u);
    EXPECT_EQ(schema.typeOption(1), 2u);
    EXPECT_NO_THROW(reopen());
}

TEST_F(SchemaFieldsTest, BadPositionsAreRefused) {
    EXPECT_EQ(thrownBy([&] { schema.deleteField(0); }), KxDbError::LimitReached);
    EXPECT_EQ(thrownBy([&] { schema.setFieldLabel(3, "x"); }), KxDbError::LimitReached);
    db.close(true);
    EXPECT_EQ(thrownBy([&] { schema.addField(); }), KxDbError::NoDatabase);
}

} // namespace
