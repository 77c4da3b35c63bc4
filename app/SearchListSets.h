#pragma once
// The list options sets that saved searches own. List O&ptions... in the Search Records dialog
// makes a new set (with its own sort definition) for the search every time it is accepted.
// The set it replaces, a set made and then given up, and the set of a deleted search are
// deleted again; otherwise they would pile up towards the limit of fifteen sets. A set is
// only ever deleted while nothing uses it, so a file's other sets and links stay as they are.

#include "engine/Sort.h"

#include <cstdint>
#include <optional>
#include <vector>

class KxDatabase;

// A new list options set for a search from the List Options dialog's columns ("None" columns
// dropped); none when no column names a field.
std::optional<std::uint8_t> kxMakeSearchListSet(KxDatabase& db,
                                                const std::vector<KxListOptionsColumn>& columns);

// Those of `sets` that nothing uses any more: they exist, no saved search names them, and
// none is `keep` (the set the list shows outside search results). Each once, highest first,
// the order in which deleting them keeps the indexes still to come valid.
std::vector<std::uint8_t> kxUnusedListSets(KxDatabase& db, std::vector<std::uint8_t> sets,
                                           std::uint8_t keep);

// Deletes list options set `set`, and its sort definition when no other set sorts by it.
// The current set and the saved searches' links are renumbered by the engine; the caller
// renumbers what else it holds with kxListSetAfterDeletion.
void kxDeleteListSet(KxDatabase& db, std::uint8_t set);

// Where a held reference to set `index` points once set `deleted` is gone: the same set one
// index lower when it came after it, none (255) when it was the deleted set itself.
std::uint8_t kxListSetAfterDeletion(std::uint8_t index, std::uint8_t deleted);
