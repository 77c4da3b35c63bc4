#include "views/KxListState.h"

#include "engine/KxCategoryEditor.h"
#include "engine/KxDatabase.h"
#include "app/KxDbDoc.h"
#include "views/ListRows.h"
#include "views/PaneStrings.h"

#include <algorithm>

void KxListState::reset() {
    selectedCategoryIndex = -1;
    lastRow = -1;
    lookupColumn = -1;
}

KxRowChange KxListState::rowChangeFor(const KxDbDoc& doc, std::int32_t index, bool categoryOnly) const {
    if (!doc.isOpen() || index < 0) return KxRowChange::Ignore;
    const KxDatabase& db = doc.database();
    const auto record = static_cast<std::size_t>(index);
    const bool deleted = doc.deletedMode();
    const std::size_t count = deleted ? db.deletedCount() : db.liveCount();
    if ((!deleted && categoryOnly) || record >= count || kxInSortedPlace(db, deleted, record))
        return KxRowChange::Redraw;
    return KxRowChange::Move;
}

std::uint32_t KxListState::placeChangedRecord(KxDbDoc& doc, std::uint32_t index) const {
    doc.recordPane().release();
    KxDatabase& db = doc.database();
    const std::size_t place = doc.deletedMode() ? db.placeDeletedRecord(index) : db.placeRecord(index);
    doc.setCurrentRecord(static_cast<std::int32_t>(place));
    return static_cast<std::uint32_t>(place);
}

bool KxListState::leftBehindRowGoes(const KxDbDoc& doc, std::uint32_t record) const {
    if (doc.deletedMode() || doc.searchMode() || doc.categoryFilter() == kAllCategories) return false;
    return record < doc.database().liveCount() && !kxLiveRecordInView(doc.database(), record, doc.categoryFilter());
}

std::optional<int> KxListState::firstRow(int rowCount) const {
    if (rowCount > 0 && lastRow != 0) return 0;
    return std::nullopt;
}

KxLookupStep KxListState::lookup(KxDbDoc& doc, const std::vector<std::uint32_t>& rows,
                                 const std::vector<KxListColumn>& columns, const std::string& typed,
                                 int caret) const {
    KxLookupStep step;
    if (typed.empty()) return step;
    if (lookupColumn < 0 || static_cast<std::size_t>(lookupColumn) >= columns.size()) {
        doc.ui().message(kxString(kxStrLookupNotAvailable), KxUi::kCaption, KxButtons::Ok, KxIcon::Warning, KxAnswer::Ok);
        step.clearText = true;
        return step;
    }
    const std::uint8_t field = columns[static_cast<std::size_t>(lookupColumn)].field;
    if (const auto found = kxLookupRow(doc.database(), doc.deletedMode(), rows, field, lookupAscending, typed)) {
        if (static_cast<int>(*found) != lastRow) step.row = static_cast<int>(*found);
        return step;
    }
    step.beep = true;
    step.removeBeforeCaret = caret > 0;
    return step;
}

bool KxListState::categoriesChanged(KxDbDoc& doc, std::optional<std::uint16_t> shownBefore,
                                    std::uint16_t shownNow, bool recordsDeleted) const {
    if (doc.searchMode()) return recordsDeleted;
    const bool changed = shownBefore != shownNow;
    if (changed) doc.setCategoryFilter(shownNow);
    return changed || recordsDeleted;
}

bool KxListState::afterCategoryEdit(KxDbDoc& doc, bool changed, bool deleted, std::uint16_t before,
                                    std::uint16_t shownNow) const {
    if (changed) doc.setModified();
    if (shownNow != before || deleted) {
        doc.setCategoryFilter(shownNow);
        doc.setModified();
        return true;
    }
    // The record goes back to the form whether or not anything changed: it was let go of.
    doc.recordPane().retake();
    if (changed) doc.recordPane().categoriesChanged();
    return false;
}

void KxListState::storePaneShare(KxDbDoc& doc, int paneWidth, int total) {
    if (!doc.isOpen() || total <= 0) return;
    const int percent = std::clamp(paneWidth * 100 / total, 0, 100);
    doc.database().fileHeader().setListPaneShare(static_cast<std::uint8_t>(percent));
    doc.setModified();
    doc.frame().setListPaneShare(percent, false);
}

void KxListState::dragDivider(KxDbDoc& doc, std::uint8_t set, std::vector<KxListColumn>& columns, std::size_t k,
                              int newSize, int pixelsOfBoth) {
    if (k + 1 >= columns.size()) return;
    const KxColumnPair pair = kxDragDivider(columns[k].width, columns[k + 1].width, newSize, pixelsOfBoth);
    columns[k].width = static_cast<std::uint8_t>(pair.left);
    columns[k + 1].width = static_cast<std::uint8_t>(pair.right);
    auto& sets = doc.database().header().listSets;
    if (set < sets.size() && k + 1 < sets[set].columns.size()) {
        sets[set].columns[k].width = columns[k].width;
        sets[set].columns[k + 1].width = columns[k + 1].width;
    }
    doc.setModified();
}
