#pragma once
// What the Search Records dialog decides about the data: the operators it offers for a
// field, the search it opens on, and how its rows become the criteria of the target search.

#include "engine/KxHeaderChunk.h"
#include "engine/KxSavedSearches.h"
#include "engine/values/FieldValue.h"

#include <optional>
#include <string>
#include <vector>

class KxDatabase;

struct KxSearchRow {
    std::uint8_t field = kAnyField; // a field position, 255 all text & numeric fields, 254 category
    KxSearchOperator op = KxSearchOperator::Contains;
    std::optional<FieldValue> value;
};

// The operators offered for a field, in the dialog's order.
std::vector<KxSearchOperator> kxOperatorsFor(const KxHeaderChunk& header, std::uint8_t field);
// The dialog's text for an operator on a field ("text that contains", "a date before", ...).
std::string kxOperatorText(const KxHeaderChunk& header, std::uint8_t field, KxSearchOperator op);

// How the dialog opens: the current search (search 0 when there is none), its first three
// criteria as rows, advanced mode for a named search or one with more than one criterion.
struct KxSearchDialogStart {
    std::size_t search = 0;
    bool advanced = false;
    std::uint8_t listOptionsSet = 255;
    std::vector<KxSearchRow> rows;
};
KxSearchDialogStart kxSearchDialogStart(KxDatabase& db);
// The rows of a given search, as choosing it in the name box loads them.
std::vector<KxSearchRow> kxSearchRows(KxDatabase& db, std::size_t search);

struct KxSearchRequest {
    bool advanced = false;
    std::size_t chosenSearch = 0;       // the name box: 0 is "None"
    std::uint8_t listOptionsSet = 255;
    std::vector<std::optional<KxSearchRow>> rows; // row 1 always; none is "No fields"
};
// OK: stores the rows into the target (search 0 in basic mode, else the chosen one; a
// search is added first when there is none), links its list options set, makes it current
// and returns its index. The caller then runs it. `replacedListSet`, when given, receives the
// set the target named before when it now names another one, for the caller to delete once
// nothing uses it.
std::size_t kxStoreSearchRequest(KxDatabase& db, const KxSearchRequest& request,
                                 std::optional<std::uint8_t>* replacedListSet = nullptr);
