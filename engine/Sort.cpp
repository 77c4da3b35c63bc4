#include "engine/Sort.h"

#include "engine/KxDatabase.h"
#include "engine/KxRecordChunk.h"
#include "engine/KxSchemaEditor.h"
#include "engine/KxSortKeyTable.h"

#include <algorithm>
#include <new>
#include <numeric>

std::vector<KxSortKey> kxSortKeys(const KxDatabase& db) {
    std::vector<KxSortKey> keys;
    const KxHeaderChunk& h = db.header();
    if (h.currentListSet() >= h.listSets.size()) return keys;
    const std::size_t def = h.listSets[h.currentListSet()].sortDef;
    if (def >= h.sortDefs.size()) return keys;
    for (const auto& key : h.sortDefs[def].keys)
        if (key.direction != KxSortDirection::None && key.field < h.fields.size()) keys.push_back(key);
    return keys;
}

int kxCompareRecords(const KxDatabase& db, const std::vector<KxSortKey>& keys,
                   const KxRecordChunk& a, const KxRecordChunk& b) {
    KxSortKeyTable table(db.header().fields, keys);
    table.add(a);
    table.add(b);
    return table.compare(0, 1);
}

namespace {

// The record order's own quicksort: a middle pivot, the larger part kept on a stack and the
// smaller sorted next, and selection sort for eight records or fewer. Exchanges are applied
// to `order`, a permutation of the range.
class RangeSorter {
public:
    RangeSorter(const KxSortKeyTable& table, std::vector<std::uint32_t>& order,
                const KxProgressFn& progress)
        : table_(table), order_(order), progress_(progress) {
        total_ = order.empty() ? 0 : 3 * static_cast<std::uint32_t>(order.size() - 1);
    }

    void run() {
        std::vector<std::pair<std::size_t, std::size_t>> stack{{0, order_.size()}};
        while (!stack.empty()) {
            auto [lo, count] = stack.back();
            stack.pop_back();
            while (count > 8) {
                const std::size_t pivotAt = partition(lo, count);
                const std::size_t left = pivotAt - lo;
                const std::size_t right = count - left - 1;
                if (left > right) {
                    stack.push_back({lo, left});
                    lo = pivotAt + 1;
                    count = right;
                } else {
                    stack.push_back({pivotAt + 1, right});
                    count = left;
                }
            }
            selectionSort(lo, count);
        }
    }

private:
    int cmp(std::size_t i, std::size_t j) const { return table_.compare(order_[i], order_[j]); }

    std::size_t partition(std::size_t lo, std::size_t count) {
        std::swap(order_[lo], order_[lo + count / 2]);
        std::size_t up = lo + 1;
        std::size_t down = lo + count - 1;
        for (;;) {
            while (up <= down && cmp(up, lo) <= 0) ++up;
            while (down >= up && cmp(down, lo) >= 0) --down;
            if (up >= down) break;
            std::swap(order_[up], order_[down]);
        }
        std::swap(order_[lo], order_[down]);
        if (progress_) progress_(std::min(++steps_, total_), total_);
        return down;
    }

    void selectionSort(std::size_t lo, std::size_t count) {
        while (count > 1) {
            std::size_t greatest = lo;
            for (std::size_t i = lo + 1; i < lo + count; ++i)
                if (cmp(i, greatest) > 0) greatest = i;
            std::swap(order_[greatest], order_[lo + count - 1]);
            --count;
        }
    }

    const KxSortKeyTable& table_;
    std::vector<std::uint32_t>& order_;
    const KxProgressFn& progress_;
    std::uint32_t steps_ = 0;
    std::uint32_t total_ = 0;
};

} // namespace

void KxDatabase::sortRange(const std::vector<KxSortKey>& keys, bool deletedList) {
    const std::size_t base = deletedList ? deletedBase() : liveBase();
    const std::size_t count = deletedList ? deletedCount() : liveCount();
    if (count < 2) return;
    std::vector<std::uint32_t> order;
    std::vector<KxDirEntry> sorted;
    try {
        KxSortKeyTable table(header_->fields, keys);
        table.reserve(count);
        for (std::size_t i = 0; i < count; ++i) table.add(recordAt(base + i));
        order.resize(count);
        std::iota(order.begin(), order.end(), 0u);
        RangeSorter(table, order, progress_).run();
        sorted.resize(count);
    } catch (const std::bad_alloc&) {
        throw KxDbError::OutOfMemory; // nothing has moved yet: the order is as it was
    }
    for (std::size_t i = 0; i < count; ++i) sorted[i] = std::move(directory_[base + order[i]]);
    std::move(sorted.begin(), sorted.end(), directory_.begin() + static_cast<std::ptrdiff_t>(base));
}

void kxSortRecords(KxDatabase& db) {
    const auto keys = kxSortKeys(db);
    if (keys.empty()) return;
    db.sortRange(keys, false);
    db.sortRange(keys, true);
}

