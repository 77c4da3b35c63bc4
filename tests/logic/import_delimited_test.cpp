#include "transfer/KxDelimitedImporter.h"
#include "transfer/ImportRun.h"

#include "engine/KxCategoryEditor.h"
#include "tests/logic/ImportTestUi.h"
#include "engine/KxDbError.h"
#include "engine/KxRemovalLog.h"
#include "tests/logic/TransferTestDb.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

using Texts = std::vector<std::string>;

// Name (Text), Amount (Number), When (Date), Done (Checkbox), Total = Amount + Amount;
// sorted by Name.
std::vector<KxFieldSpec> typedFields() {
    auto total = fieldSpec("Total", KxFieldType::Calculation, 2);
    total.calcOperator = 0;
    total.calcFirst = 1;
    total.calcSecond = 1;
    return {fieldSpec("Name", KxFieldType::Text), fieldSpec("Amount", KxFieldType::Number, 2),
            fieldSpec("When", KxFieldType::Date), fieldSpec("Done", KxFieldType::Checkbox), total};
}

class DelimitedImportTest : public ::testing::Test {
protected:
    DelimitedImportTest() : t(typedFields()) {}

    // Loads the text as a comma-separated file and imports it with the given order (default:
    // every column to the entry of the same number).
    KxImportResult import(const std::string& csv, std::optional<std::vector<std::uint8_t>> order = {},
                          std::uint16_t listCategory = kAllCategories, bool offerLog = false,
                          bool showLoading = true) {
        importer = std::make_unique<KxDelimitedImporter>(',');
        if (showLoading) {
            if (!importer->open(ui, t.write("in.csv", csv))) return {};
        } else {
            KxDelimitedReader reader = KxDelimitedReader::fromMemory(csv, ',');
            if (!importer->load(std::move(reader), nullptr)) return {};
        }
        KxFieldSelection selection(t.db, kxImportSelectionOptions(listCategory));
        if (order) selection.setOrder(*order);
        KxImportOptions options;
        options.listCategory = listCategory;
        options.logPath = logPath();
        options.offerLog = offerLog;
        return kxRunImport(t.db, ui, *importer, selection, options);
    }

    std::string logPath() const { return t.dir().file("log.txt"); }
    Texts logLines() const {
        Texts lines;
        std::istringstream in(readFileText(logPath()));
        for (std::string line; std::getline(in, line);) lines.push_back(line);
        return lines;
    }

    TestDb t;
    ImportTestUi ui;
    std::unique_ptr<KxDelimitedImporter> importer;
};

TEST_F(DelimitedImportTest, ValuesAreConvertedCalculatedAndSorted) {
    const auto result = import("Zed, 12.5 ,3/4/2021,yes\r\n"
                               "Amy,abc,,no\r\n"
                               ",,,\r\n"
                               "Bob,\"1,000\",notadate,TRUE\r\n");
    EXPECT_EQ(result.imported, 3u);
    EXPECT_EQ(ui.waitStatuses, (Texts{"Import loading progress", "Importing file into database"}));
    EXPECT_EQ(t.column(0), (Texts{"Amy", "Bob", "Zed"}));
    EXPECT_EQ(t.column(1), (Texts{"0", "1000", "12.5"})); // letters read as a Number are 0
    EXPECT_EQ(t.column(2), (Texts{"", "", "3/4/2021"}));
    EXPECT_EQ(t.column(3), (Texts{"No", "Yes", "Yes"}));
    EXPECT_EQ(t.column(4), (Texts{"0", "2000", "25"}));
    EXPECT_TRUE(t.db.liveChunk(0).value(2).empty()); // an empty cell leaves the field empty
    EXPECT_FALSE(std::filesystem::exists(logPath())); // nothing went wrong: no log
}

