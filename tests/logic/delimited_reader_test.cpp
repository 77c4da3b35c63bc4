#include "transfer/KxDelimitedReader.h"

#include "engine/KxDbError.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace {

using Rows = std::vector<std::vector<std::string>>;

Rows readAll(KxDelimitedReader& reader) {
    Rows rows;
    std::vector<std::string> row;
    KxRowRead status;
    while ((status = reader.readRow(row)) == KxRowRead::Row)
        rows.push_back(row);
    EXPECT_EQ(status, KxRowRead::End);
    return rows;
}

Rows readAll(std::string_view text, char separator = ',') {
    KxDelimitedReader reader = KxDelimitedReader::fromMemory(text, separator);
    return readAll(reader);
}

TEST(DelimitedReader, BlanksAroundValuesAreRemoved) {
    EXPECT_EQ(readAll("a, b ,c"), (Rows{{"a", "b", "c"}}));
    // Only blanks are skipped before a value; other white space is trimmed afterwards.
    EXPECT_EQ(readAll("\ta\v,  b  \n"), (Rows{{"a", "b"}}));
    // Quoted values are trimmed too.
    EXPECT_EQ(readAll("\" a \",' b'"), (Rows{{"a", "b"}}));
}

TEST(DelimitedReader, QuotedValuesKeepSeparatorsAndPairedQuotes) {
    EXPECT_EQ(readAll("\"a,b\",\"say \"\"hi\"\"\""), (Rows{{"a,b", "say \"hi\""}}));
    EXPECT_EQ(readAll("'x,y',z"), (Rows{{"x,y", "z"}}));
    // The other quote character is ordinary text inside a quotation.
    EXPECT_EQ(readAll("'say \"hi\"',\"it's\""), (Rows{{"say \"hi\"", "it's"}}));
    // A run of three closes the quotation after adding one quote.
    EXPECT_EQ(readAll("\"a\"\"\",b"), (Rows{{"a\"", "b"}}));
    // A quotation may open after leading blanks.
    EXPECT_EQ(readAll("   \"a,b\""), (Rows{{"a,b"}}));
}

TEST(DelimitedReader, TextAfterClosingQuoteIsAppended) {
    EXPECT_EQ(readAll("\"ab\"cd,e"), (Rows{{"abcd", "e"}}));
    EXPECT_EQ(readAll("\"ab\"c\"d,e"), (Rows{{"abc\"d", "e"}}));
    EXPECT_EQ(readAll("\"ab\"   ,c"), (Rows{{"ab", "c"}}));
    EXPECT_EQ(readAll("\"ab\"\nc"), (Rows{{"ab"}, {"c"}}));
}

TEST(DelimitedReader, QuoteInsideUnquotedValueIsText) {
    EXPECT_EQ(readAll("ab\"c,d'e"), (Rows{{"ab\"c", "d'e"}}));
}

TEST(DelimitedReader, LineEndsEndRowsButStayInsideQuotes) {
    EXPECT_EQ(readAll("a,b\r\nc\rd\ne"), (Rows{{"a", "b"}, {"c"}, {"d"}, {"e"}}));
    // A CR LF pair reads as one line feed, inside a value as everywhere.
    EXPECT_EQ(readAll("\"a\r\nb\",c\r\nd"), (Rows{{"a\nb", "c"}, {"d"}}));
    EXPECT_EQ(readAll("'a\rb\nc',d"), (Rows{{"a\rb\nc", "d"}}));
    // A quotation left open runs to the end of the text.
    EXPECT_EQ(readAll("x,\"abc\ndef"), (Rows{{"x", "abc\ndef"}}));
}

TEST(DelimitedReader, LoneQuoteValueLosesItsFirstQuote) {
    EXPECT_EQ(readAll("x,\"\"\"\""), (Rows{{"x", ""}}));
    EXPECT_EQ(readAll("x,\"'\""), (Rows{{"x", ""}}));
    EXPECT_EQ(readAll("x,''''''"), (Rows{{"x", "'"}}));
    EXPECT_EQ(readAll("x,\"''\""), (Rows{{"x", "'"}}));
    // Not when the quotation was left open.
    EXPECT_EQ(readAll("x,\"\"\""), (Rows{{"x", "\""}}));
    // Not when anything else is in the value.
    EXPECT_EQ(readAll("x,\"\"\"a\""), (Rows{{"x", "\"a"}}));
}

