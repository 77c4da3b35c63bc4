#pragma once
// The search-and-show workflow both front ends share: a request is stored in its target
// search, that search becomes the current one and runs, its matches are marked, and the
// file's search-results attribute says whether there were any. What is shown afterwards (the
// results, or the product's no-match message) is each front end's own.

#include "app/KxSearchRequest.h"

#include <cstddef>
#include <cstdint>
#include <optional>

class KxDatabase;

struct KxSearchRun {
    std::size_t search = 0;  // the saved search that ran
    std::size_t matched = 0; // the records it marked
};

// The file's search-results attribute (kept while search results show).
void kxSetSearchResultsAttribute(KxDatabase& db, bool on);
// Runs saved search `search` as the current search.
KxSearchRun kxRunSearchAsCurrent(KxDatabase& db, std::size_t search);
// Stores the request as the Search Records dialog's OK does, then runs its target search.
// `replacedSet` gets the list options set the target named before (also when the run then
// fails), for the caller to delete once nothing uses it.
KxSearchRun kxStoreAndRunSearch(KxDatabase& db, const KxSearchRequest& request,
                                std::optional<std::uint8_t>* replacedSet);
