// Export to a new database file: the schema it copies, byte for byte, and the records it
// carries over.

#include "transfer/KxExporter.h"

#include "tests/support/EngineTestSupport.h"
#include "tests/support/RlvBuilder.h"
#include "tests/support/ScriptedUi.h"
#include "tests/support/TestDatabase.h"

#include "engine/KxCategoryEditor.h"
#include "transfer/KxDatabaseExport.h"

#include <sys/stat.h>

#include <gtest/gtest.h>

namespace {

constexpr std::uint16_t kShown = 0x04;
constexpr std::uint32_t kStamp = 0x1234;

std::uint32_t le32(const std::vector<std::uint8_t>& b, std::size_t at) {
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}

std::vector<std::uint8_t> slice(const std::vector<std::uint8_t>& b, std::size_t at) {
    return {b.begin() + static_cast<std::ptrdiff_t>(at),
            b.begin() + static_cast<std::ptrdiff_t>(at + le32(b, at))};
}

class DatabaseExportTest : public ::testing::Test {
protected:
    DatabaseExportTest()
        : t({{KxFieldType::Text, "Name", kShown},
             {KxFieldType::Number, "Price", kFlagThousands | kFlagCurrency},
             {KxFieldType::MultipleChoice, "Kind", kShown},
             {KxFieldType::Checkbox, "Done", kShown | kFlagHideSeconds},
             {KxFieldType::LabelOnly, "Section", kShown},
             {KxFieldType::Calculation, "Total", kShown}}) {
        KxSchemaEditor schema(t.db);
        schema.setTypeOption(1, 2);
        schema.setTypeOption(5, 1);
        KxItemListAccessor kinds(t.db, 2, true);
        kinds.addItem("a");
        kinds.addItem("b");
        KxCategoryEditor categories(t.db);
        categories.setCategoryName(1, "Home");
        categories.setCategoryName(3, "Work");
        t.db.header().setAttributes(0xFF);
        t.addRecord({"Ann", "12.5", "b", "Yes", "", "3"}, 3);
        t.addRecord({"Bob"});
        t.addRecord({"Cy", "", "a"}, 1);
    }

    // Exports entries Kind, Price, Category, Done, Section, Name in that order.
    bool exportTo(const std::string& path) {
        KxExportSelections selections(t.db);
        selections.plain.setOrder({2, 1, 6, 3, 4, 0});
        KxExportOptions options;
        options.type = KxExportFileType::Database;
        options.path = path;
        KxExporter exporter(t.db, ui);
        exporter.setNewDatabaseIdentity(TestDatabase::kUser, kStamp);
        return exporter.run(options, selections, {});
    }

