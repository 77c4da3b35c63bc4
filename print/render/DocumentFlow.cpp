#include "print/render/DocumentFlow.h"

#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextLayout>
#include <QTextTable>
#include <QPaintDevice>

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

// Qt's own: the resolution that lengths written in a document (padding, borders) are taken in.
Q_GUI_EXPORT int qt_defaultDpiY();

double kxDeviceScale(const QTextDocument& document) {
    const QPaintDevice* device = document.documentLayout()->paintDevice();
    return device ? device->logicalDpiY() / static_cast<double>(qt_defaultDpiY()) : 1.0;
}

namespace {

double topPadding(const QTextTable& table, const QTextTableCellFormat& cell) {
    return cell.hasProperty(QTextFormat::TableCellTopPadding) ? cell.topPadding() : table.format().cellPadding();
}
double bottomPadding(const QTextTable& table, const QTextTableCellFormat& cell) {
    return cell.hasProperty(QTextFormat::TableCellBottomPadding) ? cell.bottomPadding() : table.format().cellPadding();
}
double leftPadding(const QTextTable& table, const QTextTableCellFormat& cell) {
    return cell.hasProperty(QTextFormat::TableCellLeftPadding) ? cell.leftPadding() : table.format().cellPadding();
}
double rightPadding(const QTextTable& table, const QTextTableCellFormat& cell) {
    return cell.hasProperty(QTextFormat::TableCellRightPadding) ? cell.rightPadding() : table.format().cellPadding();
}

// The last character of a cell or frame: its end is already the start of what follows it.
int lastPosition(int first, int end) { return std::max(first, end - 1); }

QRectF blockRect(const QTextDocument& document, int position) {
    return document.documentLayout()->blockBoundingRect(document.findBlock(position));
}

} // namespace

KxTableGeometry kxMeasureTable(const QTextDocument& document, const QTextTable& table) {
    const QTextTableFormat format = table.format();
    const double scale = kxDeviceScale(document);
    const double border = format.border() * scale;
    KxTableGeometry g;
    g.spacing = format.cellSpacing() * scale;
    const int rows = table.rows();
    g.rowTops.assign(static_cast<std::size_t>(rows), std::numeric_limits<double>::quiet_NaN());
    g.rowsBottom = 0;
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < table.columns(); ++c) {
            const QTextTableCell cell = table.cellAt(r, c);
            if (cell.row() != r || cell.column() != c) continue;
            const QTextTableCellFormat cellFormat = cell.format().toTableCellFormat();
            const auto align = cellFormat.verticalAlignment();
            if (align != QTextCharFormat::AlignMiddle && align != QTextCharFormat::AlignBottom) {
                const double top = blockRect(document, cell.firstPosition()).top() - topPadding(table, cellFormat) * scale - border;
                double& rowTop = g.rowTops[static_cast<std::size_t>(r)];
                rowTop = std::isnan(rowTop) ? top : std::min(rowTop, top);
            }
            if (cell.row() + cell.rowSpan() == rows) {
                const double bottom =
                    blockRect(document, lastPosition(cell.firstPosition(), cell.lastPosition())).bottom() +
                    bottomPadding(table, cellFormat) * scale + border;
                g.rowsBottom = std::max(g.rowsBottom, bottom);
            }
        }
    }
    // A row that no cell places joins the one above it; rows never go upwards.
    double last = std::numeric_limits<double>::lowest();
    for (double& top : g.rowTops) {
        if (!std::isnan(top) && top < last) top = last;
        if (!std::isnan(top)) last = top;
    }
    if (rows == 0 || std::isnan(g.rowTops[0])) g.rowTops.assign(static_cast<std::size_t>(std::max(rows, 1)), last);
    const double frame = g.spacing + border + format.padding() * scale;
    g.top = g.rowTops[0] - frame;
    g.rowsBottom = std::max(g.rowsBottom, last);
    g.bottom = g.rowsBottom + frame;
    return g;
}

namespace {

void appendPiece(std::vector<KxFlowPiece>& pieces, const KxFlowPiece& piece) {
    if (!pieces.empty() && pieces.back().document == piece.document && std::abs(pieces.back().bottom - piece.top) < 1e-6)
        pieces.back().bottom = piece.bottom;
    else
        pieces.push_back(piece);
}

} // namespace

void KxDocumentFlow::addAtom(KxFlowAtom atom) {
    atom.breakBefore = atom.breakBefore || breakNext_;
    breakNext_ = false;
    atom.gapBefore += space_;
    space_ = 0;
    atoms_.push_back(std::move(atom));
}

