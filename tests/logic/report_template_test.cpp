#include "print/KxHtmlReport.h"
#include "print/ReportTemplate.h"
#include "print/ReportValue.h"

#include "engine/KxDbError.h"
#include "engine/PosixFile.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <cerrno>

#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <unistd.h>

namespace {

using Tag = KxReportTag;

// Records in memory behind the report's source interface, walked the way the record cursor
// walks them: a limit counts the records allowed after the first.
class FakeSource final : public KxReportSource {
  public:
    struct Entry {
        std::string label;
        KxReportEntryKind kind = KxReportEntryKind::Value;
    };

    FakeSource(std::vector<Entry> entries, std::vector<std::vector<std::string>> records)
        : entries_(std::move(entries)), records_(std::move(records)) {}

    std::size_t entryCount() const override { return entries_.size(); }
    std::string entryLabel(std::size_t entry) const override { return entries_.at(entry).label; }
    KxReportEntryKind entryKind(std::size_t entry) const override {
        return entries_.at(entry).kind;
    }

    void initCursor(int, bool, int limit) override {
        position_ = 0;
        limit_ = limit;
    }
    bool firstRecord() override { return seek(); }
    bool nextRecord() override {
        if (limit_ >= 0 && limit_-- == 0) return false;
        ++position_;
        return seek();
    }
    void releaseRecord() override { current_.reset(); }
    std::string entryValue(std::size_t entry) const override {
        EXPECT_TRUE(current_.has_value()) << "value asked with no current record";
        return current_ ? records_.at(*current_).at(entry) : std::string();
    }
    Progress progress() const override { return {position_, records_.size()}; }

    bool holdsRecord() const { return current_.has_value(); }
    int recordsMadeCurrent() const { return madeCurrent_; }

  private:
    bool seek() {
        EXPECT_FALSE(current_.has_value()) << "moved on without releasing the record";
        if (position_ >= records_.size()) return false;
        current_ = position_;
        ++madeCurrent_;
        return true;
    }

