// The printed pages of long reports: the HTML cut into pieces, the pieces put on pages, and
// the PDF that comes out (read back with pdftotext): every record once and in order, the
// table's header on every page, the page count the footer names, a card's heading on the
// page of its first row.

#include "print/render/HtmlChunks.h"
#include "print/render/PageFlow.h"
#include "print/render/PdfOutput.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <unistd.h>

namespace {

const std::string kHead = "<html><head><style type=\"text/css\">body { font-size: 9pt; }</style></head><body>";
// As Table.htm writes it.
const std::string kTable = "<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\" width=\"100%\" "
                           "style=\"border-color: #8a9bad; border-style: solid;\">";
const std::string kHeader = "<thead><tr><th>Name</th><th>Count</th></tr></thead>";

std::string record(int i) {
    char name[16];
    std::snprintf(name, sizeof name, "Rec%04d", i);
    return name;
}

// A report like Table.htm's: a title, then one table with a header row and a row a record.
std::string tableReport(int records) {
    std::string html = kHead + "<h1>Stock</h1>\n" + kTable + kHeader + "\n";
    for (int i = 1; i <= records; ++i)
        html += "<tr><td valign=\"top\">" + record(i) + "</td><td valign=\"top\">" + std::to_string(i) + "</td></tr>\n";
    return html + "</table>\n</body>\n</html>\n";
}

// A report like Cards.htm's: a table a record, a heading row over its fields.
std::string cardsReport(int records) {
    std::string html = kHead + "<h1>Cards</h1>\n";
    for (int i = 1; i <= records; ++i) {
        html += "<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\" width=\"100%\"><tr><td colspan=\"2\">Head" +
                record(i) + "</td></tr>\n";
        for (int f = 1; f <= 6; ++f)
            html += "<tr><td>Label</td><td>" + std::string(f == 1 ? "First" : "Field") + record(i) + "</td></tr>\n";
        html += "</table>\n<br>\n";
    }
    return html + "</body>\n</html>\n";
}

std::size_t count(const std::string& text, const std::string& what) {
    std::size_t n = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
    return n;
}

TEST(PrintChunks, ALongTableIsCutBetweenRowsWithItsHeaderRepeated) {
    const std::string html = tableReport(300);
    const KxHtmlChunks split = kxSplitHtml(html, 2000);
    ASSERT_GT(split.chunks.size(), 3u);
    ASSERT_EQ(split.sizingTables.size(), 1u);
    std::string rows;
    for (std::size_t i = 0; i < split.chunks.size(); ++i) {
        const KxHtmlChunk& chunk = split.chunks[i];
        EXPECT_EQ(chunk.html.rfind(kHead, 0), 0u) << i; // the style sheet in every piece
        EXPECT_EQ(count(chunk.html, kHeader), 1u) << i;
        EXPECT_EQ(count(chunk.html, "<table"), count(chunk.html, "</table>")) << i;
        EXPECT_EQ(chunk.continuesTable, i > 0) << i;
        EXPECT_EQ(chunk.tableContinues, i + 1 < split.chunks.size()) << i;
        EXPECT_EQ(chunk.headSizing, i > 0 ? 0 : -1) << i;
        EXPECT_EQ(chunk.tailSizing, i + 1 < split.chunks.size() ? 0 : -1) << i;
        for (std::size_t at = chunk.html.find("Rec"); at != std::string::npos; at = chunk.html.find("Rec", at + 1))
            rows += chunk.html.substr(at, 7) + " ";
    }
    std::string expected;
    for (int i = 1; i <= 300; ++i) expected += record(i) + " ";
    EXPECT_EQ(rows, expected);
    // The widths come from the table's header and its widest cells.
    EXPECT_NE(split.sizingTables[0].find(kHeader), std::string::npos);
    EXPECT_NE(split.sizingTables[0].find("\">100</td>"), std::string::npos);
}

TEST(PrintChunks, CutsFallOnlyBetweenOutermostElements) {
    // Cards are cut between their tables, never inside one.
    const KxHtmlChunks cards = kxSplitHtml(cardsReport(40), 1500);
    ASSERT_GT(cards.chunks.size(), 3u);
    for (const KxHtmlChunk& chunk : cards.chunks) {
        EXPECT_FALSE(chunk.continuesTable);
        EXPECT_EQ(count(chunk.html, "<table"), count(chunk.html, "</table>"));
    }
    EXPECT_TRUE(cards.sizingTables.empty());
    // Content wrapped in one element has no point to cut at; nor has a page without a body.
    const std::string wrapped = kHead + "<div>" + tableReport(200).substr(kHead.size());
    EXPECT_EQ(kxSplitHtml(wrapped.substr(0, wrapped.find("</body>")) + "</div></body></html>", 1000).chunks.size(), 1u);
    EXPECT_EQ(kxSplitHtml("<p>no body</p><p>at all</p>", 1).chunks.size(), 1u);
    // Comments and style sheets do not count as elements.
    const KxHtmlChunks quoted = kxSplitHtml(kHead + "<!-- <table> --><p>a</p><p>b</p></body></html>", 1);
    ASSERT_EQ(quoted.chunks.size(), 3u);
    EXPECT_EQ(quoted.chunks[2].html, kHead + "<p>b</p></body></html>");
}

TEST(PrintFlow, RowsFillPagesAndATableRunsOnWithItsHeader) {
    std::vector<KxFlowAtom> atoms;
    std::vector<KxFlowTable> tables{{{0, 0, 10}, {0, 200, 201}}};
    for (int r = 0; r < 19; ++r) {
        KxFlowAtom atom;
        atom.table = 0;
        atom.opensTable = r == 0;
        atom.closesTable = r == 18;
        if (r == 0) atom.pieces.push_back({0, 0, 10});
        atom.pieces.push_back({0, 10.0 + r * 10, 20.0 + r * 10});
        if (r == 18) atom.pieces.push_back({0, 200, 201});
        atoms.push_back(atom);
    }
    const auto pages = kxPaginate(atoms, tables, 55);
    ASSERT_EQ(pages.size(), 5u);
    for (std::size_t p = 0; p < pages.size(); ++p) {
        double height = 0;
        for (const KxPlacedPiece& placed : pages[p]) height = std::max(height, placed.y + placed.source.height());
        EXPECT_LE(height, 55.0) << p;
        // Every page starts with the header; every page but the last ends with the bottom border.
        EXPECT_EQ(pages[p].front().source.top, 0) << p;
        EXPECT_EQ(pages[p].back().source.bottom, 201) << p;
    }
    // Four rows a page after the header, the bottom border kept free below them.
    EXPECT_EQ(pages[1].size(), 3u);
    EXPECT_EQ(pages[1][1].source.top, 50);
    EXPECT_EQ(pages[1][1].source.bottom, 90);
}

TEST(PrintFlow, AHeadingKeepsWithWhatFollowsAndATallBandIsCut) {
    const auto atom = [](double top, double bottom, bool heading = false) {
        KxFlowAtom a;
        a.pieces.push_back({0, top, bottom});
        a.keepWithNext = heading;
        return a;
    };
    // The heading would fit at the foot of page one, its paragraph would not.
    auto pages = kxPaginate({atom(0, 80), atom(80, 90, true), atom(90, 120)}, {}, 100);
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(pages[1].front().source.top, 80);
    EXPECT_EQ(pages[1].front().y, 0);
    // A band taller than a page goes on over the next pages.
    pages = kxPaginate({atom(0, 250)}, {}, 100);
    ASSERT_EQ(pages.size(), 3u);
    EXPECT_EQ(pages[2].front().source.top, 200);
    // A forced break, and no content at all.
    KxFlowAtom broken = atom(10, 20);
    broken.breakBefore = true;
    EXPECT_EQ(kxPaginate({atom(0, 10), broken}, {}, 100).size(), 2u);
    EXPECT_EQ(kxPaginate({}, {}, 100).size(), 1u);
}

class PrintedPdf : public ::testing::Test {
  protected:
    void SetUp() override {
        if (std::system("command -v pdftotext >/dev/null 2>&1") != 0) GTEST_SKIP() << "pdftotext is not installed";
        kxEnsureGuiApplication();
    }
    // The text of each page of the PDF of that report, the rows of long tables laid out
    // alone or by the document.
    std::vector<std::string> pages(const std::string& html, bool rowLayout = true) {
        const KxPageSetup setup{"&w", "&bPage &p of &P", "0.750000", "0.750000", "0.750000", "0.750000"};
        KxPrintPages printout(html, setup, "Stock", "/tmp/report.htm");
        printout.setRowLayout(rowLayout);
        const auto pdf = kxRenderPdf(printout, {QPageSize::Letter, QPageLayout::Portrait});
        rowPieces = printout.rowLayoutPieces();
        EXPECT_TRUE(pdf);
        if (!pdf) return {};
        const auto path = std::filesystem::temp_directory_path() / ("rolva-pages-" + std::to_string(::getpid()) + ".pdf");
        std::ofstream(path, std::ios::binary).write(pdf->constData(), pdf->size());
        std::string text;
        if (FILE* pipe = ::popen(("pdftotext '" + path.string() + "' - 2>/dev/null").c_str(), "r")) {
            char buffer[4096];
            std::size_t n;
            while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) text.append(buffer, n);
            ::pclose(pipe);
        }
        std::filesystem::remove(path);
        std::vector<std::string> split;
        std::size_t at = 0;
        for (std::size_t feed = text.find('\f'); feed != std::string::npos; feed = text.find('\f', at)) {
            split.push_back(text.substr(at, feed - at));
            at = feed + 1;
        }
        return split;
    }
    int rowPieces = 0;
};

