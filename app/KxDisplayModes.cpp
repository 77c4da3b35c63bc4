#include "app/KxDisplayModes.h"

#include "engine/KxDatabase.h"
#include "app/AppStrings.h"
#include "engine/KxRecordHandle.h"
#include "engine/KxSavedSearches.h"
#include "engine/Search.h"
#include "app/KxCommandState.h"
#include "app/KxDbDoc.h"
#include "app/SearchListSets.h"
#include "app/KxSearchRun.h"

#include <algorithm>

namespace {
// The current record must be one the list shows: commands act on it without the user
// seeing it otherwise. The first record in view takes its place when it is not.
void keepCurrentInView(KxDbDoc& doc) {
    if (doc.deletedMode()) return;
    const KxDatabase& db = doc.database();
    const std::uint16_t filter = doc.viewFilter();
    if (doc.hasCurrentRecord()) {
        std::size_t position = static_cast<std::size_t>(doc.currentRecord());
        if (db.stepInCategory(position, 0, true, filter) &&
            position == static_cast<std::size_t>(doc.currentRecord()))
            return;
    }
    std::size_t first = 0;
    const bool found = db.liveCount() > 0 && db.stepInCategory(first, 0, true, filter);
    doc.setCurrentRecord(found ? static_cast<std::int32_t>(first) : KxDbDoc::kNoRecord);
}
} // namespace

void KxDisplayModes::begin() {
    doc_.beginCommand();
}

bool KxDisplayModes::refuseWithoutFields() {
    std::size_t count = 0;
    if (!doc_.hasFields(&count)) {
        doc_.ui().inform(kxString(kxStrNoFormFields));
        return true;
    }
    if (count == 0) {
        doc_.ui().inform(kxString(kxStrOnlyLabelFields));
        return true;
    }
    return false;
}

std::uint8_t KxDisplayModes::listSetInForce() const {
    return doc_.database().header().currentListSet();
}

void KxDisplayModes::showDeletedRecords() {
    begin();
    if (!doc_.isOpen()) return;
    doc_.dropEmptyRecord();
    doc_.setDisplayModes(true, false, false);
    kxSetSearchResultsAttribute(doc_.database(), false);
    doc_.refreshStatus();
    doc_.setCurrentRecord(KxDbDoc::kNoRecord);
    doc_.setModified();
    applyListSet(doc_.mainListSet(), false);
}

void KxDisplayModes::showAllRecords() {
    begin();
    if (!doc_.isOpen()) return;
    doc_.dropEmptyRecord();
    if (doc_.deletedMode())
        doc_.setCurrentRecord(doc_.database().liveCount() > 0 ? 0 : KxDbDoc::kNoRecord);
    leaveModes();
    doc_.setCategoryFilter(kAllCategories);
    doc_.setModified();
    applyListSet(doc_.mainListSet(), false);
}

void KxDisplayModes::leaveModes() {
    doc_.setDisplayModes(false, false, false);
    kxSetSearchResultsAttribute(doc_.database(), false);
    doc_.refreshStatus();
}

void KxDisplayModes::searchRecords() {
    begin();
    if (!doc_.isOpen() || doc_.deletedMode() || refuseWithoutFields()) return;
    doc_.dropEmptyRecord();
    const KxSearchDialogStart start = kxSearchDialogStart(doc_.database());
    const KxSearchDialogResult result = doc_.dialogs().runSearchDialog(doc_, start.search);
    finishSearchDialog(result);
}

void KxDisplayModes::runSavedSearchEntry(std::size_t k) {
    begin();
    if (!doc_.isOpen() || doc_.deletedMode() || refuseWithoutFields()) return;
    doc_.dropEmptyRecord();
    const auto entries = kxSavedSearchMenu(doc_.database());
    if (k >= 1 && k <= entries.size()) {
        const std::size_t search = entries[k - 1].first;
        // A search without criteria would mark nothing: the dialog lets the user give some.
        if (KxSavedSearches(doc_.database()).criterionCount(search) > 0) {
            runSearch(search);
            return;
        }
        finishSearchDialog(doc_.dialogs().runSearchDialog(doc_, search));
        return;
    }
    const KxSearchDialogStart start = kxSearchDialogStart(doc_.database());
    finishSearchDialog(doc_.dialogs().runSearchDialog(doc_, start.search));
}

// What follows the Search Records dialog: the searches it edited, the search it asked for,
// and the list options sets it left behind.
void KxDisplayModes::finishSearchDialog(const KxSearchDialogResult& result) {
    if (result.searchesEdited) doc_.setModified();
    std::vector<std::uint8_t> unused = result.unusedListSets;
    std::optional<std::uint8_t> replaced;
    try {
        if (result.request) {
            doc_.setModified();
            searchAndShow([&] { return kxStoreAndRunSearch(doc_.database(), *result.request, &replaced); });
        }
    } catch (...) {
        // The sets nothing names are deleted all the same; the first failure is the one shown.
        if (replaced) unused.push_back(*replaced);
        try {
            deleteUnusedListSets(unused);
        } catch (...) {
        }
        throw;
    }
    if (replaced) unused.push_back(*replaced);
    deleteUnusedListSets(unused);
}

void KxDisplayModes::deleteUnusedListSets(const std::vector<std::uint8_t>& candidates) {
    KxDatabase& db = doc_.database();
    const auto sets = kxUnusedListSets(db, candidates, doc_.mainListSet());
    if (sets.empty()) return;
    // The list must not show a set that goes: it returns to the main set first.
    if (doc_.searchMode() &&
        std::find(sets.begin(), sets.end(), db.header().currentListSet()) != sets.end()) {
        leaveModes();
        applyListSet(doc_.mainListSet(), false);
    }
    for (const std::uint8_t set : sets) {
        kxDeleteListSet(db, set);
        doc_.setMainListSet(kxListSetAfterDeletion(doc_.mainListSet(), set));
    }
    doc_.setModified();
}