// Texts of odd and even length, with a line feed, a carriage return or a NUL inside, are
// stored with the bytes a Text value of them has.
TEST_F(DelimitedImportTest, TextsAreStoredAsTheirTextValues) {
    const Texts names{"ab", "abc", "two\nlines", "cr\r\nlf", std::string("nul\0cut", 7)};
    std::string csv;
    for (const auto& name : names) csv += "\"" + name + "\"\n";
    ASSERT_EQ(import(csv).imported, names.size());
    std::vector<std::vector<std::uint8_t>> stored, expected;
    for (std::size_t i = 0; i < t.db.liveCount(); ++i) {
        const auto raw = t.db.liveChunk(i).value(0);
        stored.emplace_back(raw.begin(), raw.end());
    }
    for (const auto& name : names) {
        FieldValue value = FieldValue::newValue(static_cast<int>(KxFieldType::Text));
        value.setText(name);
        expected.emplace_back(value.raw().begin(), value.raw().end());
    }
    std::sort(stored.begin(), stored.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(stored, expected);
}

TEST_F(DelimitedImportTest, NewRecordsJoinExistingOnesInSortOrder) {
    t.addRecord({"Bob"});
    t.addRecord({"Dan"});
    import("Cid\nAmy\nEve\n");
    EXPECT_EQ(t.column(0), (Texts{"Amy", "Bob", "Cid", "Dan", "Eve"}));
}

TEST_F(DelimitedImportTest, RowsWithNothingImportedMakeNoRecord) {
    // Only the second column is imported, and it is empty or blank on every row but one.
    const auto result = import("a,\nb, \nc,x\n", std::vector<std::uint8_t>{255, 0});
    EXPECT_EQ(result.imported, 1u);
    EXPECT_EQ(result.rowsDone, 3u);
    EXPECT_EQ(t.column(0), (Texts{"x"}));
    EXPECT_TRUE(t.db.removalLog().entries().empty());
}

TEST_F(DelimitedImportTest, ColumnsPastTheFieldsAreNotImported) {
    // Three of the five fields are offered while the list shows one category: no Category entry.
    t.db.fileHeader().setCategoryNameBytes(2, "Work");
    const auto result = import("a,1,,yes,9,x\n", std::nullopt, 2);
    ASSERT_EQ(result.imported, 1u);
    EXPECT_EQ(t.text(0, 0), "a");
    EXPECT_EQ(t.text(0, 3), "Yes");
    EXPECT_EQ(t.text(0, 4), "2"); // the calculation, not the 9 of column 5
    EXPECT_EQ(t.db.liveCategory(0), 2); // the category the list shows
}

TEST_F(DelimitedImportTest, CategoriesAreMappedCreatedOrWarnedAbout) {
    t.db.fileHeader().setCategoryNameBytes(1, "Home");
    const std::string longName(20, 'w');
    // Name then Category (entry 5).
    import("a,Home\nb,home\nc,UNFILED\nd," + longName + "\ne,home\nf,\n",
           std::vector<std::uint8_t>{0, 5});
    KxCategoryEditor categories(t.db);
    EXPECT_EQ(categories.categoryName(2), "home"); // letter case makes another category
    EXPECT_EQ(categories.categoryName(3), "");
    const std::vector<std::uint16_t> expected{1, 2, 0, 0, 2, 0};
    for (std::size_t i = 0; i < 6; ++i) EXPECT_EQ(t.db.liveCategory(i), expected[i]) << i;
    EXPECT_EQ(logLines(), (Texts{"Warning: Could not map category \"" + longName +
                                 "\" to an existing category in the database.  All records with this "
                                 "category were placed in the \"Unfiled\" category."}));
}

TEST_F(DelimitedImportTest, FullCategoryTableLeavesNewNamesUnmapped) {
    for (std::size_t slot = 1; slot < 16; ++slot)
        t.db.fileHeader().setCategoryNameBytes(slot, "c" + std::to_string(slot));
    import("a,c7\nb,other\n", std::vector<std::uint8_t>{0, 5});
    EXPECT_EQ(t.db.liveCategory(0), 7);
    EXPECT_EQ(t.db.liveCategory(1), 0);
    EXPECT_EQ(logLines().size(), 1u);
}

TEST_F(DelimitedImportTest, RecordLimitStopsTheRunWithALogLine) {
    for (std::size_t i = 0; i + 2 < KxDatabase::kMaxRecords; ++i) {
        std::size_t end = t.db.liveCount();
        t.db.newRecord(end, false);
    }
    t.db.deleteRecord(0); // deleted records count towards the limit too
    const auto result = import("a\nb\nc\nd\n");
    EXPECT_EQ(result.imported, 2u);
    EXPECT_TRUE(result.limitReached);
    EXPECT_EQ(t.db.liveCount() + t.db.deletedCount(), KxDatabase::kMaxRecords);
    EXPECT_EQ(logLines(), (Texts{"Error: The database maximum record count has been reached"}));
}

TEST_F(DelimitedImportTest, CancelDuringTheRunKeepsWhatWasImported) {
    // Rows 0 and 1 pass and row 2 is cancelled.
    ui.cancelAfterSteps = 2;
    const auto result = import("a\nb\nc\nd", std::nullopt, kAllCategories, false, false);
    EXPECT_TRUE(result.cancelled);
    EXPECT_EQ(result.imported, 2u);
    EXPECT_EQ(t.db.liveCount(), 2u);
    EXPECT_EQ(ui.lastMessage(),
              "You have cancelled your import.  2 of 4 records were imported into the database.");
}

TEST_F(DelimitedImportTest, CancelWhileLoadingDiscardsEveryRow) {
    ui.cancelAfterSteps = 3;
    KxDelimitedImporter source(',');
    EXPECT_FALSE(source.open(ui, t.write("in.csv", "a,b\nc,d\ne,f\n")));
    EXPECT_EQ(source.rowCount(), 0u);
    EXPECT_EQ(source.columnCount(), 0u);
    // Loading reports the position in the file after every value.
    ASSERT_FALSE(ui.steps.empty());
    EXPECT_EQ(ui.steps.front(), std::make_pair(std::uint64_t{2}, std::uint64_t{12}));
}

TEST_F(DelimitedImportTest, UnreadableSourcesGiveEngineErrors) {
    KxDelimitedImporter source(',');
    try {
        source.open(ui, t.write("in.csv", "a," + std::string(40000, 'x') + "\n"));
        FAIL() << "a value that long is refused";
    } catch (KxDbError e) {
        EXPECT_EQ(e, KxDbError::CannotOpenOther);
    }
    EXPECT_EQ(source.rowCount(), 0u);
    try {
        source.open(ui, t.dir().file("missing.csv"));
        FAIL() << "a missing file is refused";
    } catch (KxDbError e) {
        EXPECT_EQ(e, KxDbError::AccessDenied);
    }
}

TEST_F(DelimitedImportTest, ReplacedCharactersAreLoggedOncePerRow) {
    // UTF-8: the euro sign exists in Windows-1252, the snowman and the rocket do not.
    import("caf\xC3\xA9 \xE2\x82\xAC\n\xE2\x98\x83 and \xF0\x9F\x9A\x80\nplain\n");
    EXPECT_EQ(t.column(0), (Texts{"? and ?", "caf\xE9 \x80", "plain"}));
    EXPECT_EQ(logLines(), (Texts{"Warning: Row 2 of the input file holds characters that cannot be "
                                 "stored in the database.  Each of them was replaced by \"?\"."}));
}

TEST_F(DelimitedImportTest, LogIsOfferedThenOpenedOrDeleted) {
    const std::string rows = "a," + std::string(20, 'z') + "\n";
    ui.answers = {KxAnswer::Yes};
    auto result = import(rows, std::vector<std::uint8_t>{0, 5}, kAllCategories, true);
    EXPECT_EQ(ui.lastMessage(), "There were errors during the import.  Would you like to see an error log report?");
    EXPECT_EQ(ui.opened, (Texts{logPath()}));
    EXPECT_TRUE(result.logKept);
    EXPECT_TRUE(std::filesystem::exists(logPath()));

    ui.answers = {KxAnswer::No};
    result = import(rows, std::vector<std::uint8_t>{0, 5}, kAllCategories, true);
    EXPECT_FALSE(result.logKept);
    EXPECT_EQ(result.logLines, 1u);
    EXPECT_FALSE(std::filesystem::exists(logPath()));
}

TEST_F(DelimitedImportTest, SourceIsLookedForBelowTheLastImportDirectory) {
    t.write("in.csv", "a,b\n");
    std::string path = "in.csv";
    const auto found = kxLoadImportSource(ui, path, KxImportType::Comma, t.dir().path());
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(path, t.dir().file("in.csv"));
    EXPECT_EQ(found->columnCount(), 2u);

    path = "nope.csv";
    EXPECT_EQ(kxLoadImportSource(ui, path, KxImportType::Comma, t.dir().path()), nullptr);
    EXPECT_EQ(ui.lastMessage(), "Cannot find file nope.csv");
    path = t.write("blank.csv", " ,\n\n");
    EXPECT_EQ(kxLoadImportSource(ui, path, KxImportType::Comma, ""), nullptr);
    EXPECT_EQ(ui.lastMessage(), "There is no valid data to import from the input file");
}

} // namespace
