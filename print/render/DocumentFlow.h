#pragma once
// The atoms of laid-out rich-text documents, read in order: one document after another, the
// rows of a table cut between documents joined into one table again.

#include "print/render/PageFlow.h"

class QTextDocument;
class QTextTable;

// Where the rows of a table stand: the top of each row's cells (their border included), the
// bottom of the last row, and the outer edges of the table's own border.
struct KxTableGeometry {
    double top = 0;
    std::vector<double> rowTops; // NaN where no cell tells
    double rowsBottom = 0;
    double bottom = 0;
    double spacing = 0;
};

// The geometry of a table of a laid-out document, in the units of its layout.
KxTableGeometry kxMeasureTable(const QTextDocument& document, const QTextTable& table);
// Lengths written in a document (padding, borders) in the units of its layout.
double kxDeviceScale(const QTextDocument& document);

class KxDocumentFlow {
  public:
    explicit KxDocumentFlow(double pageHeight) : pageHeight_(pageHeight) {}

    // `document` (laid out, without pages) is number `index`; its first outermost table goes
    // on from the previous document's last, or its last goes on in the next.
    void add(const QTextDocument& document, int index, bool continuesTable, bool tableContinues);

    // Rows laid out elsewhere that go on with the table being read, and that table's bottom
    // border below them; false (and nothing added) when no table is being read.
    bool addRows(const std::vector<KxFlowPiece>& rows, const KxFlowPiece& closing, bool goesOn);
    bool inTable() const { return inTable_; }

    const std::vector<KxFlowAtom>& atoms() const { return atoms_; }
    const std::vector<KxFlowTable>& tables() const { return tables_; }

  private:
    void addTable(const QTextDocument& document, int index, const QTextTable& table, bool continues, bool goesOn);
    void finishTable();
    void addAtom(KxFlowAtom atom);

    double pageHeight_;
    double bottom_ = 0; // of the last band read in the current document
    bool breakNext_ = false;
    double space_ = 0; // of empty lines, added to the next atom's gap
    std::vector<KxFlowAtom> atoms_;
    std::vector<KxFlowTable> tables_;

    // The table being read: its head, rows and bottom border.
    bool inTable_ = false;
    double tableGap_ = 0;
    bool tableBreakBefore_ = false;
    KxFlowPiece head_;
    KxFlowPiece closing_;
    std::vector<KxFlowPiece> rows_;
};

// Table columns as wide as in `widths`, shares of the table's width in percent (from
// `kxColumnWidths` of a document of the same table).
void kxFixColumnWidths(QTextTable& table, const std::vector<double>& widths);
// The widths that, given to `kxFixColumnWidths`, reproduce the columns of the document's first
// outermost table; empty when it has none.
std::vector<double> kxColumnWidths(QTextDocument& document);
