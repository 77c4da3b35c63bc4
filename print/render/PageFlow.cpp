#include "print/render/PageFlow.h"

#include <algorithm>
#include <cmath>

double KxFlowAtom::height() const {
    double sum = 0;
    for (const KxFlowPiece& piece : pieces) sum += piece.height();
    return sum;
}

namespace {

// Rounding of the layout's units must not push a band that fits on to the next page.
constexpr double kSlack = 0.01;

class Paginator {
  public:
    Paginator(const std::vector<KxFlowAtom>& atoms, const std::vector<KxFlowTable>& tables, double pageHeight)
        : atoms_(atoms), tables_(tables), height_(std::max(1.0, pageHeight)) {
        pages_.emplace_back();
    }

    std::vector<KxFlowPage> run() {
        for (std::size_t i = 0; i < atoms_.size(); ++i) place(i);
        return std::move(pages_);
    }

  private:
    bool continuesTable(const KxFlowAtom& atom) const { return atom.table >= 0 && !atom.opensTable; }

    // The room the atom needs below it: a table's bottom border when more rows follow.
    double reserve(const KxFlowAtom& atom) const {
        return atom.table >= 0 && !atom.closesTable ? tables_[static_cast<std::size_t>(atom.table)].closing.height() : 0;
    }

    // The atom with the atoms it keeps with, when they fit on a page at all.
    double needed(std::size_t i) const {
        const KxFlowAtom& atom = atoms_[i];
        const double alone = atom.height() + reserve(atom);
        double group = atom.height();
        std::size_t j = i;
        while (atoms_[j].keepWithNext && j + 1 < atoms_.size()) {
            ++j;
            group += atoms_[j].gapBefore + atoms_[j].height();
        }
        group += reserve(atoms_[j]);
        const double room = height_ - (continuesTable(atom) ? headHeight(atom) : 0);
        return group <= room + kSlack ? group : alone;
    }

    double headHeight(const KxFlowAtom& atom) const {
        return tables_[static_cast<std::size_t>(atom.table)].head.height();
    }

    // Bands that follow each other in the same document are painted as one.
    void put(const KxFlowPiece& piece) {
        if (piece.height() <= 0) return;
        KxFlowPage& page = pages_.back();
        const double gap = page.empty() ? 0 : y_ - (page.back().y + page.back().source.height());
        if (!page.empty() && page.back().source.document == piece.document &&
            std::abs(page.back().source.bottom + gap - piece.top) < kSlack)
            page.back().source.bottom = piece.bottom;
        else
            page.push_back({piece, y_});
        y_ += piece.height();
    }

    // A new page; a table that runs on is closed here and opened again there.
    void newPage(const KxFlowAtom& next) {
        if (continuesTable(next)) put(tables_[static_cast<std::size_t>(next.table)].closing);
        pages_.emplace_back();
        y_ = 0;
        if (continuesTable(next)) put(tables_[static_cast<std::size_t>(next.table)].head);
    }

    void place(std::size_t i) {
        const KxFlowAtom& atom = atoms_[i];
        const bool empty = pages_.back().empty() && y_ == 0;
        double gap = empty ? 0 : atom.gapBefore;
        if (!empty && (atom.breakBefore || y_ + gap + needed(i) > height_ + kSlack)) {
            newPage(atom);
            gap = 0;
        }
        y_ += gap;
        for (const KxFlowPiece& piece : atom.pieces) {
            KxFlowPiece rest = piece;
            // Only a band taller than a page is cut, where the page ends.
            while (rest.height() > height_ - y_ + kSlack && y_ > 0) {
                const double room = height_ - y_;
                if (room > 0) put({rest.document, rest.top, rest.top + room});
                rest.top += std::max(0.0, room);
                pages_.emplace_back();
                y_ = 0;
            }
            while (rest.height() > height_ + kSlack) {
                put({rest.document, rest.top, rest.top + height_});
                rest.top += height_;
                pages_.emplace_back();
                y_ = 0;
            }
            put(rest);
        }
    }

    const std::vector<KxFlowAtom>& atoms_;
    const std::vector<KxFlowTable>& tables_;
    double height_;
    double y_ = 0;
    std::vector<KxFlowPage> pages_;
};

} // namespace

std::vector<KxFlowPage> kxPaginate(const std::vector<KxFlowAtom>& atoms, const std::vector<KxFlowTable>& tables,
                                   double pageHeight) {
    return Paginator(atoms, tables, pageHeight).run();
}
