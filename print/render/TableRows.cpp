#include "print/render/TableRows.h"

#include "print/render/DocumentFlow.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextLayout>
#include <QTextTable>

#include <algorithm>
#include <cmath>

namespace {

QRectF blockRect(const QTextDocument& document, int position) {
    return document.documentLayout()->blockBoundingRect(document.findBlock(position));
}

// A cell whose look comes from the table alone: no padding, background or border of its own,
// its text at the top.
bool plainCell(const QTextTableCell& cell) {
    const QTextTableCellFormat format = cell.format().toTableCellFormat();
    for (const auto property :
         {QTextFormat::TableCellTopPadding, QTextFormat::TableCellBottomPadding, QTextFormat::TableCellLeftPadding,
          QTextFormat::TableCellRightPadding, QTextFormat::BackgroundBrush, QTextFormat::TableCellTopBorder,
          QTextFormat::TableCellBottomBorder, QTextFormat::TableCellLeftBorder, QTextFormat::TableCellRightBorder})
        if (format.hasProperty(property)) return false;
    const auto align = format.verticalAlignment();
    return cell.columnSpan() == 1 && cell.rowSpan() == 1 &&
           (align == QTextCharFormat::AlignNormal || align == QTextCharFormat::AlignTop);
}

} // namespace

std::optional<KxTableFrame> kxMeasureTableFrame(QTextDocument& document, const std::vector<double>& widths) {
    QTextTable* table = nullptr;
    for (auto it = document.rootFrame()->begin(); !it.atEnd() && !table; ++it)
        table = qobject_cast<QTextTable*>(it.currentFrame());
    if (!table) return std::nullopt;
    kxFixColumnWidths(*table, widths);
    document.documentLayout()->documentSize();
    const QTextTableFormat format = table->format();
    const int row = std::clamp(format.headerRowCount(), 0, table->rows());
    if (row + 1 >= table->rows() || format.cellSpacing() != 0 || format.hasProperty(QTextFormat::BackgroundBrush) ||
        (format.border() > 0 && format.borderStyle() != QTextFrameFormat::BorderStyle_Solid))
        return std::nullopt;
    const double scale = kxDeviceScale(document);
    const KxTableGeometry g = kxMeasureTable(document, *table);
    const double rowTop = g.rowTops[static_cast<std::size_t>(row)];
    const double nextTop = g.rowTops[static_cast<std::size_t>(row + 1)];
    if (std::isnan(rowTop) || std::isnan(nextTop)) return std::nullopt;

    KxTableFrame frame;
    frame.tableBorder = format.border() * scale;
    frame.cellBorder = frame.tableBorder;
    const double padding = format.cellPadding() * scale;
    double content = 0;
    for (int c = 0; c < table->columns(); ++c) {
        const QTextTableCell cell = table->cellAt(row, c);
        if (!plainCell(cell)) return std::nullopt;
        const QRectF first = blockRect(document, cell.firstPosition());
        const QRectF last = blockRect(document, std::max(cell.firstPosition(), cell.lastPosition() - 1));
        content = std::max(content, last.bottom() - first.top());
        frame.columns.push_back({first.left() - padding - frame.cellBorder,
                                 first.right() + padding + frame.cellBorder, first.left(), first.width()});
        if (c == 0) {
            frame.textTop = first.top() - rowTop;
            const QTextCharFormat text = document.findBlock(cell.firstPosition()).charFormat();
            frame.font = text.font().resolve(document.defaultFont());
            frame.color = text.foreground().style() == Qt::NoBrush ? QColor(Qt::black) : text.foreground().color();
        }
    }
    if (frame.columns.empty()) return std::nullopt;
    frame.cellExtra = nextTop - rowTop - content;
    frame.closing = g.bottom - g.rowsBottom;
    const double outside = frame.tableBorder + format.padding() * scale;
    frame.tableLeft = frame.columns.front().cellLeft - outside;
    frame.tableRight = frame.columns.back().cellRight + outside;
    frame.borderBrush = format.borderBrush().style() == Qt::NoBrush ? QBrush(Qt::darkGray) : format.borderBrush();
    frame.option = document.defaultTextOption();
    return frame;
}