void KxDocumentFlow::add(const QTextDocument& document, int index, bool continuesTable, bool tableContinues) {
    bottom_ = 0;
    const QAbstractTextDocumentLayout* layout = document.documentLayout();
    bool firstTable = true;
    QTextFrame* root = document.rootFrame();
    const QTextFrame* lastTable = nullptr;
    if (tableContinues)
        for (auto it = root->begin(); !it.atEnd(); ++it)
            if (qobject_cast<QTextTable*>(it.currentFrame())) lastTable = it.currentFrame();
    for (auto it = root->begin(); !it.atEnd(); ++it) {
        if (QTextFrame* frame = it.currentFrame()) {
            const auto* table = qobject_cast<const QTextTable*>(frame);
            if (table && table->rows() > 0) {
                addTable(document, index, *table, continuesTable && firstTable, frame == lastTable);
                firstTable = false;
                continue;
            }
            // Any other frame is one band.
            const double top = blockRect(document, frame->firstPosition()).top();
            const double bottom = blockRect(document, lastPosition(frame->firstPosition(), frame->lastPosition())).bottom();
            KxFlowAtom atom;
            atom.gapBefore = std::max(0.0, top - bottom_);
            atom.pieces.push_back({index, top, bottom});
            addAtom(std::move(atom));
            bottom_ = bottom;
            continue;
        }
        const QTextBlock block = it.currentBlock();
        if (!block.isValid()) continue;
        // The empty paragraphs that the layout puts before a table opening the document and
        // at its end add nothing.
        if (block.text().isEmpty() && (!block.next().isValid() || !block.previous().isValid())) continue;
        const QTextBlockFormat format = block.blockFormat();
        const QTextLayout* lines = block.layout();
        const double y = lines->position().y();
        const bool heading = format.headingLevel() > 0;
        const bool blank = block.text().trimmed().isEmpty() && !block.text().contains(QChar::ObjectReplacementCharacter);
        if (format.pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore) breakNext_ = true;
        const int count = std::max(1, lines->lineCount());
        for (int l = 0; l < count; ++l) {
            double top = y;
            double bottom = y + layout->blockBoundingRect(block).height();
            if (lines->lineCount() > 0) {
                top = y + lines->lineAt(l).y();
                bottom = top + lines->lineAt(l).height();
            }
            // The line after a table reaches up into it: that part is painted already.
            top = std::max(top, bottom_);
            if (bottom <= top) continue;
            if (blank) {
                // An empty line is space only: what stands next to it must not show through.
                space_ += bottom - bottom_;
                bottom_ = bottom;
                continue;
            }
            KxFlowAtom atom;
            atom.gapBefore = std::max(0.0, top - bottom_);
            atom.pieces.push_back({index, top, bottom});
            atom.keepWithNext = heading;
            addAtom(std::move(atom));
            bottom_ = bottom;
        }
        if (format.pageBreakPolicy() & QTextFormat::PageBreak_AlwaysAfter) breakNext_ = true;
    }
}

void KxDocumentFlow::addTable(const QTextDocument& document, int index, const QTextTable& table, bool continues,
                              bool goesOn) {
    const KxTableGeometry g = kxMeasureTable(document, table);
    const int header = std::clamp(table.format().headerRowCount(), 0, table.rows() - 1);
    const auto rowTop = [&](int r) { return g.rowTops[static_cast<std::size_t>(r)] - g.spacing; };
    if (!continues || !inTable_) {
        if (inTable_) finishTable();
        inTable_ = true;
        tableGap_ = std::max(0.0, g.top - bottom_);
        tableBreakBefore_ = (table.format().pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore) != 0;
        head_ = {index, g.top, header > 0 ? rowTop(header) : rowTop(0)};
    }
    int start = header;
    for (int r = header; r < table.rows(); ++r) {
        if (r + 1 < table.rows() && std::isnan(g.rowTops[static_cast<std::size_t>(r + 1)])) continue;
        const double bottom = r + 1 < table.rows() ? rowTop(r + 1) : g.rowsBottom;
        const double top = start == header ? (header > 0 ? rowTop(header) : rowTop(0)) : rowTop(start);
        rows_.push_back({index, top, bottom});
        start = r + 1;
    }
    closing_ = {index, g.rowsBottom, g.bottom};
    bottom_ = g.bottom;
    if (!goesOn) {
        finishTable();
        if (table.format().pageBreakPolicy() & QTextFormat::PageBreak_AlwaysAfter) breakNext_ = true;
    }
}

bool KxDocumentFlow::addRows(const std::vector<KxFlowPiece>& rows, const KxFlowPiece& closing, bool goesOn) {
    if (!inTable_) return false;
    rows_.insert(rows_.end(), rows.begin(), rows.end());
    closing_ = closing;
    bottom_ = closing.bottom;
    if (!goesOn) finishTable();
    return true;
}

