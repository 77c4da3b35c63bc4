// The tool reads a delimited file through a window of it (KxDelimitedReader::streamFile):
// the rows, their places, flags and column count must be those of the whole text in memory,
// however the rows fall across the window's edges.

#include "transfer/KxDelimitedImporter.h"
#include "transfer/ImportRun.h"

#include "tests/logic/ImportTestUi.h"
#include "engine/KxDbError.h"
#include "tests/logic/TransferTestDb.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

namespace {

void writeFile(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
}

struct ReadRow {
    std::vector<std::string> values;
    std::uint64_t start = 0;
    bool replaced = false;
    bool nul = false;
    bool operator==(const ReadRow&) const = default;
};

struct ReadAll {
    std::vector<ReadRow> rows;
    KxRowRead last = KxRowRead::End;
    std::size_t columns = 0;
};

// The rows as readRow reads them, or as skipRow passes over them (places, flags and column
// count, no values).
ReadAll readAll(KxDelimitedReader& reader, bool skip = false) {
    ReadAll all;
    ReadRow row;
    while ((all.last = skip ? reader.skipRow() : reader.readRow(row.values)) == KxRowRead::Row) {
        row.start = reader.rowStart();
        row.replaced = reader.rowHadReplacements();
        row.nul = reader.rowHadNul();
        all.rows.push_back(row);
    }
    all.columns = reader.columnCount();
    return all;
}

// Reads the text from a file through the window and from memory, and expects the same; so
// does passing over the rows without keeping their values.
void expectSameAsInMemory(const TempDir& dir, const std::string& text, bool streamed = true) {
    const std::string path = dir.file("in.csv");
    writeFile(path, text);
    KxDelimitedReader held = KxDelimitedReader::fromMemory(text, ',');
    KxDelimitedReader window = KxDelimitedReader::streamFile(path, ',');
    EXPECT_EQ(window.streamed(), streamed);
    EXPECT_EQ(window.encoding(), held.encoding());
    EXPECT_EQ(window.size(), held.size());
    const ReadAll a = readAll(held);
    const ReadAll b = readAll(window);
    EXPECT_EQ(b.last, a.last);
    EXPECT_EQ(b.columns, a.columns);
    ASSERT_EQ(b.rows.size(), a.rows.size());
    for (std::size_t i = 0; i < a.rows.size(); ++i) ASSERT_EQ(b.rows[i], a.rows[i]) << "row " << i;

    KxDelimitedReader skipped = KxDelimitedReader::streamFile(path, ',');
    const ReadAll c = readAll(skipped, true);
    EXPECT_EQ(c.last, a.last);
    EXPECT_EQ(c.columns, a.columns);
    ASSERT_EQ(c.rows.size(), a.rows.size());
    for (std::size_t i = 0; i < a.rows.size(); ++i) {
        ReadRow placeOnly = a.rows[i];
        placeOnly.values.clear();
        ASSERT_EQ(c.rows[i], placeOnly) << "row " << i;
    }
}

// Rows of every kind, long enough to cross the window's edges many times over.
std::string oddRows(std::size_t count, unsigned seed) {
    std::mt19937 random(seed);
    const std::vector<std::string> pieces{
        "plain",     "  blanks  ", "\"quoted, with comma\"", "\"two\r\nlines\"", "'apo''s'",
        "\"\"\"\"",  "",          std::string("nul\0inside", 10), "\"end\"after", "\"\"",
        "x\ty",      "\"cr\rin\"", std::string(3000, 'L'),     "\"" + std::string(40, '"') + "\""};
    const std::vector<std::string> ends{"\n", "\r\n", "\r", "\n\n", "\r\n\r\n", " \n"};
    std::string text;
    for (std::size_t r = 0; r < count; ++r) {
        const std::size_t values = 1 + random() % 6;
        for (std::size_t v = 0; v < values; ++v) {
            if (v > 0) text += ',';
            text += pieces[random() % pieces.size()];
        }
        text += ends[random() % ends.size()];
    }
    return text;
}

} // namespace

TEST(DelimitedStream, OddTextsReadAsFromMemory) {
    TempDir dir;
    expectSameAsInMemory(dir, "");
    expectSameAsInMemory(dir, "a,b\r\nc\rd\ne");                    // no line end at the end
    expectSameAsInMemory(dir, "\"multi\nline\",x\r\n\r\n,,\n  \nlast,\"open");
    expectSameAsInMemory(dir, std::string("a\0b,c\nd,e\0\n\0", 13)); // NUL characters
    expectSameAsInMemory(dir, "caf\xE9,\x80\n\x81\n");                // Windows-1252
    expectSameAsInMemory(dir, "\xEF\xBB\xBF" "a,b\nc\n");              // byte order mark, then ASCII
    // UTF-8 with characters outside ASCII is converted, so it is held in memory.
    expectSameAsInMemory(dir, "caf\xC3\xA9,\xCE\xA9\n", false);
}

