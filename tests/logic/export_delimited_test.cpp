// Export to comma- and tab-separated files: quoting, empty and checkbox values, the header
// line, the ranges, the encodings and Cancel.

#include "transfer/KxExporter.h"

#include "tests/support/EngineTestSupport.h"
#include "tests/support/ScriptedUi.h"
#include "tests/support/TestDatabase.h"

#include "engine/KxCategoryEditor.h"
#include "engine/KxDbError.h"

#include <gtest/gtest.h>

namespace {

class DelimitedExportTest : public ::testing::Test {
protected:
    DelimitedExportTest()
        : t({{KxFieldType::Text, "Name"},
             {KxFieldType::Checkbox, "Done"},
             {KxFieldType::Text, ""},
             {KxFieldType::LabelOnly, "Notes"}}) {
        KxCategoryEditor(t.db).setCategoryName(2, "Work");
    }

    // Exports with the given options; the order lists selection entries (fields in form
    // order, then Category).
    std::string exportText(KxExportOptions options, const KxExportView& view = {},
                           std::optional<std::vector<std::uint8_t>> order = std::nullopt) {
        KxExportSelections selections(t.db);
        if (order) selections.plain.setOrder(*order);
        options.path = out.file("out.csv");
        KxExporter exporter(t.db, ui);
        EXPECT_TRUE(exporter.run(options, selections, view));
        return readFileText(options.path);
    }

    TestDatabase t;
    TempDir out;
    ScriptedUi ui;
};

TEST_F(DelimitedExportTest, QuotesEveryValueAndDoublesQuotes) {
    t.addRecord({"Say \"hi\"", "Yes", "a,b"}, 2);
    t.addRecord({"", "", ""});
    EXPECT_EQ(exportText({}),
              "\"Name\",\"Done\",\"Field 3\",\"Notes\",\"Category\"\r\n"
              "\"Say \"\"hi\"\"\",\"1\",\"a,b\",\"\",\"Work\"\r\n"
              "\"\",\"0\",\"\",\"\",\"Unfiled\"\r\n");
    EXPECT_EQ(ui.waitStatuses.front(), "Exporting file");
}

TEST_F(DelimitedExportTest, TabSeparatedWithoutLabelsKeepsTheLinesOfAValue) {
    // Stored with a line feed alone; written as the program shows it, with CR LF.
    t.addRecord({"two\nlines", "No"});
    KxExportOptions options;
    options.type = KxExportFileType::Tab;
    options.fieldLabels = false;
    EXPECT_EQ(exportText(options, {}, std::vector<std::uint8_t>{0, 1}), "\"two\r\nlines\"\t\"0\"\r\n");
}

TEST_F(DelimitedExportTest, NoEntryChosenWritesEmptyLines) {
    t.addRecord({"a"});
    t.addRecord({"b"});
    EXPECT_EQ(exportText({}, {}, std::vector<std::uint8_t>{}), "\r\n\r\n\r\n");
}

TEST_F(DelimitedExportTest, StructureOnlyWritesTheHeaderLine) {
    t.addRecord({"a"});
    KxExportOptions options;
    options.what = KxExportWhat::StructureOnly;
    EXPECT_EQ(exportText(options, {}, std::vector<std::uint8_t>{4, 0}), "\"Category\",\"Name\"\r\n");
}

TEST_F(DelimitedExportTest, TextIsUtf8UnlessWindows1252IsAsked) {
    t.addRecord({"caf\xE9"});
    const std::vector<std::uint8_t> nameOnly{0};
    KxExportOptions options;
    options.fieldLabels = false;
    EXPECT_EQ(exportText(options, {}, nameOnly), "\"caf\xC3\xA9\"\r\n");
    options.encoding = KxTextEncoding::Cp1252;
    EXPECT_EQ(exportText(options, {}, nameOnly), "\"caf\xE9\"\r\n");
}

TEST_F(DelimitedExportTest, RangesFollowWhatTheListShows) {
    t.addRecord({"r0"});
    t.addRecord({"r1"}, 2);
    t.addRecord({"r2"}, 2);
    t.addRecord({"r3"});
    t.addDeletedRecord({"gone"}, 2);
    for (std::size_t i = 0; i < t.db.liveCount(); ++i)
        t.db.setLiveAttributeBits(i, i == 0 || i == 3 ? kAttrFound : 0, i == 0 || i == 3 ? 0 : kAttrFound);
    const std::vector<std::uint8_t> nameOnly{0};
    KxExportOptions options;
    options.fieldLabels = false;

    options.what = KxExportWhat::Selected;
    KxExportView view;
    view.currentRecord = 2;
    EXPECT_EQ(exportText(options, view, nameOnly), "\"r2\"\r\n");

    options.what = KxExportWhat::CategoryOrSearch;
    view.category = 2;
    EXPECT_EQ(exportText(options, view, nameOnly), "\"r1\"\r\n\"r2\"\r\n");
    view.searchResults = true;
    EXPECT_EQ(exportText(options, view, nameOnly), "\"r0\"\r\n\"r3\"\r\n");

    view.deletedRecords = true;
    options.what = KxExportWhat::Entire;
    EXPECT_EQ(exportText(options, view, nameOnly), "\"gone\"\r\n");
}

TEST_F(DelimitedExportTest, CancelDeletesTheFile) {
    t.addRecord({"a"});
    ui.cancelWaits = true;
    KxExportOptions options;
    options.path = out.file("out.csv");
    KxExporter exporter(t.db, ui);
    EXPECT_FALSE(exporter.run(options, KxExportSelections(t.db), {}));
    EXPECT_TRUE(out.entries().empty());
}

TEST_F(DelimitedExportTest, FileThatCannotBeCreatedIsError7) {
    KxExportOptions options;
    options.path = out.file("missing/out.csv");
    KxExporter exporter(t.db, ui);
    EXPECT_EQ(thrownBy([&] { exporter.run(options, KxExportSelections(t.db), {}); }),
              KxDbError::CannotCreate);
}

} // namespace
