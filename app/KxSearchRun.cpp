#include "app/KxSearchRun.h"

#include "engine/KxDatabase.h"
#include "engine/KxSavedSearches.h"
#include "engine/Search.h"

void kxSetSearchResultsAttribute(KxDatabase& db, bool on) {
    KxHeaderChunk& header = db.header();
    const std::uint16_t attributes = header.attributes();
    header.setAttributes(on ? static_cast<std::uint16_t>(attributes | kAttrSearchResults)
                            : static_cast<std::uint16_t>(attributes & ~kAttrSearchResults));
}

KxSearchRun kxRunSearchAsCurrent(KxDatabase& db, std::size_t search) {
    KxSavedSearches(db).setCurrent(search);
    const std::size_t matched = kxRunSearch(db, search);
    kxSetSearchResultsAttribute(db, matched > 0);
    return {search, matched};
}

KxSearchRun kxStoreAndRunSearch(KxDatabase& db, const KxSearchRequest& request,
                                std::optional<std::uint8_t>* replacedSet) {
    return kxRunSearchAsCurrent(db, kxStoreSearchRequest(db, request, replacedSet));
}