TEST_F(PrintedPdf, EveryRecordOnceInOrderWithTheHeaderOnEveryPage) {
    const int records = 700;
    const auto text = pages(tableReport(records));
    ASSERT_GT(text.size(), 5u);
    const std::string total = " of " + std::to_string(text.size());
    int next = 1;
    for (std::size_t p = 0; p < text.size(); ++p) {
        EXPECT_NE(text[p].find("Page " + std::to_string(p + 1) + total), std::string::npos) << p;
        EXPECT_EQ(count(text[p], "Name"), 1u) << "the header row on page " << p + 1;
        for (std::size_t at = text[p].find("Rec"); at != std::string::npos; at = text[p].find("Rec", at + 1))
            EXPECT_EQ(text[p].substr(at, 7), record(next++)) << "page " << p + 1;
    }
    EXPECT_EQ(next, records + 1);
}

TEST_F(PrintedPdf, RowsLaidOutAloneFallOnTheDocumentsPages) {
    // Rows as the report writes them: escaped text, check marks, multi-line and long values.
    std::string html = kHead + "<h1>Stock</h1>\n" + kTable + kHeader + "\n";
    const std::string note = "a note long enough to wrap over more than one line of its column";
    for (int i = 1; i <= 1200; ++i) {
        std::string value = std::to_string(i);
        if (i % 7 == 0) value += " Tom &amp; Jerry &lt;3&gt;";
        if (i % 5 == 0) value += i % 2 ? "<br>second line" : " " + note;
        const char* mark = i % 3 ? "&#254" : "&#168";
        html += "<tr><td valign=\"top\">" + record(i) + " <FONT FACE=\"Wingdings\">" + mark + "</FONT></td><td valign=\"top\">" +
                value + "</td></tr>\n";
    }
    html += "</table>\n</body>\n</html>\n";
    const auto alone = pages(html);
    EXPECT_GT(rowPieces, 3);
    const auto byDocument = pages(html, false);
    EXPECT_EQ(rowPieces, 0);
    ASSERT_GT(alone.size(), 5u);
    ASSERT_EQ(alone.size(), byDocument.size());
    for (std::size_t p = 0; p < alone.size(); ++p) {
        EXPECT_EQ(alone[p], byDocument[p]) << "page " << p + 1;
        EXPECT_EQ(count(alone[p], "Name"), 1u) << "the header row on page " << p + 1;
    }
    const std::string all = [&] {
        std::string text;
        for (const std::string& page : alone) text += page;
        return text;
    }();
    EXPECT_EQ(count(all, "Tom & Jerry <3>"), 1200u / 7);
    EXPECT_EQ(count(all, "second line"), 120u);
    EXPECT_EQ(count(all, "\u2611"), 800u);
    EXPECT_EQ(count(all, "\u2610"), 400u);
}

