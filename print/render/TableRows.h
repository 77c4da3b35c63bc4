#pragma once
// The body rows of a long table laid out and painted without a rich-text document: each
// cell's text shaped at its column's width, a row as high as its tallest cell, the borders
// drawn as the rich-text layout draws them. Columns, font, padding and borders are measured on
// a laid-out document of the same table (the one that decides its column widths), so these
// rows look like that document's rows and fall on the same pages.

#include "print/render/PageFlow.h"
#include "print/render/SimpleRows.h"

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QHash>
#include <QTextOption>

#include <memory>
#include <optional>
#include <vector>

class QPaintDevice;
class QPainter;
class QTextDocument;
class QTextLayout;

// A table's columns and the lengths around its cells, in the units of the device's layout.
struct KxTableFrame {
    struct Column {
        double cellLeft = 0; // outer edges, the cell's border included
        double cellRight = 0;
        double textLeft = 0;
        double textWidth = 0;
    };
    std::vector<Column> columns;
    double tableLeft = 0; // outer edges of the table's own border
    double tableRight = 0;
    double tableBorder = 0;
    double cellBorder = 0;
    double textTop = 0;   // from a cell's top edge to its first line
    double cellExtra = 0; // a cell's height beyond its text
    double closing = 0;   // from the last row's bottom to the table's
    QFont font;
    QColor color;
    QBrush borderBrush;
    QTextOption option;
};

// The frame of the first outermost table of the laid-out `document` once its columns are
// as wide as `widths` (see kxFixColumnWidths); none when its body rows are not plain enough
// to be drawn here (cell spacing, backgrounds, borders other than solid, padding of its own).
std::optional<KxTableFrame> kxMeasureTableFrame(QTextDocument& document, const std::vector<double>& widths);

// Cell texts shaped once per column: many cells of a report hold the same text.
using KxShapeCache = std::vector<QHash<QString, std::shared_ptr<const QTextLayout>>>;

class KxTableRows {
  public:
    // The rows, document number `index` of the printout, from y 0 down; none when a row's
    // cells do not match the frame's columns.
    static std::unique_ptr<KxTableRows> layOut(std::shared_ptr<const KxTableFrame> frame, const std::vector<KxSimpleRow>& rows,
                                               QPaintDevice& device, int index, KxShapeCache& cache);

    // A band per row, and the table's bottom border below the last.
    const std::vector<KxFlowPiece>& rowBands() const { return bands_; }
    KxFlowPiece closingBand() const;

    // Paints the rows and borders that reach into the band from `top` to `bottom`; the
    // painter's pen and brush are left changed.
    void paint(QPainter& painter, double top, double bottom) const;

  private:
    explicit KxTableRows(std::shared_ptr<const KxTableFrame> frame) : frame_(std::move(frame)) {}

    std::shared_ptr<const KxTableFrame> frame_;
    int index_ = 0;
    std::vector<KxFlowPiece> bands_;
    std::vector<std::shared_ptr<const QTextLayout>> cells_; // row by row
};
