#include "app/SearchListSets.h"

#include "engine/KxDatabase.h"
#include "engine/KxSavedSearches.h"
#include "engine/KxSchemaEditor.h"

#include <algorithm>
#include <functional>

std::optional<std::uint8_t> kxMakeSearchListSet(KxDatabase& db,
                                                const std::vector<KxListOptionsColumn>& columns) {
    const bool named =
        std::any_of(columns.begin(), columns.end(),
                    [](const KxListOptionsColumn& column) { return column.field != kNoField; });
    if (!named) return std::nullopt;
    return static_cast<std::uint8_t>(kxApplyListOptions(db, columns, true));
}

std::vector<std::uint8_t> kxUnusedListSets(KxDatabase& db, std::vector<std::uint8_t> sets,
                                           std::uint8_t keep) {
    const std::size_t count = db.header().listSets.size();
    KxSavedSearches searches(db);
    auto used = [&](std::uint8_t set) {
        if (set >= count || set == keep) return true;
        for (std::size_t s = 0; s < searches.count(); ++s)
            if (searches.listOptionsSet(s) == set) return true;
        return false;
    };
    sets.erase(std::remove_if(sets.begin(), sets.end(), used), sets.end());
    std::sort(sets.begin(), sets.end(), std::greater<>());
    sets.erase(std::unique(sets.begin(), sets.end()), sets.end());
    return sets;
}

void kxDeleteListSet(KxDatabase& db, std::uint8_t set) {
    KxSchemaEditor schema(db);
    const std::uint8_t def = schema.listSetSortDef(set);
    schema.deleteListSet(set);
    // Sort definitions belong to sets only: one no set sorts by any more is lost for good,
    // and there may be no more than fifteen of them either.
    const auto& remaining = db.header().listSets;
    const bool shared =
        std::any_of(remaining.begin(), remaining.end(),
                    [def](const KxListOptionsSet& other) { return other.sortDef == def; });
    if (!shared && def < schema.sortDefCount() && schema.sortDefCount() > 1)
        schema.deleteSortDef(def);
}

std::uint8_t kxListSetAfterDeletion(std::uint8_t index, std::uint8_t deleted) {
    if (index == KxSavedSearches::kNoListOptionsSet || index < deleted) return index;
    return index == deleted ? KxSavedSearches::kNoListOptionsSet
                            : static_cast<std::uint8_t>(index - 1);
}