TEST(DelimitedStream, RowsAcrossTheWindowsEdgesReadAsFromMemory) {
    TempDir dir;
    for (unsigned seed = 1; seed <= 3; ++seed) expectSameAsInMemory(dir, oddRows(400, seed));
    // A value a little under the longest allowed, and one over it, across several windows.
    expectSameAsInMemory(dir, "a," + std::string(32769, 'v') + "\nb\n" + std::string(70000, 'w'));
    // A character set that is only decided by the last byte of a large file.
    expectSameAsInMemory(dir, std::string(200000, 'a') + "\n\xE9");
    expectSameAsInMemory(dir, std::string(200000, 'a') + "\n\xC3\xA9", false);
}

TEST(DelimitedStream, RowsReadAgainFromWhereTheyStart) {
    TempDir dir;
    const std::string text = oddRows(300, 9);
    const std::string path = dir.file("in.csv");
    writeFile(path, text);
    KxDelimitedReader reader = KxDelimitedReader::streamFile(path, ',');
    const ReadAll all = readAll(reader);
    ASSERT_GT(all.rows.size(), 100u);
    // Backwards from the end, so that every row lies outside the window read last.
    for (std::size_t i = all.rows.size(); i-- > 0;) {
        reader.seek(all.rows[i].start);
        std::vector<std::string> values;
        ASSERT_EQ(reader.readRow(values), KxRowRead::Row);
        EXPECT_EQ(values, all.rows[i].values) << "row " << i;
        EXPECT_EQ(reader.rowHadNul(), all.rows[i].nul);
    }
}

TEST(DelimitedStream, AFileCutShortWhileReadEndsTheText) {
    TempDir dir;
    const std::string path = dir.file("in.csv");
    std::string text;
    for (int i = 0; i < 20000; ++i) text += "row " + std::to_string(i) + ",x\n";
    writeFile(path, text);
    KxDelimitedReader reader = KxDelimitedReader::streamFile(path, ',');
    std::filesystem::resize_file(path, 1000);
    const ReadAll all = readAll(reader);
    EXPECT_EQ(all.last, KxRowRead::End);
    EXPECT_LT(all.rows.size(), 200u);
    EXPECT_EQ(reader.size(), 1000u);
}

TEST(DelimitedStream, NotARegularFileIsRefused) {
    TempDir dir;
    EXPECT_THROW(KxDelimitedReader::streamFile(dir.path(), ','), KxDbError);
    EXPECT_THROW(KxDelimitedReader::streamFile(dir.file("missing.csv"), ','), KxDbError);
}

TEST(DelimitedStream, StreamedImporterGivesTheHeldImportersCells) {
    TempDir dir;
    const std::string path = dir.file("in.csv");
    writeFile(path, oddRows(200, 4));
    ImportTestUi ui;
    KxDelimitedImporter held(',');
    KxDelimitedImporter streamed(',');
    streamed.setStreamed(true);
    ASSERT_TRUE(held.open(ui, path));
    ASSERT_TRUE(streamed.open(ui, path));
    ASSERT_EQ(streamed.rowCount(), held.rowCount());
    ASSERT_EQ(streamed.columnCount(), held.columnCount());
    for (std::size_t row = 0; row < held.rowCount(); ++row) {
        EXPECT_EQ(streamed.rowHadNulCharacters(row), held.rowHadNulCharacters(row));
        for (std::size_t column = 0; column < held.columnCount(); ++column)
            ASSERT_EQ(streamed.cellText(row, column), held.cellText(row, column)) << row << ", " << column;
    }
}

TEST(DelimitedStream, StreamedImportStopsAtTheRecordLimit) {
    TestDb t({fieldSpec("Name", KxFieldType::Text), fieldSpec("Amount", KxFieldType::Number, 2)});
    std::string text;
    for (std::size_t i = 0; i <= KxDatabase::kMaxRecords; ++i) text += "n" + std::to_string(i) + "," + std::to_string(i) + "\r\n";
    ImportTestUi ui;
    KxDelimitedImporter importer(',');
    importer.setStreamed(true);
    ASSERT_TRUE(importer.open(ui, t.write("in.csv", text)));
    ASSERT_EQ(importer.rowCount(), KxDatabase::kMaxRecords + 1);
    KxFieldSelection selection(t.db, kxImportSelectionOptions(kAllCategories));
    KxImportOptions options;
    options.logPath = t.dir().file("log.txt");
    options.offerLog = false;
    const KxImportResult result = kxRunImport(t.db, ui, importer, selection, options);
    EXPECT_TRUE(result.limitReached);
    EXPECT_EQ(result.imported, KxDatabase::kMaxRecords);
    EXPECT_EQ(t.db.liveCount(), KxDatabase::kMaxRecords);
    EXPECT_EQ(t.text(0, 0), "n0"); // sorted by name
    EXPECT_EQ(t.text(0, 1), "0");
}
