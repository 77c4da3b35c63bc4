#include "app/KxSearchEditing.h"

#include "engine/FieldDisplay.h"
#include "engine/KxStrings.h"
#include "transfer/TransferStrings.h"
#include "engine/KxSavedSearches.h"
#include "app/KxDbDoc.h"
#include "app/SearchListSets.h"
#include "editors/KxCategoryEditing.h"
#include "editors/FieldChoices.h"
#include "app/AppStrings.h"

#include <utility>

KxSearchEditing::KxSearchEditing(KxDbDoc& doc, std::optional<std::size_t> search)
    : doc_(doc), start_(kxSearchDialogStart(doc.database())) {
    KxDatabase& db = doc_.database();
    if (search && *search != start_.search && *search < KxSavedSearches(db).count()) {
        start_.search = *search;
        start_.rows = kxSearchRows(db, *search);
        start_.listOptionsSet = KxSavedSearches(db).listOptionsSet(*search);
        start_.advanced = *search > 0 || start_.rows.size() > 1;
    }
    listOptionsSet_ = start_.listOptionsSet;
}

std::vector<KxSearchEditing::Entry> KxSearchEditing::fieldEntries(int row) const {
    std::vector<Entry> entries;
    if (row > 0) entries.emplace_back(kxString(kxStrNoFields), kNoFields);
    entries.emplace_back(kxString(kxStrAllTextNumericFields), int{kAnyField});
    for (const KxFieldChoice& choice : kxFieldChoices(doc_.database().header()))
        entries.emplace_back(choice.name, int{choice.field});
    entries.emplace_back(kxString(kxStrCategory), int{kCategoryField});
    return entries;
}

int KxSearchEditing::startEntry(int row, int entryCount) {
    if (row > 0) return 0;
    return entryCount > 2 ? 1 : 0;
}

std::vector<std::string> KxSearchEditing::categoryNames() const {
    std::vector<std::string> names;
    for (const auto& entry : KxCategoryEditing(doc_.database(), doc_.ui()).list()) names.push_back(entry.second);
    names.push_back(kxString(kxStrUnfiled));
    return names;
}

std::vector<KxSearchEditing::Entry> KxSearchEditing::nameEntries() const {
    std::vector<Entry> entries;
    entries.emplace_back(kxString(kxStrNone), 0);
    KxSavedSearches searches(doc_.database());
    for (std::size_t i = 1; i < searches.count(); ++i) entries.emplace_back(searches.name(i), static_cast<int>(i));
    entries.emplace_back(kxString(kxStrEditNamesItem), kEditNamesItem);
    return entries;
}

void KxSearchEditing::ensureSearchExists() {
    KxSavedSearches searches(doc_.database());
    if (searches.count() == 0) searches.add();
}

std::optional<std::vector<KxSearchRow>> KxSearchEditing::chooseSearch(std::size_t search,
                                                                      bool keepRowsWithoutCriteria) {
    KxSavedSearches searches(doc_.database());
    const bool exists = search < searches.count();
    setListLink(exists ? searches.listOptionsSet(search) : KxSavedSearches::kNoListOptionsSet, false);
    if (keepRowsWithoutCriteria && !(exists && searches.criterionCount(search) > 0)) return std::nullopt;
    return kxSearchRows(doc_.database(), search);
}

void KxSearchEditing::namesEdited(bool changed, const std::vector<std::uint8_t>& deletedListSets) {
    if (changed) result_.searchesEdited = true;
    result_.unusedListSets.insert(result_.unusedListSets.end(), deletedListSets.begin(), deletedListSets.end());
}

std::uint8_t KxSearchEditing::listOptionsStart() const {
    return listOptionsSet_ < doc_.database().header().listSets.size() ? listOptionsSet_ : doc_.mainListSet();
}

bool KxSearchEditing::listOptionsChosen(const std::vector<KxListOptionsColumn>& columns) {
    const auto made = kxMakeSearchListSet(doc_.database(), columns);
    if (!made) return false;
    doc_.setModified();
    setListLink(*made, true);
    return true;
}

// The search's list options link changes; a set made here that it no longer names goes.
void KxSearchEditing::setListLink(std::uint8_t set, bool made) {
    const std::optional<std::uint8_t> before = std::exchange(madeSet_, made ? std::optional(set) : std::nullopt);
    listOptionsSet_ = set;
    if (before && *before != set) dropListSet(*before);
}

void KxSearchEditing::dropListSet(std::uint8_t set) {
    for (const std::uint8_t gone : kxUnusedListSets(doc_.database(), {set}, doc_.mainListSet())) {
        kxDeleteListSet(doc_.database(), gone);
        auto renumber = [gone](std::uint8_t& held) { held = kxListSetAfterDeletion(held, gone); };
        renumber(listOptionsSet_);
        if (madeSet_) renumber(*madeSet_);
        for (std::uint8_t& queued : result_.unusedListSets) renumber(queued);
        doc_.setMainListSet(kxListSetAfterDeletion(doc_.mainListSet(), gone));
    }
}

const KxSearchDialogResult& KxSearchEditing::accept(KxSearchRequest request) {
    request.listOptionsSet = listOptionsSet_;
    result_.request = std::move(request);
    if (madeSet_) result_.unusedListSets.push_back(*std::exchange(madeSet_, std::nullopt));
    return result_;
}

void KxSearchEditing::reject() {
    if (madeSet_) dropListSet(*std::exchange(madeSet_, std::nullopt));
}
