#pragma once
// The record order: the sort keys of the current list options set, the comparison of two
// records with its tie-break, the sort itself, and where a single record belongs.

#include "engine/KxHeaderChunk.h"

#include <cstddef>
#include <vector>

class KxDatabase;
class KxRecordChunk;

// The keys of the current list options set's sort definition that have a direction, in order.
std::vector<KxSortKey> kxSortKeys(const KxDatabase& db);

// -1, 0 or 1. Empty values come first (an empty Checkbox counts as unchecked); the first key
// that differs decides, negated when descending; equal records are ordered by identity
// (creation time, sequence number, user id), reversed when the first key is descending.
int kxCompareRecords(const KxDatabase& db, const std::vector<KxSortKey>& keys,
                   const KxRecordChunk& a, const KxRecordChunk& b);

// Sorts the live records and, separately, the deleted records by the current sort keys.
// Nothing happens without sort keys. Progress goes to the database's progress callback.
void kxSortRecords(KxDatabase& db);

// The columns the List Options dialog chose: a field (or none) and a direction each.
struct KxListOptionsColumn {
    std::uint8_t field = kNoField; // kNoField: "None", dropped
    KxSortDirection direction = KxSortDirection::Ascending;
};

// Applies the List Options dialog's choice to the current list options set: the sort
// definition gets one key per column; the columns are rebuilt with equal widths only when the
// list of fields changed. For a search a new sort definition and list options set are made
// instead and the new set's index is returned; otherwise the current set's index.
std::size_t kxApplyListOptions(KxDatabase& db, const std::vector<KxListOptionsColumn>& columns,
                               bool forSearch);