TEST_F(PrintedPdf, ACardsHeadingStandsOnThePageOfItsFirstRow) {
    const int records = 60;
    const auto text = pages(cardsReport(records));
    ASSERT_GT(text.size(), 3u);
    for (int i = 1; i <= records; ++i) {
        int heading = -1, first = -1;
        for (std::size_t p = 0; p < text.size(); ++p) {
            if (text[p].find("Head" + record(i)) != std::string::npos) heading = static_cast<int>(p);
            if (text[p].find("First" + record(i)) != std::string::npos) first = static_cast<int>(p);
        }
        EXPECT_NE(heading, -1) << i;
        EXPECT_EQ(heading, first) << "card " << i;
    }
}

} // namespace

namespace {

TEST(PrintProgress, CancelStopsTheLayoutAndThePainting) {
    kxEnsureGuiApplication();
    const KxPageSetup setup{"", "&p of &P", "0.750000", "0.750000", "0.750000", "0.750000"};
    KxPrintPages printout(tableReport(300), setup, "Stock", "/tmp/report.htm");
    const KxPaperChoice letter{QPageSize::Letter, QPageLayout::Portrait};
    std::vector<std::pair<int, int>> seen;
    // While laying out: nothing painted yet.
    EXPECT_FALSE(kxRenderPdf(printout, letter, [&](int page, int count) {
        seen.emplace_back(page, count);
        return true;
    }));
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0], std::make_pair(0, 1));
    // On the second page.
    seen.clear();
    EXPECT_FALSE(kxRenderPdf(printout, letter, [&](int page, int count) {
        seen.emplace_back(page, count);
        return page == 2;
    }));
    ASSERT_GE(seen.size(), 2u);
    EXPECT_EQ(seen.back().first, 2);
    EXPECT_GT(seen.back().second, 2);
    // Uninterrupted, every page is announced once, the count the same throughout.
    seen.clear();
    const auto pdf = kxRenderPdf(printout, letter, [&](int page, int count) {
        if (page > 0) seen.emplace_back(page, count);
        return false;
    });
    ASSERT_TRUE(pdf);
    ASSERT_FALSE(seen.empty());
    for (std::size_t i = 0; i < seen.size(); ++i) EXPECT_EQ(seen[i], std::make_pair(static_cast<int>(i) + 1, static_cast<int>(seen.size())));
}

} // namespace
