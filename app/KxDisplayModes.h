#pragma once
// Switching between the three display modes (normal, deleted records, search results),
// running searches, and applying list options sets.

#include "engine/Sort.h"
#include "app/KxDocDialogs.h"
#include "app/KxSearchRun.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

class KxDbDoc;

class KxDisplayModes {
  public:
    explicit KxDisplayModes(KxDbDoc& doc) : doc_(doc) {}

    void showDeletedRecords();
    void showAllRecords();
    // Search Records: the Search Records dialog on the current search, then its search.
    void searchRecords();
    // The Record menu's saved-search entry k (1 to 6): runs that search, or opens the dialog
    // on it when it no longer exists or has no criteria.
    void runSavedSearchEntry(std::size_t k);
    // Runs search s and switches to search results, or tells that nothing matched. True
    // when records matched.
    bool runSearch(std::size_t s);
    // Makes set x the one in force and re-sorts (when forced or when it is another set);
    // otherwise only re-filters.
    void applyListSet(std::uint8_t x, bool forced);
    // List Options: the dialog for the set in force, then applying its columns.
    void listOptions();
    // Applies the List Options dialog's columns to the set in force; true when they changed.
    bool applyListOptionsColumns(const std::vector<KxListOptionsColumn>& columns);
    // The set shown now: the main set, or the search's own set in search results.
    std::uint8_t listSetInForce() const;

  private:
    void begin();
    bool refuseWithoutFields();
    void finishSearchDialog(const KxSearchDialogResult& result);
    // Runs a search under the progress box, then shows its results or tells that nothing
    // matched. True when records matched.
    bool searchAndShow(const std::function<KxSearchRun()>& run);
    // Deletes those of the sets that nothing uses any more, leaving search results first
    // when they show one of them.
    void deleteUnusedListSets(const std::vector<std::uint8_t>& candidates);
    void leaveModes();
    KxDbDoc& doc_;
};

// The columns the List Options dialog opens with for set `set`: the k-th column's field and
// the direction of the matching key of its sort definition (the n-th column on a field takes
// the n-th key on that field; "No Sort" when there is none).
std::vector<KxListOptionsColumn> kxListOptionsColumnsOf(const KxDatabase& db, std::size_t set);
