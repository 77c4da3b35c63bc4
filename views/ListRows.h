#pragma once
// What the list view shows, decided without widgets: the rows of the records in view, the
// columns of the list options set in force with the look-up column, the look-up search, the
// category filter's choices and the redistribution of two column widths.

#include "engine/KxHeaderChunk.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class KxDatabase;
class KxRecordChunk;

// The row data of the records in view: deleted indices in deleted-records mode, else the
// live indices that pass `filter` (255 all, 0xFFFF found records, else a category).
std::vector<std::uint32_t> kxRowsInView(const KxDatabase& db, bool deletedMode, std::uint16_t filter);
bool kxLiveRecordInView(const KxDatabase& db, std::size_t liveIndex, std::uint16_t filter);

struct KxListLayout {
    std::vector<KxListColumn> columns; // field and width percent, as stored
    int lookupColumn = -1;             // −1: the list has no look-up
    bool lookupAscending = true;       // the rows' order on the look-up column
};

// The columns of list options set `set` with the look-up column: column 0 when it shows
// text, a number or a calculation; column 1 under the same condition when column 0 is a
// check box (unless that check box is the first sort key); otherwise none.
KxListLayout kxListLayoutOf(const KxDatabase& db, std::size_t set);

// The record behind a row.
const KxRecordChunk& kxRowRecord(const KxDatabase& db, bool deletedMode, std::uint32_t row);
// True when record `index` of the live or the deleted records sits between its neighbours in
// the sort order (always, without sort keys): then its row needs no move.
bool kxInSortedPlace(const KxDatabase& db, bool deletedList, std::size_t index);
// A cell's text as the list shows it (Windows-1252); empty for an empty value.
std::string kxCellText(const KxDatabase& db, const KxRecordChunk& record, std::uint8_t field);
// A check box cell: true when checked.
bool kxCellChecked(const KxRecordChunk& record, std::uint8_t field);

// The first row whose look-up cell starts with `typed` (Windows-1252, any letter case), found
// by bisection over rows sorted on that column in the given direction. Number and calculation
// columns compare values and then step on until a cell's text starts with the typed text.
std::optional<std::size_t> kxLookupRow(const KxDatabase& db, bool deletedMode,
                                       const std::vector<std::uint32_t>& rows, std::uint8_t field,
                                       bool ascending, const std::string& typed);

// One entry of the category filter box: 255 "All", 0 "Unfiled", 256 "Edit Categories...".
struct KxCategoryChoice {
    std::string text; // Windows-1252
    std::uint16_t data = 0;
};
inline constexpr std::uint16_t kxEditCategoriesChoice = 256;
std::vector<KxCategoryChoice> kxCategoryChoices(const KxDatabase& db, bool withAll, bool withEdit);
// The entry to select for `category`: its own, "Unfiled" for 0, else "All" when present,
// else "Unfiled".
std::size_t kxCategoryChoiceIndex(const std::vector<KxCategoryChoice>& choices, std::uint16_t category);

// Dragging the divider between two columns: their percent sum stays; the left one gets the
// share of the drop point within both columns' pixels, each capped at 100.
struct KxColumnPair {
    int left = 0, right = 0;
};
KxColumnPair kxDragDivider(int leftPercent, int rightPercent, int dropOffset, int pixelsOfBoth);