    TestDatabase t;
    TempDir out;
    ScriptedUi ui;
};

TEST_F(DatabaseExportTest, SchemaIsCopiedByteForByte) {
    const std::string path = out.file("copy.rlv");
    ASSERT_TRUE(exportTo(path));
    const auto file = readFileBytes(path);

    // The item lists: the Multiple Choice field keeps its items, the Text field has its own
    // empty list, found by their tags and field bytes among the schema chunks.
    const std::uint32_t schemaCount = 5; // header, removal log, saved searches, two lists
    std::vector<std::uint32_t> listOffsets(2, 0);
    for (std::uint32_t i = 1; i < schemaCount; ++i) {
        const std::uint32_t at = le32(file, 380 + 12 * i);
        const std::string tag(file.begin() + at + 4, file.begin() + at + 6);
        if (tag == "CM") {
            listOffsets[0] = at;
            EXPECT_TRUE(sameBytes(slice(file, at), rlv::itemListChunk("CM", 0, {"a", "b"})));
        } else if (tag == "FF") {
            listOffsets[1] = at;
            EXPECT_TRUE(sameBytes(slice(file, at), rlv::itemListChunk("FF", 4, {})));
        }
    }
    ASSERT_NE(listOffsets[0], 0u);
    ASSERT_NE(listOffsets[1], 0u);

    rlv::Header expected;
    expected.attributes = kxExportedAttributes; // 0x01 and 0x04 stay behind
    expected.stamp = kStamp;
    expected.fields = {{2, "Kind", 0, 0}, {4, "Price", 2}, {7, "Done"}, {0, "Section"}, {1, "Name", 0, 1}};
    // Labels shown or not, separators and currency come along; the seconds flag does not.
    expected.layouts = {{"", {{0, kShown}, {1, kFlagThousands | kFlagCurrency}, {2, kShown}, {3, kShown}, {4, kShown}}}};
    expected.sortDefs = {{"", {{0, 1}, {1, 1}, {2, 1}, {4, 1}}}};
    expected.listSets = {{"", 0, {{0, 25}, {1, 25}, {2, 25}, {4, 25}}}};
    EXPECT_TRUE(sameBytes(slice(file, le32(file, 380)),
                          rlv::headerChunk(expected, schemaCount, 3, 0, listOffsets)));

    // The file header: the database's name and the category names in their slots.
    EXPECT_EQ(std::string(file.begin() + 23, file.begin() + 28), std::string("copy\0", 5));
    EXPECT_EQ(file[64] | file[65] << 8, 0x0A);
    EXPECT_EQ(std::string(file.begin() + 66 + 18, file.begin() + 66 + 18 + 5), std::string("Home\0", 5));
    EXPECT_EQ(std::string(file.begin() + 66 + 54, file.begin() + 66 + 54 + 5), std::string("Work\0", 5));
}

TEST_F(DatabaseExportTest, RecordsCarryTheirValuesAndCategoriesInSortOrder) {
    const std::string path = out.file("copy.rlv");
    ASSERT_TRUE(exportTo(path));
    KxDatabase copy;
    copy.open(path, kOpenReadShared, 0);
    ASSERT_EQ(copy.liveCount(), 3u);
    auto bytes = [&](std::size_t record, std::size_t field) {
        const auto v = copy.liveChunk(record).value(field);
        return std::vector<std::uint8_t>(v.begin(), v.end());
    };
    // Sorted by Kind: Bob has none, then Cy's "a", then Ann's "b".
    EXPECT_EQ(bytes(0, 4), rlv::textValue("Bob"));
    EXPECT_TRUE(bytes(0, 0).empty());
    EXPECT_EQ(copy.liveCategory(0), 0);
    EXPECT_EQ(bytes(1, 0), rlv::textValue("a"));
    EXPECT_EQ(copy.liveCategory(1), 1);
    EXPECT_EQ(bytes(2, 0), rlv::textValue("b"));
    EXPECT_EQ(bytes(2, 1), rlv::doubleValue(12.5));
    EXPECT_EQ(bytes(2, 2), rlv::checkboxValue(true));
    EXPECT_TRUE(bytes(2, 3).empty());
    EXPECT_EQ(bytes(2, 4), rlv::textValue("Ann"));
    EXPECT_EQ(copy.liveCategory(2), 3);
}

TEST_F(DatabaseExportTest, WithoutTheCategoryEntryNoCategoriesComeAlong) {
    const std::string path = out.file("plain.rlv");
    KxExportSelections selections(t.db);
    selections.plain.setOrder({0});
    KxExportOptions options;
    options.type = KxExportFileType::Database;
    options.path = path;
    ASSERT_TRUE(KxExporter(t.db, ui).run(options, selections, {}));
    KxDatabase copy;
    copy.open(path, kOpenReadShared, 0);
    EXPECT_EQ(copy.fileHeader().namedCategoryMask(), 0);
    for (std::size_t i = 0; i < copy.liveCount(); ++i) EXPECT_EQ(copy.liveCategory(i), 0);
}

TEST_F(DatabaseExportTest, ExistingFileIsReplacedAndCancelLeavesItAsItWas) {
    const std::string path = out.file("copy.rlv");
    writeFileBytes(path, {'o', 'l', 'd'});
    ::chmod(path.c_str(), 0444);
    ASSERT_TRUE(exportTo(path));
    EXPECT_GT(readFileBytes(path).size(), 380u);

    const auto previous = readFileBytes(path);
    ui.cancelWaits = true;
    EXPECT_FALSE(exportTo(path));
    EXPECT_EQ(readFileBytes(path), previous);
    EXPECT_EQ(out.entries().size(), 1u); // no temporary file either
}

} // namespace
