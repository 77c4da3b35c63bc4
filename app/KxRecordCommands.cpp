#include "app/KxRecordCommands.h"

#include "base/KxClock.h"
#include "app/AppStrings.h"
#include "engine/KxRecordChunk.h"
#include "engine/KxRecordHandle.h"
#include "app/KxDbDoc.h"
#include "app/DeletionLog.h"
#include "app/RecordClipboardText.h"

#include <ctime>
#include <new>

namespace {
bool confirmDeletion(KxUi& ui, int text) {
    return ui.message(kxString(text), kxString(kxStrConfirmDeleteCaption), KxButtons::OkCancel,
                      KxIcon::Warning, KxAnswer::Cancel) == KxAnswer::Ok;
}
} // namespace

void KxRecordCommands::begin() {
    doc_.beginCommand();
}

bool KxRecordCommands::refuseWithoutFormItems() {
    if (doc_.hasFields()) return false;
    doc_.ui().inform(kxString(kxStrNoFormFields));
    return true;
}

bool KxRecordCommands::checkRecordLimit() {
    const KxDatabase& db = doc_.database();
    if (db.liveCount() + db.deletedCount() < KxDbDoc::kRecordLimit) return true;
    doc_.ui().inform(kxString(kxStrRecordLimit, std::to_string(KxDbDoc::kRecordLimit)));
    return false;
}

namespace {
bool currentIsEmpty(KxDbDoc& doc) {
    if (!doc.hasCurrentRecord()) return false;
    const auto index = static_cast<std::size_t>(doc.currentRecord());
    KxDatabase& db = doc.database();
    return doc.deletedMode() ? db.deletedChunk(index).isEmpty() : db.liveChunk(index).isEmpty();
}

const KxRecordChunk& currentChunk(KxDbDoc& doc) {
    const auto index = static_cast<std::size_t>(doc.currentRecord());
    return doc.deletedMode() ? doc.database().deletedChunk(index) : doc.database().liveChunk(index);
}
} // namespace

void KxRecordCommands::newRecord() {
    begin();
    if (!doc_.isOpen() || doc_.deletedMode()) return;
    if (refuseWithoutFormItems()) return;
    // A blank record is already there to be filled in.
    if (currentIsEmpty(doc_)) {
        doc_.recordPane().activate();
        return;
    }
    if (!checkRecordLimit()) return;
    KxDatabase& db = doc_.database();
    std::size_t position =
        doc_.hasCurrentRecord() ? static_cast<std::size_t>(doc_.currentRecord()) : 0;
    {
        KxRecordHandle record = db.newRecord(position, true);
        const std::uint16_t filter = doc_.categoryFilter();
        record.setCategory(filter == kAllCategories || filter > 15 ? 0 : filter);
    }
    doc_.setModified();
    doc_.setCurrentRecord(static_cast<std::int32_t>(position));
    if (doc_.recordPane().isReadOnly()) doc_.recordPane().setEditing();
    doc_.updateAllViews(KxViewHint::RecordInserted);
    doc_.recordPane().activate();
}

void KxRecordCommands::cloneRecord() {
    begin();
    if (!doc_.isOpen() || doc_.deletedMode() || !doc_.hasCurrentRecord()) return;
    if (currentIsEmpty(doc_)) {
        doc_.recordPane().activate();
        return;
    }
    if (!checkRecordLimit()) return;
    const std::int32_t current = doc_.currentRecord();
    doc_.database().cloneRecord(static_cast<std::size_t>(current), false);
    doc_.setModified();
    doc_.setCurrentRecord(current + 1);
    doc_.updateAllViews(KxViewHint::RecordCloned);
    doc_.recordPane().activate();
}

void KxRecordCommands::restoreRecord() {
    begin();
    if (!doc_.hasCurrentRecord()) return;
    try {
        doc_.recordPane().restoreRecord();
    } catch (const KxDbError& e) {
        if (e != KxDbError::NothingToUndo) throw;
        doc_.ui().inform(kxDbErrorMessage(e));
    }
    doc_.recordPane().activate();
}

void KxRecordCommands::deleteRecord() {
    begin();
    if (!doc_.hasCurrentRecord()) return;
    const int question = doc_.deletedMode() ? kxStrConfirmPermanentDelete : kxStrConfirmDelete;
    if (!confirmDeletion(doc_.ui(), question)) return;
    removeCurrentRecord(false);
    doc_.setModified();
}

void KxRecordCommands::removeCurrentRecord(bool forced) {
    if (!doc_.hasCurrentRecord()) return;
    doc_.recordPane().release();
    KxDatabase& db = doc_.database();
    const std::int32_t old = doc_.currentRecord();
    const auto index = static_cast<std::size_t>(old);
    if (doc_.deletedMode())
        db.disposeRecord(index);
    else if (forced)
        db.removeRecord(index);
    else
        db.deleteRecord(index);
    doc_.setModified();
    settleCurrentAfterRemoval(old);
    doc_.updateAllViews(KxViewHint::RecordRemoved);
}