void KxDocumentFlow::finishTable() {
    inTable_ = false;
    double total = head_.height() + closing_.height();
    for (const KxFlowPiece& row : rows_) total += row.height();
    if (rows_.empty() || total <= pageHeight_) {
        // A table that fits on a page is kept whole.
        KxFlowAtom atom;
        atom.gapBefore = tableGap_;
        atom.breakBefore = tableBreakBefore_;
        appendPiece(atom.pieces, head_);
        for (const KxFlowPiece& row : rows_) appendPiece(atom.pieces, row);
        appendPiece(atom.pieces, closing_);
        addAtom(std::move(atom));
    } else {
        const int index = static_cast<int>(tables_.size());
        tables_.push_back({head_, closing_});
        for (std::size_t r = 0; r < rows_.size(); ++r) {
            KxFlowAtom atom;
            atom.table = index;
            if (r == 0) {
                atom.gapBefore = tableGap_;
                atom.breakBefore = tableBreakBefore_;
                atom.opensTable = true;
                appendPiece(atom.pieces, head_);
            }
            appendPiece(atom.pieces, rows_[r]);
            if (r + 1 == rows_.size()) {
                atom.closesTable = true;
                appendPiece(atom.pieces, closing_);
            }
            addAtom(std::move(atom));
        }
    }
    rows_.clear();
}

namespace {

// The left edge of every column of the document's first outermost table and the right edge
// of the last one.
std::optional<std::vector<double>> columnEdges(QTextDocument& document, QTextTable*& found) {
    found = nullptr;
    for (auto it = document.rootFrame()->begin(); !it.atEnd() && !found; ++it)
        found = qobject_cast<QTextTable*>(it.currentFrame());
    if (!found || found->rows() == 0) return std::nullopt;
    document.documentLayout()->documentSize();
    const QTextTable& table = *found;
    const double scale = kxDeviceScale(document);
    const double border = table.format().border() * scale;
    std::vector<double> edges(static_cast<std::size_t>(table.columns()) + 1, std::numeric_limits<double>::quiet_NaN());
    for (int r = table.rows() - 1; r >= 0; --r) {
        for (int c = 0; c < table.columns(); ++c) {
            const QTextTableCell cell = table.cellAt(r, c);
            if (cell.row() != r || cell.column() != c || cell.columnSpan() != 1) continue;
            const QTextTableCellFormat format = cell.format().toTableCellFormat();
            const QRectF rect = blockRect(document, cell.firstPosition());
            double& left = edges[static_cast<std::size_t>(c)];
            if (std::isnan(left)) left = rect.left() - leftPadding(table, format) * scale - border;
            if (c + 1 == table.columns() && std::isnan(edges.back()))
                edges.back() = rect.right() + rightPadding(table, format) * scale + border;
        }
    }
    if (std::any_of(edges.begin(), edges.end(), [](double e) { return std::isnan(e); })) return std::nullopt;
    return edges;
}

std::vector<double> widthsOf(const std::vector<double>& edges, double spacing) {
    std::vector<double> widths;
    for (std::size_t c = 0; c + 1 < edges.size(); ++c)
        widths.push_back(edges[c + 1] - edges[c] - (c + 2 < edges.size() ? spacing : 0));
    return widths;
}

} // namespace

void kxFixColumnWidths(QTextTable& table, const std::vector<double>& widths) {
    if (widths.size() != static_cast<std::size_t>(table.columns())) return;
    QTextTableFormat format = table.format();
    QList<QTextLength> lengths;
    for (const double width : widths) lengths.append(QTextLength(QTextLength::PercentageLength, width));
    format.setColumnWidthConstraints(lengths);
    table.setFormat(format);
}

std::vector<double> kxColumnWidths(QTextDocument& document) {
    QTextTable* table = nullptr;
    const auto edges = columnEdges(document, table);
    if (!edges) return {};
    const double spacing = table->format().cellSpacing() * kxDeviceScale(document);
    std::vector<double> wanted = widthsOf(*edges, spacing);
    // The layout rounds the shares it is given: a column as narrow as its longest word would
    // break that word. Every column gets a little room from the widest, which wraps anyway.
    const auto widest = std::max_element(wanted.begin(), wanted.end());
    const double room = 2 * kxDeviceScale(document);
    if (*widest > room * static_cast<double>(2 * wanted.size())) {
        for (auto it = wanted.begin(); it != wanted.end(); ++it) {
            if (it == widest) continue;
            *it += room;
            *widest -= room;
        }
    }
    // The widths go in as shares of the table's width; what the layout makes of them is
    // measured and made up for, twice.
    double total = 0;
    for (const double width : wanted) total += width;
    std::vector<double> widths;
    for (const double width : wanted) widths.push_back(100 * width / total);
    for (int round = 0; round < 2; ++round) {
        kxFixColumnWidths(*table, widths);
        const auto measured = columnEdges(document, table);
        if (!measured) break;
        const std::vector<double> got = widthsOf(*measured, spacing);
        double sum = 0;
        for (std::size_t c = 0; c < widths.size(); ++c) sum += widths[c] *= got[c] > 0 ? wanted[c] / got[c] : 1;
        for (double& width : widths) width *= 100 / sum;
    }
    return widths;
}
