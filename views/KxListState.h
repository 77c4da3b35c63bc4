#pragma once
// The list pane's state and rules without widgets: the row that is current, the guards that
// keep its own updates from re-entering it, the look-up column, and what becomes of a row
// when the form changes its record, of the look-up text as it is typed, of the filter when
// the categories change, and of the pane's share and the column widths when they are
// dragged. The list view binds its widgets to this and carries the answers out.

#include "engine/KxHeaderChunk.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class KxDbDoc;

// Sets a flag for the length of a scope, and puts back what it was.
class KxFlagScope {
  public:
    explicit KxFlagScope(bool& flag) : flag_(flag), old_(flag) { flag_ = true; }
    ~KxFlagScope() { flag_ = old_; }
    KxFlagScope(const KxFlagScope&) = delete;
    KxFlagScope& operator=(const KxFlagScope&) = delete;

  private:
    bool& flag_;
    bool old_;
};

// What the form's change of a record does to its row.
enum class KxRowChange { Ignore, Redraw, Move };

// After a key in the look-up box.
struct KxLookupStep {
    bool clearText = false;         // the list has no look-up: the message was shown
    bool beep = false;              // nothing starts with the text
    bool removeBeforeCaret = false; // the character just typed goes again
    std::optional<int> row;         // the row to select
};

class KxListState {
  public:
    // Guards: the rows are being rebuilt or moved (the form is not told of each row);
    // a row change is being handled; the look-up moves the selection; the look-up text is
    // changed by the program; the column widths are being applied.
    bool updating = false;
    bool selecting = false;
    bool inLookup = false;
    bool quiet = false;
    bool applyingWidths = false;

    int lastRow = -1; // the selected row, −1 none
    int lookupColumn = -1;
    bool lookupAscending = true;
    bool checkboxesEditable = false;
    int selectedCategoryIndex = -1; // the filter box's entry in force

    // Nothing open: no row, no look-up, no filter entry.
    void reset();

    // Record `index` changed in the form. A new category (never a sort key) moves no live
    // record; the deleted records keep an order of their own, so one moves among them.
    KxRowChange rowChangeFor(const KxDbDoc& doc, std::int32_t index, bool categoryOnly) const;
    // Moves the changed record to its sorted place in the database with the form let go
    // of it, and makes it current there; answers its new index.
    std::uint32_t placeChangedRecord(KxDbDoc& doc, std::uint32_t index) const;
    // Whether the record a row left behind is no longer in the category shown (the form may
    // have given it another); its row then goes.
    bool leftBehindRowGoes(const KxDbDoc& doc, std::uint32_t record) const;

    // The row to select when the look-up text is empty: the first, unless it is selected.
    std::optional<int> firstRow(int rowCount) const;
    // The look-up text `typed` (Windows-1252) over the rows in view; `caret` the position of
    // the insertion point in it. Shows the product's message when the list has no look-up.
    KxLookupStep lookup(KxDbDoc& doc, const std::vector<std::uint32_t>& rows,
                        const std::vector<KxListColumn>& columns, const std::string& typed, int caret) const;

    // The categories changed in the form's editor; `shownBefore`/`shownNow` the filter box's
    // entry data before and after it was filled again. The filter follows a changed entry
    // (not while search results show). True when the rows must be filled again.
    bool categoriesChanged(KxDbDoc& doc, std::optional<std::uint16_t> shownBefore, std::uint16_t shownNow,
                           bool recordsDeleted) const;
    // After the list's own category editor ran (the form let go of its record before):
    // `before` the filter then, `shownNow` the box's entry now. True when the rows must be
    // filled again (the filter changed, or records were deleted); otherwise the form takes
    // its record back and, when the categories changed, fills its category box again.
    bool afterCategoryEdit(KxDbDoc& doc, bool changed, bool deleted, std::uint16_t before,
                           std::uint16_t shownNow) const;

    // The user dragged the window's split: the list pane's share in percent of `total`
    // pixels is stored in the file and given to the frame.
    static void storePaneShare(KxDbDoc& doc, int paneWidth, int total);
    // The user dragged the divider right of column `k` to `newSize` pixels, the two columns
    // having had `pixelsOfBoth`: both widths change, their sum stays, and the list options
    // set `set` stores them.
    static void dragDivider(KxDbDoc& doc, std::uint8_t set, std::vector<KxListColumn>& columns, std::size_t k,
                            int newSize, int pixelsOfBoth);
};