bool KxDisplayModes::runSearch(std::size_t s) {
    return searchAndShow([&] { return kxRunSearchAsCurrent(doc_.database(), s); });
}

bool KxDisplayModes::searchAndShow(const std::function<KxSearchRun()>& run) {
    KxDatabase& db = doc_.database();
    doc_.showProgress(kxString(kxStrSearchingDatabase));
    KxSearchRun done;
    try {
        done = run();
    } catch (...) {
        doc_.closeProgress();
        throw;
    }
    if (done.matched > 0) {
        const std::uint8_t ownSet = KxSavedSearches(db).listOptionsSet(done.search);
        const bool own = ownSet < db.header().listSets.size();
        doc_.setDisplayModes(false, true, own);
        doc_.refreshStatus();
        doc_.setCategoryFilter(kAllCategories);
        doc_.setModified();
        keepCurrentInView(doc_);
        const std::uint8_t set = own ? ownSet : doc_.mainListSet();
        try {
            applyListSet(set, set != doc_.mainListSet());
        } catch (...) {
            doc_.closeProgress();
            throw;
        }
        doc_.closeProgress();
        return true;
    }
    doc_.closeProgress();
    doc_.ui().inform(kxString(kxStrNoMatches), KxIcon::Information);
    leaveModes();
    doc_.setCategoryFilter(kAllCategories);
    doc_.setModified();
    applyListSet(doc_.mainListSet(), false);
    return false;
}

void KxDisplayModes::applyListSet(std::uint8_t x, bool forced) {
    KxDatabase& db = doc_.database();
    KxDocFrame& frame = doc_.frame();
    KxListPane& list = doc_.listPane();
    if (x >= db.header().listSets.size()) x = 0;
    frame.setWaitCursor(true);
    if (!forced && x == listSetInForce()) {
        doc_.updateAllViews(KxViewHint::RecordSetChanged);
        frame.setWaitCursor(false);
        return;
    }
    list.freezeList(true);
    try {
        db.header().setCurrentListSet(x);
        doc_.showProgress(kxString(kxStrSortingDatabase));
        doc_.setModified();
        doc_.recordPane().release();
        // The current record is found again by its identity once the order has changed.
        std::optional<KxRecordIdentity> current;
        if (doc_.hasCurrentRecord()) {
            const auto index = static_cast<std::size_t>(doc_.currentRecord());
            current = doc_.deletedMode() ? db.identityOfDeleted(index) : db.identityOf(index);
        }
        kxSortRecords(db);
        if (current) {
            const auto handle = doc_.deletedMode() ? db.findDeletedRecord(*current, false)
                                                   : db.findRecord(*current, false);
            if (handle)
                doc_.setCurrentRecord(static_cast<std::int32_t>(
                    doc_.deletedMode() ? handle->deletedIndex() : handle->liveIndex()));
        }
    } catch (...) {
        list.freezeList(false);
        doc_.closeProgress();
        frame.setWaitCursor(false);
        throw;
    }
    list.freezeList(false);
    doc_.updateAllViews(KxViewHint::All);
    doc_.closeProgress();
    frame.setWaitCursor(false);
}

void KxDisplayModes::listOptions() {
    begin();
    if (!doc_.isOpen() || refuseWithoutFields()) return;
    doc_.dropEmptyRecord();
    const auto columns = doc_.dialogs().runListOptionsDialog(doc_);
    if (columns && applyListOptionsColumns(*columns)) applyListSet(listSetInForce(), true);
}

namespace {
std::vector<KxListOptionsColumn> withoutNone(const std::vector<KxListOptionsColumn>& columns) {
    std::vector<KxListOptionsColumn> used;
    for (const auto& column : columns)
        if (column.field != kNoField) used.push_back(column);
    return used;
}

bool sameColumns(const std::vector<KxListOptionsColumn>& a,
                 const std::vector<KxListOptionsColumn>& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const auto& x, const auto& y) {
        return x.field == y.field && x.direction == y.direction;
    });
}
} // namespace

bool KxDisplayModes::applyListOptionsColumns(const std::vector<KxListOptionsColumn>& columns) {
    KxDatabase& db = doc_.database();
    const auto chosen = withoutNone(columns);
    if (chosen.empty()) return false; // column 1 always names a field
    if (sameColumns(chosen, kxListOptionsColumnsOf(db, listSetInForce()))) return false;
    kxApplyListOptions(db, chosen, false);
    doc_.setModified();
    return true;
}

std::vector<KxListOptionsColumn> kxListOptionsColumnsOf(const KxDatabase& db, std::size_t set) {
    std::vector<KxListOptionsColumn> columns;
    const KxHeaderChunk& header = db.header();
    if (set >= header.listSets.size()) return columns;
    const KxListOptionsSet& options = header.listSets[set];
    const KxSortDef* def =
        options.sortDef < header.sortDefs.size() ? &header.sortDefs[options.sortDef] : nullptr;
    for (std::size_t k = 0; k < options.columns.size(); ++k) {
        const std::uint8_t field = options.columns[k].field;
        // The n-th column on a field takes the n-th key on that field.
        std::size_t nth = 0;
        for (std::size_t j = 0; j < k; ++j)
            if (options.columns[j].field == field) ++nth;
        KxListOptionsColumn column;
        column.field = field;
        column.direction = KxSortDirection::None;
        if (def) {
            for (const KxSortKey& key : def->keys) {
                if (key.field != field) continue;
                if (nth == 0) {
                    column.direction = key.direction;
                    break;
                }
                --nth;
            }
        }
        columns.push_back(column);
    }
    return columns;
}