    std::vector<Entry> entries_;
    std::vector<std::vector<std::string>> records_;
    std::size_t position_ = 0;
    int limit_ = -1;
    std::optional<std::size_t> current_;
    int madeCurrent_ = 0;
};

FakeSource people() {
    return FakeSource({{"Name"}, {"Age"}, {"Town"}},
                      {{"Ann", "31", "Oslo"}, {"Bob", "", "Rome"}, {"Cy", "40", ""}});
}

struct Rendered {
    int result = -1;
    std::string output;
    std::vector<std::string> messages;
};

Rendered render(KxHtmlReport& report, std::string_view text, const std::string& title = "T",
                int limit = -1, KxReportHooks hooks = {}) {
    Rendered run;
    hooks.message = [&](const std::string& m) { run.messages.push_back(m); };
    KxStringSink sink;
    run.result = report.generateFromText(hooks, text, sink, title, 0, false, limit);
    run.output = sink.text();
    return run;
}

std::string render(KxReportSource& source, std::string_view text, int limit = -1) {
    KxHtmlReport report(source);
    Rendered run = render(report, text, "T", limit);
    EXPECT_EQ(run.result, kxReportDone);
    return run.output;
}

std::vector<KxReportToken> tokens(std::initializer_list<KxReportToken> list) {
    return list;
}

KxReportToken lit(std::string text) {
    return {Tag::Literal, std::move(text)};
}
KxReportToken tag(Tag t) {
    return {t, {}};
}

TEST(ReportTemplate, TagNamesIgnoreCaseAndUnknownNamesAreLiteral) {
    EXPECT_EQ(kxReportTagOf("field"), Tag::Field);
    EXPECT_EQ(kxReportTagOf("FiElD"), Tag::Field);
    EXPECT_EQ(kxReportTagOf("else_not_empty"), Tag::ElseNotEmpty);
    EXPECT_EQ(kxReportTagOf(" FIELD "), Tag::Literal);
    EXPECT_EQ(kxReportTagOf("FIELDS"), Tag::Literal);
    EXPECT_EQ(kxReportTagOf(""), Tag::Literal);

    EXPECT_EQ(kxParseReportTemplate("a<%title%>b<% TITLE %>c<%LITERAL%>"),
              tokens({lit("a"), tag(Tag::Title), lit("b"), tag(Tag::Literal), lit("c"),
                      tag(Tag::Literal)}));
}

TEST(ReportTemplate, LineEndsBetweenTagsAreDropped) {
    EXPECT_TRUE(kxParseReportTemplate("\r\n").empty());
    EXPECT_EQ(kxParseReportTemplate("\n"), tokens({lit("\n")}));
    EXPECT_EQ(kxParseReportTemplate("<%TITLE%>\r\n<%FIELD%> \r\n<%LABEL%>\r\n"),
              tokens({tag(Tag::Title), tag(Tag::Field), lit(" \r\n"), tag(Tag::Label)}));
}

TEST(ReportTemplate, MarkersOutOfOrderMakeTheRestLiteral) {
    EXPECT_EQ(kxParseReportTemplate("a%>b<%TITLE%>c"), tokens({lit("a%>b<%TITLE%>c")}));
    EXPECT_EQ(kxParseReportTemplate("<%TITLE%>x<%FIELD"),
              tokens({tag(Tag::Title), lit("x<%FIELD")}));
    // In "<%>" the closing marker overlaps the opening one.
    EXPECT_EQ(kxParseReportTemplate("<%>a<%TITLE%>"), tokens({lit("<%>a<%TITLE%>")}));
    EXPECT_EQ(kxParseReportTemplate("<%%>"), tokens({tag(Tag::Literal)}));
}

TEST(ReportTemplate, TemplateTextEndsAtZeroByteAndBecomesUtf8) {
    EXPECT_EQ(kxReportTemplateText(std::string("ab\0<%TITLE%>", 12)), "ab");
    EXPECT_EQ(kxReportTemplateText("caf\xC3\xA9"), "caf\xC3\xA9");
    EXPECT_EQ(kxReportTemplateText("caf\xE9 \x80"), "caf\xC3\xA9 \xE2\x82\xAC");
    EXPECT_EQ(kxReportTemplateText("\xEF\xBB\xBF"
                                   "caf\xC3\xA9"),
              "\xEF\xBB\xBF"
              "caf\xC3\xA9");
    // A byte order mark does not make malformed text UTF-8.
    EXPECT_EQ(kxReportTemplateText("\xEF\xBB\xBF\xE9t\xE9"), "\xC3\xA9t\xC3\xA9");
}

TEST(ReportValue, EscapingFollowsTheTableOrder) {
    EXPECT_EQ(kxEscapeReportValue("a<b & c>d"), "a&lt;b &amp; c&gt;d");
    EXPECT_EQ(kxEscapeReportValue("&lt;"), "&amp;lt;");
    EXPECT_EQ(kxEscapeReportValue("[CB1][CB0]<[CB1]"),
              "<FONT FACE=\"Wingdings\">&#254</FONT><FONT FACE=\"Wingdings\">&#168</FONT>&lt;"
              "<FONT FACE=\"Wingdings\">&#254</FONT>");
    EXPECT_EQ(kxEscapeReportValue(""), "");
}

TEST(HtmlReport, RecordAndFieldLoops) {
    FakeSource source = people();
    EXPECT_EQ(render(source, "<%BEGIN_RECORDS%><%PRIMARY_LABEL%>=<%PRIMARY_FIELD%>"
                             "<%BEGIN_FIELDS%> <%LABEL%>=<%FIELD%><%END_FIELDS%>;"
                             "<%END_RECORDS%>."),
              "Name=Ann Age=31 Town=Oslo;Name=Bob Age= Town=Rome;Name=Cy Age=40 Town=;.");
    EXPECT_FALSE(source.holdsRecord());
}

TEST(HtmlReport, HeaderFieldsLoopAndSecondFieldsLoopInARecord) {
    FakeSource source = people();
    // Before the records the fields loop lists the labels of entries 2 to n; inside a record
    // a second fields loop prints nothing, as the counter is reset only by a new record.
    EXPECT_EQ(render(source, "<%PRIMARY_LABEL%><%BEGIN_FIELDS%>|<%LABEL%><%END_FIELDS%>\n"
                             "<%BEGIN_RECORDS%><%BEGIN_FIELDS%>(<%FIELD%>)<%END_FIELDS%>"
                             "<%BEGIN_FIELDS%>[<%FIELD%>]<%END_FIELDS%>\n<%END_RECORDS%>"),
              "Name|Age|Town\n(31)(Oslo)\n()(Rome)\n(40)()\n");
}

TEST(HtmlReport, IfNotEmptyTestsAndConsumesTheNextTag) {
    FakeSource source = people();
    EXPECT_EQ(render(source, "<%BEGIN_RECORDS%><%BEGIN_FIELDS%>"
                             "<%IF_NOT_EMPTY%><%FIELD%><%LABEL%>:<%FIELD%> "
                             "<%ELSE_NOT_EMPTY%>(no <%LABEL%>) <%END_NOT_EMPTY%>"
                             "<%END_FIELDS%>/<%END_RECORDS%>"),
              "Age:31 Town:Oslo /(no Age) Town:Rome /Age:40 (no Town) /");
    // Followed by literal text it tests value 0, always empty, and swallows the text.
    EXPECT_EQ(render(source, "<%IF_NOT_EMPTY%>gone<%TITLE%><%END_NOT_EMPTY%>!"), "!");
    // At the very end there is nothing to test.
    EXPECT_EQ(render(source, "a<%IF_NOT_EMPTY%>"), "a");
}

TEST(HtmlReport, ElseInvertsTheMostRecentTestEvenANestedOne) {
    FakeSource source = people();
    // The title is not empty; the nested test of value 0 is. The outer else therefore
    // follows the inner test and shows its branch.
    EXPECT_EQ(render(source, "<%IF_NOT_EMPTY%><%TITLE%>A"
                             "<%IF_NOT_EMPTY%><%LITERAL%>B<%END_NOT_EMPTY%>"
                             "<%ELSE_NOT_EMPTY%>C<%END_NOT_EMPTY%>"),
              "AC");
}

TEST(HtmlReport, LabelOnlyAndCheckboxValues) {
    FakeSource source({{"Head", KxReportEntryKind::LabelOnly},
                       {"Done", KxReportEntryKind::Checkbox},
                       {"Note <&>", KxReportEntryKind::Value}},
                      {{"", "1", "a<b&c>"}, {"", "0", "[CB1]"}});
    EXPECT_EQ(render(source, "<%BEGIN_RECORDS%><%IF_NOT_EMPTY%><%PRIMARY_FIELD%>"
                             "[<%PRIMARY_FIELD%>]<%END_NOT_EMPTY%><%BEGIN_FIELDS%>"
                             "<%LABEL%>:<%FIELD%>;<%END_FIELDS%>\n<%END_RECORDS%>"),
              "[ ]Done:<FONT FACE=\"Wingdings\">&#254</FONT>;Note &lt;&amp;&gt;:a&lt;b&amp;c&gt;;\n"
              "[ ]Done:<FONT FACE=\"Wingdings\">&#168</FONT>;Note &lt;&amp;&gt;:"
              "<FONT FACE=\"Wingdings\">&#254</FONT>;\n");
}

TEST(HtmlReport, ValuesAreConvertedToUtf8AndLiteralsCopied) {
    FakeSource source({{"Caf\xE9"}}, {{"\x80 5"}});
    KxHtmlReport report(source);
    Rendered run = render(report,
                          "<h1>\xC3\xA9 <%TITLE%></h1><%BEGIN_RECORDS%><%PRIMARY_LABEL%> "
                          "<%PRIMARY_FIELD%><%END_RECORDS%>",
                          "R\xE9sum\xE9 & co");
    EXPECT_EQ(run.output,
              "<h1>\xC3\xA9 R\xC3\xA9sum\xC3\xA9 &amp; co</h1>Caf\xC3\xA9 \xE2\x82\xAC 5");
    EXPECT_EQ(render(source, "plain\r\ntext"), "plain\r\ntext");
    EXPECT_EQ(render(source, "\r\n"), "");
}

TEST(HtmlReport, RecordLimitAndEmptyRange) {
    std::vector<std::vector<std::string>> records;
    for (int i = 0; i < 9; ++i)
        records.push_back({std::to_string(i)});
    FakeSource source({{"N"}}, records);
    const char* text = "<%BEGIN_RECORDS%><%PRIMARY_FIELD%><%END_RECORDS%>";
    EXPECT_EQ(render(source, text, 4), "01234");
    EXPECT_EQ(render(source, text, 0), "0");
    EXPECT_EQ(render(source, text, -1), "012345678");

    FakeSource none({{"N"}}, {});
    EXPECT_EQ(render(none, "a<%BEGIN_RECORDS%>b<%BEGIN_FIELDS%>c<%END_FIELDS%><%END_RECORDS%>d"),
              "ad");
}

TEST(HtmlReport, NoChosenEntriesWritesNothing) {
    FakeSource source({}, {{}});
    KxHtmlReport report(source);
    Rendered run = render(report, "text<%BEGIN_RECORDS%>x<%END_RECORDS%>");
    EXPECT_EQ(run.result, kxReportDone);
    EXPECT_EQ(run.output, "");
}

TEST(HtmlReport, ValuesStayFromOneRunToTheNext) {
    FakeSource source = people();
    KxHtmlReport report(source);
    const char* text = "<%PRIMARY_FIELD%>|<%BEGIN_RECORDS%><%END_RECORDS%><%PRIMARY_FIELD%>";
    EXPECT_EQ(render(report, text).output, "|Cy");
    EXPECT_EQ(render(report, text).output, "Cy|Cy");
    EXPECT_EQ(report.value(Tag::Title), "T");
}

TEST(HtmlReport, ProgressAtEveryRecordEndAndCancel) {
    FakeSource source = people();
    KxHtmlReport report(source);
    std::vector<std::pair<std::uint64_t, std::uint64_t>> steps;
    KxReportHooks hooks;
    hooks.progress = [&](std::uint64_t done, std::uint64_t total) {
        steps.emplace_back(done, total);
        return steps.size() == 2;
    };
    Rendered run =
        render(report, "<%BEGIN_RECORDS%><%PRIMARY_FIELD%>;<%END_RECORDS%>end", "T", -1, hooks);
    EXPECT_NE(run.result, kxReportDone);
    EXPECT_EQ(run.output, "Ann;Bob;");
    EXPECT_TRUE(run.messages.empty());
    EXPECT_EQ(steps, (std::vector<std::pair<std::uint64_t, std::uint64_t>>{{0, 3}, {1, 3}}));
    EXPECT_FALSE(source.holdsRecord());
}

TEST(HtmlReport, LargeOutputStopsAsSoonAsItPassesTheLimit) {
    // 300 records of 1 MB would be 300 MB; the run stops with the write that passes 3 MB.
    std::vector<std::vector<std::string>> records(300, {std::string(1000000, 'x')});
    FakeSource source({{"Big"}}, records);
    KxHtmlReport report(source);
    Rendered run = render(report, "<%BEGIN_RECORDS%><%PRIMARY_FIELD%><%END_RECORDS%>end");
    EXPECT_EQ(run.result, kxReportNotPrintable);
    EXPECT_EQ(run.output.size(), 4000000u);
    ASSERT_EQ(run.messages.size(), 1u);
    EXPECT_EQ(run.messages[0],
              "Your printout is too large to print.  \n\nAn intermediate step in the printing "
              "process is the creation of an HTML file, _KxPrintTempOutput.htm, located in "
              "your Rolva program directory.  This file was created successfully.  You can "
              "attempt to print this file by loading it into your browser, but we recommend "
              "closing all other programs first.");

    // Exactly at the limit is fine; one byte more is not, wherever it is written.
    FakeSource exact({{"Big"}}, {{std::string(KxHtmlReport::kLargeOutput, 'x')}});
    KxHtmlReport exactReport(exact);
    EXPECT_EQ(render(exactReport, "<%BEGIN_RECORDS%><%PRIMARY_FIELD%><%END_RECORDS%>").result,
              kxReportDone);
    FakeSource over({{"Big"}}, {{std::string(KxHtmlReport::kLargeOutput, 'x')}});
    KxHtmlReport overReport(over);
    EXPECT_EQ(render(overReport, "<%BEGIN_RECORDS%><%PRIMARY_FIELD%><%END_RECORDS%>+").result,
              kxReportNotPrintable);
}

TEST(HtmlReport, UnmatchedClosingTagsKeepTheBaseLevel) {
    FakeSource source = people();
    EXPECT_EQ(render(source, "<%END_NOT_EMPTY%>a<%ELSE_NOT_EMPTY%>b<%END_RECORDS%>c"
                             "<%END_FIELDS%>d<%END_NOT_EMPTY%><%END_NOT_EMPTY%>e"),
              "abcde");
    // A records loop closed twice: the second close finds no further record.
    EXPECT_EQ(render(source, "<%BEGIN_RECORDS%><%PRIMARY_FIELD%><%END_RECORDS%><%END_RECORDS%>"
                             "<%END_RECORDS%>z"),
              "AnnBobCyz");
    EXPECT_FALSE(source.holdsRecord());
}

TEST(HtmlReport, HostileTemplatesEnd) {
    FakeSource source = people();
    // Deep nesting.
    std::string deep;
    for (int i = 0; i < 100000; ++i)
        deep += "<%IF_NOT_EMPTY%><%TITLE%>";
    deep += "in";
    for (int i = 0; i < 100000; ++i)
        deep += "<%END_NOT_EMPTY%>";
    EXPECT_EQ(render(source, deep + "out"), "inout");

    // A records loop inside a fields loop would start the records over and over.
    EXPECT_EQ(render(source, "<%BEGIN_FIELDS%>F<%BEGIN_RECORDS%><%PRIMARY_FIELD%>"
                             "<%END_RECORDS%><%END_FIELDS%>."),
              "FAnnBobCy.");
    // Crossed loops.
    EXPECT_EQ(render(source, "<%BEGIN_RECORDS%>R<%BEGIN_FIELDS%><%FIELD%>"
                             "<%END_RECORDS%><%END_FIELDS%>."),
              "R31RR4040.");
    EXPECT_FALSE(source.holdsRecord());
}

class ReportFiles : public ::testing::Test {
  protected:
    std::string write(const std::string& name, const std::string& bytes) { return dir.write(name, bytes); }
    static std::string read(const std::string& path) { return readFileText(path); }

