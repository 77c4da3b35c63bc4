// The body rows of long tables laid out without the rich-text document: which pieces of a
// report are read that way and which are left to the document, rows as high as the
// document makes them (wrapped and broken lines), and Cancel while they are laid out. Also the
// shared column widths: the word that decides a column's width is never broken.

#include "print/render/DocumentFlow.h"
#include "print/render/PdfOutput.h"
#include "print/render/SimpleRows.h"
#include "print/render/TableRows.h"

#include <QAbstractTextDocumentLayout>
#include <QImage>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

#include <gtest/gtest.h>

#include <string>

namespace {

const std::string kHead = "<html><head><style type=\"text/css\">body { font-family: Arial; font-size: 9pt; } "
                          "th { background-color: #d9e2ec; font-weight: bold; }</style></head><body>";
const std::string kTable = "<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\" width=\"100%\" "
                           "style=\"border-color: #8a9bad; border-style: solid;\">";
const std::string kHeader = "<thead><tr><th>Name</th><th>Notes</th><th>Lent</th></tr></thead>";

// A piece as the report is cut into: the table opened again with its header, rows, closed.
std::string piece(const std::string& rows) { return kHead + kTable + kHeader + "\n" + rows + "</table></body></html>"; }

std::string row(const std::string& a, const std::string& b, const std::string& c = "x") {
    return "<tr><td valign=\"top\">" + a + "</td><td valign=\"top\">" + b + "</td><td valign=\"top\">" + c + "</td></tr>\n";
}

TEST(PrintRows, ReadsTheCellsTheReportWrites) {
    const auto rows = kxSimpleTableRows(piece(row("Tom &amp; Jerry &lt;3&gt;", "  one\n  two  ", "\u2611") +
                                              row("a<br>b <br/> c", "<b>bold</b> and <i>slanted</i>", "&#9744;&nbsp;") +
                                              "<tr><td></td><td align=\"right\">r</td><td>a & b</td></tr>"));
    ASSERT_TRUE(rows);
    ASSERT_EQ(rows->size(), 3u);
    EXPECT_EQ((*rows)[0][0].text, QStringLiteral("Tom & Jerry <3>"));
    EXPECT_EQ((*rows)[0][1].text, QStringLiteral("one two"));
    EXPECT_EQ((*rows)[0][2].text, QString::fromUtf8("\u2611"));
    EXPECT_EQ((*rows)[1][0].text, QString::fromUtf8("a\u2028b\u2028c"));
    const KxSimpleCell& styled = (*rows)[1][1];
    EXPECT_EQ(styled.text, QStringLiteral("bold and slanted"));
    ASSERT_EQ(styled.formats.size(), 2);
    EXPECT_EQ(styled.formats[0].start, 0);
    EXPECT_EQ(styled.formats[0].length, 4);
    EXPECT_EQ(styled.formats[0].format.fontWeight(), QFont::Bold);
    EXPECT_TRUE(styled.formats[1].format.fontItalic());
    EXPECT_EQ((*rows)[1][2].text, QString::fromUtf8("\u2610\u00a0"));
    EXPECT_TRUE((*rows)[2][0].text.isEmpty());
    EXPECT_EQ((*rows)[2][1].alignment, Qt::AlignRight);
    EXPECT_EQ((*rows)[2][2].text, QStringLiteral("a & b"));
    // A report cut short at its size limit ends without its end tags.
    EXPECT_TRUE(kxSimpleTableRows(kHead + kTable + row("a", "b") + "</table>"));
}

TEST(PrintRows, AnythingElseIsLeftToTheDocument) {
    for (const std::string& rows :
         {std::string("<tr><td class=\"label\">a</td></tr>"), std::string("<tr><td bgcolor=\"red\">a</td></tr>"),
          std::string("<tr bgcolor=\"red\"><td>a</td></tr>"), std::string("<tr><td colspan=\"2\">a</td></tr>"),
          std::string("<tr><td valign=\"middle\">a</td></tr>"), std::string("<tr><td><font color=red>a</font></td></tr>"),
          std::string("<tr><td><img src=\"a.png\"></td></tr>"), std::string("<tr><td>&euro;</td></tr>"), std::string("<tr><td>&amp</td></tr>"),
          std::string("<tr><td><table><tr><td>inner</td></tr></table></td></tr>"),
          std::string("<tr><td>a</td></tr><!-- note -->"), std::string("<tr><td>\u05e9\u05dc\u05d5\u05dd</td></tr>"), std::string("")})
        EXPECT_FALSE(kxSimpleTableRows(piece(rows))) << rows;
    // Anything beside the table: a title, a paragraph after it.
    EXPECT_FALSE(kxSimpleTableRows(kHead + "<h1>Stock</h1>" + kTable + row("a", "b") + "</table></body></html>"));
    EXPECT_FALSE(kxSimpleTableRows(kHead + kTable + row("a", "b") + "</table><p>end</p></body></html>"));
}

// The rows of `html` laid out by the document and alone, on a device of printer resolution.
class RowHeights : public ::testing::Test {
  protected:
    void SetUp() override {
        kxEnsureGuiApplication();
        device.setDotsPerMeterX(static_cast<int>(600 / 0.0254));
        device.setDotsPerMeterY(static_cast<int>(600 / 0.0254));
    }
    QImage device{8, 8, QImage::Format_RGB32};
};

TEST_F(RowHeights, WrappedAndBrokenLinesMakeRowsAsHighAsInTheDocument) {
    const std::string words = "a long note that wraps over several lines in its narrow column, word after word";
    const std::string html = piece(row("Plain", "short") + row("Wrapped", words + " " + words + " " + words + " " + words) +
                                   row("Broken", "one<br>two<br>three<br>four") + row("", "", "") +
                                   row("<b>Bold</b> &amp; more", "x<br><br>y", "\u2611") + row("Last", "z"));
    QTextDocument document;
    document.setDocumentMargin(0);
    document.setHtml(QString::fromStdString(html));
    document.documentLayout()->setPaintDevice(&device);
    document.setTextWidth(4000);
    document.documentLayout()->documentSize();
    const std::vector<double> widths = kxColumnWidths(document);
    const auto frame = kxMeasureTableFrame(document, widths);
    ASSERT_TRUE(frame);
    EXPECT_EQ(frame->font.family(), QStringLiteral("Arial"));
    EXPECT_EQ(frame->font.pointSizeF(), 9);
    EXPECT_EQ(frame->borderBrush.color(), QColor(0x8a, 0x9b, 0xad));
    ASSERT_EQ(frame->columns.size(), 3u);

    const auto rows = kxSimpleTableRows(html);
    ASSERT_TRUE(rows);
    KxShapeCache cache;
    const auto laid = KxTableRows::layOut(std::make_shared<const KxTableFrame>(*frame), *rows, device, 0, cache);
    ASSERT_TRUE(laid);
    QTextTable* table = qobject_cast<QTextTable*>(*document.rootFrame()->childFrames().begin());
    ASSERT_TRUE(table);
    const KxTableGeometry g = kxMeasureTable(document, *table);
    ASSERT_EQ(laid->rowBands().size(), g.rowTops.size() - 1);
    const double first = g.rowTops[1];
    for (std::size_t r = 0; r < laid->rowBands().size(); ++r) {
        const double bottom = r + 2 < g.rowTops.size() ? g.rowTops[r + 2] : g.rowsBottom;
        EXPECT_NEAR(laid->rowBands()[r].top, g.rowTops[r + 1] - first, 0.05) << r;
        EXPECT_NEAR(laid->rowBands()[r].bottom, bottom - first, 0.05) << r;
    }
    EXPECT_GT(laid->rowBands()[1].height(), 2.5 * laid->rowBands()[0].height()) << "the wrapped row";
    EXPECT_NEAR(laid->rowBands()[2].height(), laid->rowBands()[3].height() + 3 * (laid->rowBands()[0].height() - frame->cellExtra), 0.05)
        << "four lines against one";
    EXPECT_NEAR(laid->closingBand().height(), g.bottom - g.rowsBottom, 0.05);
    // A row with a cell too many does not fit the columns.
    EXPECT_FALSE(KxTableRows::layOut(std::make_shared<const KxTableFrame>(*frame),
                                     {{KxSimpleCell{}, KxSimpleCell{}, KxSimpleCell{}, KxSimpleCell{}}}, device, 0, cache));
}

TEST_F(RowHeights, TheWordsThatDecideAColumnsWidthStayWholeInEveryPiece) {
    // Narrow columns at the width of their longest word beside a long note that takes the rest.
    std::string header = "<thead><tr>";
    std::string rows = "<tr>";
    for (const char* name : {"Name", "Kind", "Price", "Count", "Bought", "At", "Lent", "Total", "Category"}) {
        header += std::string("<th>") + name + "</th>";
        rows += std::string("<td>") + (name[0] == 'L' ? "\u2611" : "100.25") + "</td>";
    }
    std::string note;
    for (int i = 0; i < 30; ++i) note += "word ";
    header += "<th>Notes</th></tr></thead>";
    rows += "<td>" + note + "</td></tr>";
    const QString html = QString::fromStdString(kHead + kTable + header + rows + rows + "</table></body></html>");
    QTextDocument sizing;
    sizing.setDocumentMargin(0);
    sizing.setHtml(html);
    sizing.documentLayout()->setPaintDevice(&device);
    sizing.setTextWidth(4200);
    const std::vector<double> widths = kxColumnWidths(sizing);
    ASSERT_EQ(widths.size(), 10u);
    QTextDocument piece;
    piece.setDocumentMargin(0);
    piece.setHtml(html);
    QTextTable* table = qobject_cast<QTextTable*>(*piece.rootFrame()->childFrames().begin());
    ASSERT_TRUE(table);
    kxFixColumnWidths(*table, widths);
    piece.documentLayout()->setPaintDevice(&device);
    piece.setTextWidth(4200);
    piece.documentLayout()->documentSize();
    for (int r = 0; r < table->rows(); ++r)
        for (int c = 0; c + 1 < table->columns(); ++c)
            EXPECT_EQ(piece.findBlock(table->cellAt(r, c).firstPosition()).layout()->lineCount(), 1) << r << " " << c;
}

TEST_F(RowHeights, TablesTheRowsCannotDrawAreMeasuredAsNone) {
    for (const std::string& table :
         {std::string("<table border=\"1\" cellspacing=\"2\">"), std::string("<table border=\"1\">"),
          std::string("<table border=\"0\" bgcolor=\"#eeeeee\">")}) {
        QTextDocument document;
        document.setHtml(QString::fromStdString(kHead + table + kHeader + row("a", "b") + row("c", "d") + "</table></body></html>"));
        document.documentLayout()->setPaintDevice(&device);
        document.setTextWidth(4000);
        document.documentLayout()->documentSize();
        EXPECT_FALSE(kxMeasureTableFrame(document, kxColumnWidths(document))) << table;
    }
}

TEST(PrintRowsProgress, CancelWhileTheRowsAreLaidOut) {
    kxEnsureGuiApplication();
    std::string html = kHead + "<h1>Stock</h1>" + kTable + kHeader + "\n";
    for (int i = 0; i < 1500; ++i) html += row("Item " + std::to_string(i), "Note " + std::to_string(i));
    html += "</table></body></html>";
    KxPrintPages printout(html, {"", "&p of &P", "0.750000", "0.750000", "0.750000", "0.750000"}, "Stock", "/tmp/r.htm");
    const KxPaperChoice letter{QPageSize::Letter, QPageLayout::Portrait};
    int calls = 0;
    EXPECT_FALSE(kxRenderPdf(printout, letter, [&](int page, int) { return page == 0 && ++calls == 4; }));
    EXPECT_EQ(calls, 4);
    EXPECT_GE(printout.rowLayoutPieces(), 2) << "stopped among pieces laid out as rows";
    // Uninterrupted, all but the first piece (the title's) go that way.
    ASSERT_TRUE(kxRenderPdf(printout, letter));
    EXPECT_GT(printout.rowLayoutPieces(), 5);
}

} // namespace
