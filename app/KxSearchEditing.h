#pragma once
// What the Search Records dialog decides, without widgets: which search it opens on and with
// which rows, the entries of its field and name boxes, the list options set its search is
// linked to (a set made by List O&ptions... is dropped again when nothing names it, and the
// sets held are renumbered after each deletion), and what OK and Cancel hand back. The
// dialog binds its boxes to this.

#include "app/KxDocDialogs.h"
#include "app/KxSearchRequest.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class KxDbDoc;

class KxSearchEditing {
  public:
    static constexpr int kNoFields = -1;     // the field box's "No fields" (rows 2 and 3)
    static constexpr int kEditNamesItem = -2; // the name box's "Edit Names..."

    // Opens on the current search, or on `search` when given: a saved search without
    // criteria, chosen from the menu.
    KxSearchEditing(KxDbDoc& doc, std::optional<std::size_t> search);

    const KxSearchDialogStart& start() const { return start_; }

    // A box's entry: its text (Windows-1252) and data.
    using Entry = std::pair<std::string, int>;
    // Row `row`'s field box: "No fields" for rows 2 and 3, "All text & numeric fields", the
    // fields that can be searched, "Category".
    std::vector<Entry> fieldEntries(int row) const;
    // The entry a row starts on: rows 2 and 3 "No fields"; row 1 the first field of the
    // database, or "All text & numeric fields" when there is no field before "Category".
    static int startEntry(int row, int entryCount);
    // The value box's items of the Category row: the named categories, then "Unfiled".
    std::vector<std::string> categoryNames() const;
    // The name box: "None" (0), the named searches, "Edit Names...".
    std::vector<Entry> nameEntries() const;

    // The name box and Edit Names work on the saved searches: there is at least one.
    void ensureSearchExists();
    // Search `search` was chosen in the name box: its list options link holds. Answers the
    // rows to show, none to keep those typed (`keepRowsWithoutCriteria` and it has none).
    std::optional<std::vector<KxSearchRow>> chooseSearch(std::size_t search, bool keepRowsWithoutCriteria);
    // After Edit Names: whether it changed the searches and the sets of the searches it
    // deleted, which go afterwards.
    void namesEdited(bool changed, const std::vector<std::uint8_t>& deletedListSets);

    // The set List O&ptions... opens on: the search's own set, else the one its results would
    // be shown with.
    std::uint8_t listOptionsStart() const;
    // The columns chosen there become the search's own set; false when none was made.
    bool listOptionsChosen(const std::vector<KxListOptionsColumn>& columns);
    std::uint8_t listOptionsSet() const { return listOptionsSet_; }

    // OK with the rows' request: a set made here goes afterwards like the others should
    // storing the request fail (storing it links the set).
    const KxSearchDialogResult& accept(KxSearchRequest request);
    // Cancel: a set made here goes at once.
    void reject();
    const KxSearchDialogResult& result() const { return result_; }

  private:
    void setListLink(std::uint8_t set, bool made);
    void dropListSet(std::uint8_t set);

    KxDbDoc& doc_;
    KxSearchDialogStart start_;
    std::uint8_t listOptionsSet_ = 255;    // the link OK stores with the target
    std::optional<std::uint8_t> madeSet_; // made here by List O&ptions..., named by no search yet
    KxSearchDialogResult result_;
};
