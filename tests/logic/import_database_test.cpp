#include "transfer/KxDbImporter.h"
#include "transfer/ImportRun.h"

#include "engine/KxCategoryEditor.h"
#include "tests/logic/ImportTestUi.h"
#include "tests/logic/TransferTestDb.h"

#include <gtest/gtest.h>

#include <set>

namespace {

using Texts = std::vector<std::string>;

std::vector<KxFieldSpec> sourceFields() {
    return {fieldSpec("Name", KxFieldType::Text), fieldSpec("Note", KxFieldType::LabelOnly),
            fieldSpec("Qty", KxFieldType::Number)};
}

// A source database of three records (one in category "Home") and one deleted record, and
// an empty target with the same fields.
class DatabaseImportTest : public ::testing::Test {
protected:
    DatabaseImportTest() : source(sourceFields(), 3, "source.rlv"), target(sourceFields()) {
        source.db.fileHeader().setCategoryNameBytes(4, "Home");
        source.addRecord({"Ann", "", "1"}, 4);
        source.addRecord({"Bob", "", "2"});
        source.addRecord({"Cid", "", ""});
        source.addRecord({"Del", "", "9"});
        source.db.deleteRecord(3);
        source.db.save();
    }

    KxImportResult import(std::uint16_t listCategory = kAllCategories) {
        KxDbImporter importer;
        EXPECT_TRUE(importer.open(ui, source.path()));
        KxFieldSelection selection(target.db, kxImportSelectionOptions(listCategory));
        KxImportOptions options;
        options.listCategory = listCategory;
        options.logPath = target.dir().file("log.txt");
        options.offerLog = false;
        return kxRunImport(target.db, ui, importer, selection, options);
    }

    Texts logLines() const {
        Texts lines;
        std::istringstream in(readFileText(target.dir().file("log.txt")));
        for (std::string line; std::getline(in, line);) lines.push_back(line);
        return lines;
    }

    std::set<std::tuple<std::uint32_t, std::uint32_t, std::uint16_t>> identities(const KxDatabase& db) const {
        std::set<std::tuple<std::uint32_t, std::uint32_t, std::uint16_t>> ids;
        for (std::size_t i = 0; i < db.liveCount(); ++i) {
            const auto id = db.identityOf(i);
            ids.insert({id.userId, id.created, id.sequence});
        }
        return ids;
    }

    TestDb source;
    TestDb target;
    ImportTestUi ui;
};

TEST_F(DatabaseImportTest, ColumnsAreNonLabelFieldsInFormOrderThenCategory) {
    KxDbImporter importer;
    ASSERT_TRUE(importer.open(ui, source.path()));
    EXPECT_EQ(importer.columnCount(), 3u);
    EXPECT_EQ(importer.rowCount(), 3u); // deleted records are not imported
    EXPECT_EQ(importer.columnType(0), 1);
    EXPECT_EQ(importer.columnType(1), 4);
    EXPECT_EQ(importer.columnType(2), KxImporter::kCategoryColumnType);
    EXPECT_TRUE(importer.hasCategoryColumn());
    EXPECT_EQ(importer.categoryName(0), "Home");
    EXPECT_EQ(importer.categoryName(1), "Unfiled");
    EXPECT_EQ(importer.value(1, 2)->text(), "Unfiled");
    EXPECT_FALSE(importer.value(2, 1).has_value());
    EXPECT_EQ(importer.recordInfo(0).identity, source.db.identityOf(0));
}

TEST_F(DatabaseImportTest, FirstImportTakesOverIdentitiesAndCategories) {
    const auto before = readFileBytes(source.path());
    const auto result = import();
    EXPECT_EQ(result.imported, 3u);
    EXPECT_EQ(target.column(0), (Texts{"Ann", "Bob", "Cid"}));
    EXPECT_EQ(target.column(2), (Texts{"1", "2", ""}));
    EXPECT_EQ(identities(target.db), identities(source.db));
    EXPECT_EQ(target.db.liveChunk(0).modified, source.db.liveChunk(0).modified);
    EXPECT_EQ(KxCategoryEditor(target.db).categoryName(1), "Home"); // the first free slot
    EXPECT_EQ(target.db.liveCategory(0), 1);
    EXPECT_EQ(target.db.liveCategory(1), 0);
    EXPECT_EQ(readFileBytes(source.path()), before); // the source is only read
}

TEST_F(DatabaseImportTest, SecondImportOfTheSameFileAddsNothing) {
    import();
    const auto result = import();
    EXPECT_EQ(result.imported, 0u);
    EXPECT_EQ(result.skipped, 3u);
    EXPECT_EQ(target.db.liveCount(), 3u);
    EXPECT_EQ(result.logLines, 0u);
}

TEST_F(DatabaseImportTest, ChangedRecordsComeBackAsCopiesWithALogLine) {
    import();
    // Bob's quantity changes, Cid's letter case; Ann moves to Unfiled.
    {
        FieldValue qty = FieldValue::newValue(4);
        qty.setNumber(5);
        source.db.record(1, true).setValue(2, qty);
        FieldValue name = FieldValue::newValue(1);
        name.setText("CID");
        source.db.record(2, true).setValue(0, name);
        source.db.record(0, true).setCategory(0);
        source.db.save();
    }
    const auto result = import();
    EXPECT_EQ(result.imported, 3u);
    EXPECT_EQ(target.column(0), (Texts{"Ann", "Ann", "Bob", "Bob", "Cid", "CID"}));
    EXPECT_EQ(identities(target.db).size(), 6u); // copies get identities of their own
    EXPECT_EQ(logLines(), (Texts{"Duplicate record.  Import made a duplicate copy of: Record = Ann",
                                 "Duplicate record.  Import made a duplicate copy of: Record = Bob",
                                 "Duplicate record.  Import made a duplicate copy of: Record = CID"}));
}

TEST_F(DatabaseImportTest, DifferentTypesTurnTheCheckOffButNeverShareAnIdentity) {
    import();
    // Qty goes to Name and Name to Qty: the types differ, so rows are not recognised again.
    KxDbImporter importer;
    ASSERT_TRUE(importer.open(ui, source.path()));
    KxFieldSelection selection(target.db, kxImportSelectionOptions(kAllCategories));
    selection.setOrder({1, 0, 2});
    KxImportOptions options;
    options.logPath = target.dir().file("log.txt");
    options.offerLog = false;
    const auto result = kxRunImport(target.db, ui, importer, selection, options);
    EXPECT_EQ(result.imported, 3u);
    EXPECT_EQ(identities(target.db).size(), 6u);
    // The text "Ann" read as a Number is 0; the number 1 read as a text is "1".
    EXPECT_EQ(target.column(0), (Texts{"", "1", "2", "Ann", "Bob", "Cid"}));
}

TEST_F(DatabaseImportTest, CategoryEntryIsOnlyOfferedWhileAllCategoriesShow) {
    target.db.fileHeader().setCategoryNameBytes(6, "Work");
    const auto result = import(6);
    EXPECT_EQ(result.imported, 3u);
    for (std::size_t i = 0; i < 3; ++i) EXPECT_EQ(target.db.liveCategory(i), 6);
    EXPECT_EQ(KxCategoryEditor(target.db).namedCategoryCount(), 1u);
}

} // namespace