namespace {

std::shared_ptr<const QTextLayout> shape(const KxTableFrame& frame, const KxTableFrame::Column& column,
                                         const KxSimpleCell& cell, QPaintDevice& device) {
    auto layout = std::make_shared<QTextLayout>(cell.text, frame.font, &device);
    QTextOption option = frame.option;
    option.setAlignment(cell.alignment);
    layout->setTextOption(option);
    if (!cell.formats.isEmpty()) layout->setFormats(cell.formats);
    layout->setCacheEnabled(true);
    double height = 0;
    layout->beginLayout();
    for (QTextLine line = layout->createLine(); line.isValid(); line = layout->createLine()) {
        line.setLineWidth(column.textWidth);
        line.setPosition(QPointF(0, height));
        height += line.height();
    }
    layout->endLayout();
    return layout;
}

double textHeight(const QTextLayout& layout) {
    const int lines = layout.lineCount();
    if (lines == 0) return 0;
    const QTextLine last = layout.lineAt(lines - 1);
    return last.y() + last.height();
}

} // namespace

std::unique_ptr<KxTableRows> KxTableRows::layOut(std::shared_ptr<const KxTableFrame> frame,
                                                 const std::vector<KxSimpleRow>& rows, QPaintDevice& device,
                                                 int index, KxShapeCache& cache) {
    const std::size_t columns = frame->columns.size();
    cache.resize(std::max(cache.size(), columns));
    std::unique_ptr<KxTableRows> laid(new KxTableRows(frame));
    laid->index_ = index;
    laid->cells_.reserve(rows.size() * columns);
    double y = 0;
    for (const KxSimpleRow& row : rows) {
        if (row.size() != columns) return nullptr;
        double content = 0;
        for (std::size_t c = 0; c < columns; ++c) {
            const KxSimpleCell& cell = row[c];
            std::shared_ptr<const QTextLayout> layout;
            // Only plain text is shared: the same text with other runs shapes otherwise.
            const bool shared = cell.formats.isEmpty() && cell.alignment == Qt::AlignLeft;
            if (shared) layout = cache[c].value(cell.text);
            if (!layout) {
                layout = shape(*frame, frame->columns[c], cell, device);
                if (shared) cache[c].insert(cell.text, layout);
            }
            content = std::max(content, textHeight(*layout));
            laid->cells_.push_back(std::move(layout));
        }
        const double height = content + frame->cellExtra;
        laid->bands_.push_back({index, y, y + height});
        y += height;
    }
    return laid;
}

KxFlowPiece KxTableRows::closingBand() const {
    const double bottom = bands_.empty() ? 0 : bands_.back().bottom;
    return {index_, bottom, bottom + frame_->closing};
}

void KxTableRows::paint(QPainter& painter, double top, double bottom) const {
    const KxTableFrame& f = *frame_;
    const auto first = std::lower_bound(bands_.begin(), bands_.end(), top,
                                        [](const KxFlowPiece& band, double y) { return band.bottom <= y; });
    const KxFlowPiece closing = closingBand();
    const bool closes = closing.bottom > top && closing.top < bottom && closing.height() > 0;
    if (first == bands_.end() && !closes) return;
    const double from = first == bands_.end() ? closing.top : first->top;
    double to = from;

    painter.setPen(f.color);
    std::vector<QRectF> rects;
    const std::size_t columns = f.columns.size();
    const double b = f.cellBorder;
    for (auto band = first; band != bands_.end() && band->top < bottom; ++band) {
        const std::size_t r = static_cast<std::size_t>(band - bands_.begin());
        for (std::size_t c = 0; c < columns; ++c) {
            const KxTableFrame::Column& column = f.columns[c];
            cells_[r * columns + c]->draw(&painter, QPointF(column.textLeft, band->top + f.textTop));
        }
        if (b > 0) {
            const double width = f.columns.back().cellRight - f.columns.front().cellLeft;
            rects.emplace_back(f.columns.front().cellLeft, band->top, width, b);
            rects.emplace_back(f.columns.front().cellLeft, band->bottom - b, width, b);
        }
        to = band->bottom;
    }
    if (closes) {
        to = closing.bottom;
        if (f.tableBorder > 0) rects.emplace_back(f.tableLeft, closing.bottom - f.tableBorder, f.tableRight - f.tableLeft, f.tableBorder);
    }
    // The upright borders run through all the rows painted.
    if (f.tableBorder > 0) {
        rects.emplace_back(f.tableLeft, from, f.tableBorder, to - from);
        rects.emplace_back(f.tableRight - f.tableBorder, from, f.tableBorder, to - from);
    }
    if (b > 0) {
        const double rowsTo = closes ? closing.top : to;
        for (const KxTableFrame::Column& column : f.columns) {
            rects.emplace_back(column.cellLeft, from, b, rowsTo - from);
            rects.emplace_back(column.cellRight - b, from, b, rowsTo - from);
        }
    }
    if (rects.empty()) return;
    painter.setPen(Qt::NoPen);
    painter.setBrush(f.borderBrush);
    painter.drawRects(rects.data(), static_cast<int>(rects.size()));
}
