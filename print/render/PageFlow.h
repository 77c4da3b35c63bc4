#pragma once
// Pages made from bands of laid-out documents. A printout is a run of atoms: the lines of a
// paragraph, a table that fits on a page, the rows of one that does not. Atoms are never
// split unless one is taller than a page; a heading keeps with what follows it; a table that
// runs on to a new page ends with its bottom border and starts again with its header rows.

#include <vector>

// A horizontal band of one document, in its own units.
struct KxFlowPiece {
    int document = 0;
    double top = 0;
    double bottom = 0;

    double height() const { return bottom - top; }
};

// A table cut over pages: its top border with the header rows, and its bottom border.
struct KxFlowTable {
    KxFlowPiece head;
    KxFlowPiece closing;
};

struct KxFlowAtom {
    std::vector<KxFlowPiece> pieces;
    double gapBefore = 0;      // space above it, dropped at the top of a page
    bool keepWithNext = false; // never the last atom on a page
    bool breakBefore = false;  // starts a page
    int table = -1;            // a row of `tables[table]`
    bool opensTable = false;   // its pieces hold the table's top and header
    bool closesTable = false;  // its pieces hold the table's bottom border

    double height() const;
};

// A band placed on a page, `y` from the top of the page's body.
struct KxPlacedPiece {
    KxFlowPiece source;
    double y = 0;
};
using KxFlowPage = std::vector<KxPlacedPiece>;

// The pages, at least one, each at most `pageHeight` high.
std::vector<KxFlowPage> kxPaginate(const std::vector<KxFlowAtom>& atoms, const std::vector<KxFlowTable>& tables,
                                   double pageHeight);