    TempDir dir;
    const std::string dir_ = dir.path();
};

TEST_F(ReportFiles, GenerateWritesTheOutputFile) {
    FakeSource source = people();
    KxHtmlReport report(source);
    const std::string output = dir_ + "/_KxPrintTempOutput.htm";
    const std::string tmpl =
        write("Basic.htm", "<%TITLE%>:<%BEGIN_RECORDS%><%PRIMARY_FIELD%>,<%END_RECORDS%>" +
                               std::string(1, '\0') + "ignored");
    std::vector<std::string> messages;
    KxReportHooks hooks;
    hooks.message = [&](const std::string& m) { messages.push_back(m); };
    EXPECT_EQ(report.generate(hooks, tmpl, output, "List", 0, false, 1), kxReportDone);
    EXPECT_EQ(read(output), "List:Ann,Bob,");
    EXPECT_TRUE(messages.empty());
}

TEST_F(ReportFiles, MissingTemplateLeavesTheOutputFileAsItWas) {
    FakeSource source = people();
    KxHtmlReport report(source);
    const std::string output = write("_KxPrintTempOutput.htm", "stale");
    std::vector<std::string> messages;
    KxReportHooks hooks;
    hooks.message = [&](const std::string& m) { messages.push_back(m); };
    const std::string missing = dir_ + "/Missing.htm";
    EXPECT_EQ(report.generate(hooks, missing, output, "T", 0, false, -1), kxReportNotPrintable);
    EXPECT_EQ(read(output), "stale");
    EXPECT_EQ(messages,
              std::vector<std::string>{"Could not open the print template file " + missing + "."});

    // A directory is not a template either.
    messages.clear();
    EXPECT_EQ(report.generate(hooks, dir_, output, "T", 0, false, -1), kxReportNotPrintable);
    EXPECT_EQ(messages.size(), 1u);
}

TEST_F(ReportFiles, OutputThatCannotBeCreated) {
    FakeSource source = people();
    KxHtmlReport report(source);
    const std::string tmpl = write("Basic.htm", "x");
    const std::string output = dir_ + "/no/such/dir/out.htm";
    std::vector<std::string> messages;
    KxReportHooks hooks;
    hooks.message = [&](const std::string& m) { messages.push_back(m); };
    EXPECT_EQ(report.generate(hooks, tmpl, output, "T", 0, false, -1), kxReportNotPrintable);
    EXPECT_EQ(messages, std::vector<std::string>{
                            "Could not create the temporary print output file " + output + "."});
}

TEST_F(ReportFiles, AFailedWriteSaysSoAndKeepsThePreviousOutput) {
    FakeSource source = people();
    KxHtmlReport report(source);
    const std::string tmpl = write("Basic.htm", "<%BEGIN_RECORDS%><%PRIMARY_FIELD%>,<%END_RECORDS%>");
    const std::string output = write("out.htm", "previous");
    std::vector<std::string> messages;
    KxReportHooks hooks;
    hooks.message = [&](const std::string& m) { messages.push_back(m); };
    kx::testing::failWritesAfter(3, ENOSPC);
    const int result = report.generate(hooks, tmpl, output, "T", 0, false, -1);
    kx::testing::failWritesAfter(0, 0);
    EXPECT_EQ(result, kxReportNotPrintable);
    EXPECT_EQ(read(output), "previous");
    EXPECT_EQ(messages, std::vector<std::string>{"Could not write the print output file " + output +
                                                 ". " + kxDbErrorMessage(KxDbError::DiskFull)});
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_), {}), 2); // no temporary
}

} // namespace