// After a removal the current record is the one that took the removed one's place, or the
// last one in view; none when the view is empty. It is never a record the list does not show.
void KxRecordCommands::settleCurrentAfterRemoval(std::int32_t oldIndex) {
    if (doc_.recordsInView() == 0) {
        doc_.setCurrentRecord(KxDbDoc::kNoRecord);
        return;
    }
    const KxDatabase& db = doc_.database();
    if (doc_.deletedMode()) {
        const auto last = static_cast<std::int32_t>(db.deletedCount()) - 1;
        doc_.setCurrentRecord(std::min(oldIndex, last));
        return;
    }
    const std::uint16_t filter = doc_.viewFilter();
    std::size_t position = static_cast<std::size_t>(oldIndex);
    if (position >= db.liveCount() || !db.stepInCategory(position, 0, true, filter)) {
        position = db.liveCount() - 1;
        db.stepInCategory(position, 0, false, filter);
    }
    doc_.setCurrentRecord(static_cast<std::int32_t>(position));
}

void KxRecordCommands::deleteCategory() {
    begin();
    if (!doc_.hasCurrentRecord()) return;
    const bool disposing = doc_.deletedMode();
    if (!confirmDeletion(doc_.ui(), disposing ? kxStrConfirmDisposeAll : kxStrConfirmDeleteRecords))
        return;

    KxDocFrame& frame = doc_.frame();
    KxListPane& list = doc_.listPane();
    frame.setWaitCursor(true);
    doc_.recordPane().release();
    doc_.showProgress(kxString(kxStrDeletingRecords));
    list.freezeList(true);
    // Whatever went before a failure is done as well: it is saved like any change, and the
    // list shows what is left.
    const auto finish = [&] {
        doc_.setModified();
        doc_.setCurrentRecord(KxDbDoc::kNoRecord);
        list.freezeList(false);
        doc_.updateAllViews(KxViewHint::RecordSetChanged);
        doc_.closeProgress();
        frame.setWaitCursor(false);
    };
    try {
        KxDatabase& db = doc_.database();
        if (disposing) {
            const std::size_t n = db.deletedCount();
            // Last to first: each removal then leaves the others where they are.
            for (std::size_t i = 0; i < n; ++i) {
                db.disposeRecord(n - 1 - i);
                if (KxWaitBox* box = doc_.progressBox()) box->setProgress(i + 1, n);
            }
        } else {
            db.deleteAllInCategory(doc_.viewFilter());
        }
    } catch (...) {
        finish();
        throw;
    }
    finish();
}

void KxRecordCommands::undelete() {
    begin();
    if (!doc_.deletedMode() || !doc_.hasCurrentRecord()) return;
    doc_.recordPane().release();
    KxDatabase& db = doc_.database();
    const std::int32_t old = doc_.currentRecord();
    db.undeleteRecord(static_cast<std::size_t>(old));
    doc_.setModified();
    const auto left = static_cast<std::int32_t>(db.deletedCount());
    doc_.setCurrentRecord(left == 0 ? KxDbDoc::kNoRecord : std::min(old, left - 1));
    doc_.updateAllViews(KxViewHint::RecordUndeleted);
}

void KxRecordCommands::nextRecord() {
    begin();
    if (!doc_.isOpen()) return;
    doc_.dropEmptyRecord();
    doc_.listPane().selectNextRow();
}

void KxRecordCommands::previousRecord() {
    begin();
    if (!doc_.isOpen()) return;
    doc_.dropEmptyRecord();
    doc_.listPane().selectPreviousRow();
}

void KxRecordCommands::toggleEdit() {
    begin();
    if (!doc_.isOpen()) return;
    doc_.recordPane().toggleEditMode();
    doc_.recordPane().activate();
}

void KxRecordCommands::copyRecordToClipboard() {
    begin();
    if (!doc_.hasCurrentRecord()) return;
    std::string text;
    try {
        text = kxRecordClipboardText(doc_.database(), currentChunk(doc_));
    } catch (const std::bad_alloc&) {
        throw KxDbError::OutOfMemory;
    }
    if (!doc_.ui().setClipboardText(text)) doc_.ui().inform(kxString(kxStrCopyRecordFailed));
}

void KxRecordCommands::showRecordInfo() {
    begin();
    if (!doc_.hasCurrentRecord()) return;
    ::tzset();
    doc_.dialogs().runRecordInfoDialog(kxRecordInfo(currentChunk(doc_), ::timezone));
}

void KxRecordCommands::importClipboard() {
    begin();
    if (!doc_.isOpen()) return;
    if (refuseWithoutFormItems()) return;
    doc_.dropEmptyRecord();
    if (!checkRecordLimit()) return;
    if (!doc_.dialogs().runImportClipboardDialog(doc_)) return;
    doc_.setDisplayModes(false, doc_.searchMode(), doc_.searchUsesOwnListOptions());
    doc_.setModified();
    doc_.updateAllViews(KxViewHint::All);
    doc_.recordPane().activate();
}

void KxRecordCommands::writeDeletionLog() {
    begin();
    if (!doc_.isOpen()) return;
    const std::string path = kxDeletionLogPath(doc_.settings().path());
    // A log that could not be written is said, never passed over in silence.
    if (!kxAppendDeletionLog(path, kxDeletionLogText(doc_.database(), static_cast<std::time_t>(kxSystemNow()))))
        throw KxDbError::CannotOpenOther;
}