TEST(DelimitedReader, BlankRowsAreSkippedAndColumnsCounted) {
    KxDelimitedReader reader =
        KxDelimitedReader::fromMemory("a\n\n , ,\n   \n,,\n\"\"\nb,c,\n", ',');
    EXPECT_EQ(readAll(reader), (Rows{{"a"}, {"b", "c", ""}}));
    EXPECT_EQ(reader.columnCount(), 3u);

    // Rows keep their own length; the column count is the longest.
    KxDelimitedReader ragged = KxDelimitedReader::fromMemory("a\nb,c,d,e\nf,g", ',');
    EXPECT_EQ(readAll(ragged), (Rows{{"a"}, {"b", "c", "d", "e"}, {"f", "g"}}));
    EXPECT_EQ(ragged.columnCount(), 4u);

    EXPECT_TRUE(readAll("").empty());
    EXPECT_TRUE(readAll("\r\n\n  \n").empty());
}

TEST(DelimitedReader, TabSeparated) {
    EXPECT_EQ(readAll("a\tb,c\t\"d\te\"\t", '\t'), (Rows{{"a", "b,c", "d\te", ""}}));
}

TEST(DelimitedReader, ValueOf32770CharactersFails) {
    std::vector<std::string> row;
    const std::string longest(kxMaxDelimitedValue - 1, 'x');
    KxDelimitedReader ok = KxDelimitedReader::fromMemory("a," + longest + "\nb", ',');
    ASSERT_EQ(ok.readRow(row), KxRowRead::Row);
    EXPECT_EQ(row.at(1).size(), longest.size());

    KxDelimitedReader tooLong = KxDelimitedReader::fromMemory("a," + longest + "y", ',');
    EXPECT_EQ(tooLong.readRow(row), KxRowRead::ValueTooLong);

    // Blanks later trimmed count while the value is read; paired quotes count once each.
    KxDelimitedReader blanks = KxDelimitedReader::fromMemory("a" + std::string(32769, ' '), ',');
    EXPECT_EQ(blanks.readRow(row), KxRowRead::ValueTooLong);
    KxDelimitedReader quotes =
        KxDelimitedReader::fromMemory("\"" + std::string(2 * 32770, '"') + "\"", ',');
    EXPECT_EQ(quotes.readRow(row), KxRowRead::ValueTooLong);
}

TEST(DelimitedReader, ProgressAfterEveryValueAndCancel) {
    const std::string text = "a,b\nc\n";
    KxDelimitedReader reader = KxDelimitedReader::fromMemory(text, ',');
    std::vector<std::uint64_t> positions;
    reader.setProgress([&](std::uint64_t position, std::uint64_t size) {
        EXPECT_EQ(size, text.size());
        positions.push_back(position);
        return false;
    });
    readAll(reader);
    // a, b, c and the empty value at the end.
    EXPECT_EQ(positions, (std::vector<std::uint64_t>{2, 4, 6, 6}));

    KxDelimitedReader cancelled = KxDelimitedReader::fromMemory(text, ',');
    int calls = 0;
    cancelled.setProgress([&](std::uint64_t, std::uint64_t) { return ++calls == 2; });
    std::vector<std::string> row;
    EXPECT_EQ(cancelled.readRow(row), KxRowRead::Cancelled);
}

TEST(DelimitedReader, RewindReadsTheSameRowsAgain) {
    KxDelimitedReader reader = KxDelimitedReader::fromMemory("a,b,c\nd\n", ',');
    std::vector<std::string> first;
    ASSERT_EQ(reader.readRow(first), KxRowRead::Row);
    EXPECT_EQ(reader.columnCount(), 3u);
    reader.rewind();
    EXPECT_EQ(reader.position(), 0u);
    EXPECT_EQ(reader.columnCount(), 0u);
    EXPECT_EQ(readAll(reader), (Rows{{"a", "b", "c"}, {"d"}}));
}

