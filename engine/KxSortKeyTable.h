#pragma once
// The sort keys of every record of a range, read once before a sort so that most
// comparisons of the sort touch no raw bytes. A text key keeps its first eight weights in
// the cell; only texts that agree in all eight are compared again from the records, which
// must stay where they are while the table is in use.

#include "engine/KxHeaderChunk.h"

#include <algorithm>
#include <cstdint>
#include <span>
#include <vector>

class KxRecordChunk;

class KxSortKeyTable {
public:
    // Which keys the table holds: all of them, or none, every comparison then reading the
    // records (for a sort that orders by leadingOrder first, where ties are rare).
    enum class Held { AllKeys, NoKeys };

    KxSortKeyTable(const std::vector<KxFieldDef>& fields, const std::vector<KxSortKey>& keys,
                   Held held = Held::AllKeys);

    // Room for the keys of that many records, so that a large sort takes no spare memory.
    void reserve(std::size_t records);
    // Adds the keys of one record; records are numbered in the order they are added.
    void add(const KxRecordChunk& record);
    // kxCompareRecords of records a and b, from the table.
    int compare(std::size_t a, std::size_t b) const;
    // A number whose order agrees with compare's wherever two of them differ (equal ones
    // tell nothing): the first key's eight leading weights for a text key, else 0. A missing
    // text and an empty one both give 0, and a text weighs more than 0 as soon as it has a
    // character, so the order of two different numbers is the texts' order.
    std::uint64_t leadingOrder(std::size_t record) const;

    // The key of one value, as the table stores it.
    struct Cell {
        union {
            std::int64_t number = 0; // integers, dates, times, check marks
            double real;             // Number and Calculation
            std::uint64_t prefix;    // a text's first eight weights, the first in the top byte
        };
        std::uint16_t length = 0; // a text's length (a record never exceeds 65280 bytes)
        bool present = false;
    };
    static Cell makeCell(int type, std::span<const std::uint8_t> raw);

private:
    int compareCells(std::size_t key, const Cell& x, const Cell& y, std::size_t a, std::size_t b) const;
    std::size_t held() const { return held_ == Held::AllKeys ? keys_.size() : 0; }

    std::vector<int> types_;
    std::vector<KxSortKey> keys_;
    Held held_;
    bool leadingIsText_ = false;   // the first key is a Text or Multiple Choice field
    bool leadingDescends_ = false; // and sorts descending
    std::vector<Cell> cells_;  // held() cells per record
    std::vector<const KxRecordChunk*> records_;
};