std::size_t KxDatabase::placeBySortKeys(std::size_t dirIndex, bool deletedList) {
    const auto keys = kxSortKeys(*this);
    if (keys.empty()) return dirIndex;
    const std::size_t base = deletedList ? deletedBase() : liveBase();
    const std::size_t end = base + (deletedList ? deletedCount() : liveCount());
    const KxRecordChunk& record = recordAt(dirIndex);
    // Binary search among the other records of the list, which are in order.
    std::size_t lo = base, hi = end - 1; // the record itself sits at dirIndex, excluded below
    auto otherAt = [&](std::size_t i) { return i < dirIndex ? i : i + 1; };
    while (lo < hi) {
        const std::size_t mid = lo + (hi - lo) / 2;
        KxSortKeyTable pair(header_->fields, keys);
        pair.add(record);
        pair.add(recordAt(otherAt(mid)));
        if (pair.compare(0, 1) > 0)
            lo = mid + 1;
        else
            hi = mid;
    }
    const std::size_t to = lo;
    moveEntry(dirIndex, to);
    return to;
}

namespace {

std::size_t applyListOptions(KxDatabase& db, const std::vector<KxListOptionsColumn>& used,
                             bool forSearch) {
    KxSchemaEditor schema(db);
    std::size_t set = schema.currentListSet();
    std::size_t def;
    bool fieldsChanged = true;
    if (forSearch) {
        def = schema.addSortDef();
        set = schema.addListSet();
        schema.setListSetSortDef(set, static_cast<std::uint8_t>(def));
    } else {
        def = schema.listSetSortDef(set);
        const auto& old = db.header().listSets[set].columns;
        fieldsChanged = old.size() != used.size() ||
                        !std::equal(old.begin(), old.end(), used.begin(),
                                    [](const KxListColumn& a, const KxListOptionsColumn& b) { return a.field == b.field; });
    }
    while (schema.sortDefKeyCount(def) > 0) schema.deleteSortKey(def, 0);
    // Fields go through the checked setters: a key or column on a field that does not exist
    // would keep the file from opening again.
    for (std::size_t i = 0; i < used.size(); ++i) {
        const std::size_t k = schema.addSortKey(def, i);
        schema.setSortKeyField(def, k, used[i].field);
        schema.sortKey(def, k).direction = used[i].direction;
    }
    if (fieldsChanged) {
        while (schema.columnCount(set) > 0) schema.deleteColumn(set, 0);
        const auto width = used.empty() ? std::uint8_t{0} : static_cast<std::uint8_t>(100 / used.size());
        for (std::size_t i = 0; i < used.size(); ++i) {
            const std::size_t c = schema.addColumn(set, i);
            schema.setColumnField(set, c, used[i].field);
            schema.column(set, c).width = width;
        }
    }
    return set;
}

} // namespace

std::size_t KxDatabase::placeRecord(std::size_t liveIndex) {
    if (liveIndex >= liveCount()) throw KxDbError::LimitReached;
    return placeBySortKeys(liveBase() + liveIndex, false) - liveBase();
}

std::size_t KxDatabase::placeDeletedRecord(std::size_t deletedIndex) {
    if (deletedIndex >= deletedCount()) throw KxDbError::LimitReached;
    return placeBySortKeys(deletedBase() + deletedIndex, true) - deletedBase();
}

void KxDatabase::placeRecords(std::size_t first) {
    const std::size_t count = liveCount();
    if (first >= count) return;
    const auto keys = kxSortKeys(*this);
    if (keys.empty()) return;
    const std::size_t base = liveBase();
    // An import adds thousands of records with few ties on the first key: they are sorted by
    // its leading weights, and the table holds no key, reading the records on a tie.
    KxSortKeyTable table(header_->fields, keys, KxSortKeyTable::Held::NoKeys);
    table.reserve(count);
    for (std::size_t i = 0; i < count; ++i) table.add(recordAt(base + i));
    // Twelve bytes an entry: sixteen thousand of them are sorted while every record is held.
#pragma pack(push, 4)
    struct Entry {
        std::uint64_t order;
        std::uint32_t record;
    };
#pragma pack(pop)
    static_assert(sizeof(Entry) == 12);
    auto before = [&](const Entry& a, const Entry& b) {
        return a.order != b.order ? a.order < b.order : table.compare(a.record, b.record) < 0;
    };
    std::vector<Entry> order(count);
    for (std::size_t i = 0; i < count; ++i) order[i] = {table.leadingOrder(i), static_cast<std::uint32_t>(i)};
    const auto added = order.begin() + static_cast<std::ptrdiff_t>(first);
    std::sort(added, order.end(), before);
    std::inplace_merge(order.begin(), added, order.end(), before);
    // The entries follow the order in place, one cycle of the permutation at a time.
    for (std::size_t i = 0; i < count; ++i) {
        if (order[i].record == i) continue;
        KxDirEntry held = std::move(directory_[base + i]);
        std::size_t at = i;
        for (;;) {
            const std::size_t from = order[at].record;
            order[at].record = static_cast<std::uint32_t>(at);
            if (from == i) break;
            directory_[base + at] = std::move(directory_[base + from]);
            at = from;
        }
        directory_[base + at] = std::move(held);
    }
}

std::size_t kxApplyListOptions(KxDatabase& db, const std::vector<KxListOptionsColumn>& columns,
                               bool forSearch) {
    std::vector<KxListOptionsColumn> used;
    for (const auto& c : columns)
        if (c.field != kNoField) used.push_back(c);
    // The change takes several steps, any of which may be refused (13, 25): a refusal puts
    // the sort definitions and sets back as they were, so no half-made set is left behind.
    KxHeaderChunk& h = db.header();
    auto sortDefs = h.sortDefs;
    auto listSets = h.listSets;
    try {
        return applyListOptions(db, used, forSearch);
    } catch (...) {
        h.sortDefs = std::move(sortDefs);
        h.listSets = std::move(listSets);
        throw;
    }
}