TEST(DelimitedReader, EncodingIsDetectedPerSource) {
    // UTF-8 with and without a byte order mark becomes Windows-1252.
    KxDelimitedReader bom =
        KxDelimitedReader::fromMemory("\xEF\xBB\xBF\xC3\xA9t\xC3\xA9,\xE2\x82\xAC", ',');
    EXPECT_EQ(bom.encoding(), KxTextEncoding::Utf8);
    EXPECT_EQ(readAll(bom), (Rows{{"\xE9t\xE9", "\x80"}}));
    EXPECT_EQ(readAll("caf\xC3\xA9"), (Rows{{"caf\xE9"}}));
    // Text that is not UTF-8 is Windows-1252 already and is kept byte for byte.
    KxDelimitedReader ansi = KxDelimitedReader::fromMemory("caf\xE9,\x80\x81", ',');
    EXPECT_EQ(ansi.encoding(), KxTextEncoding::Cp1252);
    EXPECT_EQ(readAll(ansi), (Rows{{"caf\xE9", "\x80\x81"}}));
}

TEST(DelimitedReader, RowsWithReplacedCharactersAreFlagged) {
    // Omega and a CJK character have no place in Windows-1252.
    const std::string text = "a,b\n\xCE\xA9,c\r\n"
                             "\"multi\nline \xE4\xB8\xAD\",d\r"
                             "\n\n"
                             "e?\r"
                             "f";
    KxDelimitedReader reader = KxDelimitedReader::fromMemory(text, ',');
    std::vector<std::string> row;
    std::vector<bool> flags;
    Rows rows;
    while (reader.readRow(row) == KxRowRead::Row) {
        rows.push_back(row);
        flags.push_back(reader.rowHadReplacements());
    }
    EXPECT_EQ(rows, (Rows{{"a", "b"}, {"?", "c"}, {"multi\nline ?", "d"}, {"e?"}, {"f"}}));
    EXPECT_EQ(flags, (std::vector<bool>{false, true, true, false, false}));

    reader.rewind();
    ASSERT_EQ(reader.readRow(row), KxRowRead::Row);
    EXPECT_FALSE(reader.rowHadReplacements());
    ASSERT_EQ(reader.readRow(row), KxRowRead::Row);
    EXPECT_TRUE(reader.rowHadReplacements());
}

TEST(DelimitedReader, FilesAreReadWhole) {
    TempDir dir;
    std::string big;
    for (int i = 0; i < 200000; ++i)
        big += std::to_string(i) + ",\"quoted, " + std::to_string(i) + "\"\r\n";
    ASSERT_GT(big.size(), 4u << 20);
    KxDelimitedReader reader = KxDelimitedReader::fromFile(dir.write("big.csv", big), ',');
    EXPECT_EQ(reader.size(), big.size());
    const Rows rows = readAll(reader);
    ASSERT_EQ(rows.size(), 200000u);
    EXPECT_EQ(rows.back(), (std::vector<std::string>{"199999", "quoted, 199999"}));
    EXPECT_EQ(reader.position(), reader.size());
}

TEST(DelimitedReader, UnopenableFilesAreAccessDenied) {
    TempDir dir;
    EXPECT_THROW(KxDelimitedReader::fromFile(dir.path() + "/missing.csv", ','), KxDbError);
    try {
        KxDelimitedReader::fromFile(dir.path() + "/missing.csv", ',');
    } catch (KxDbError error) {
        EXPECT_EQ(error, KxDbError::AccessDenied);
    }
    try {
        KxDelimitedReader::fromFile(dir.path(), ',');
        ADD_FAILURE() << "a directory was read";
    } catch (KxDbError error) {
        EXPECT_EQ(error, KxDbError::AccessDenied);
    }
}

} // namespace
