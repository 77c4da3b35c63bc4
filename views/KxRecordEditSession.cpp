#include "views/KxRecordEditSession.h"

#include "engine/Calculation.h"
#include "engine/KxDbError.h"
#include "engine/KxStrings.h"
#include "app/CommandFailure.h"
#include "app/KxDbDoc.h"
#include "editors/KxCategoryEditing.h"

KxRecordViewMode kxModeAfterEdit(KxRecordViewMode mode) {
    return mode == KxRecordViewMode::ReadOnly ? KxRecordViewMode::Editing : mode;
}

KxRecordViewMode kxModeAfterToggle(KxRecordViewMode mode) {
    switch (mode) {
    case KxRecordViewMode::ReadOnly: return KxRecordViewMode::Editing;
    case KxRecordViewMode::Editing: return KxRecordViewMode::ReadOnly;
    default: return mode;
    }
}

std::array<KxButtonState, kxRecordButtonCount> kxRecordButtons(bool open, bool current, bool deletedMode,
                                                               KxRecordViewMode mode) {
    const bool readOnly = mode == KxRecordViewMode::ReadOnly;
    const bool editing = mode == KxRecordViewMode::Editing;
    const bool d = deletedMode;
    const std::array<bool, kxRecordButtonCount> shown = {!d,           !d, !d,           !d && readOnly, !d && editing,
                                                         d,            d,  d && readOnly, d && editing};
    std::array<KxButtonState, kxRecordButtonCount> states{};
    for (std::size_t i = 0; i < kxRecordButtonCount; ++i) {
        states[i].shown = shown[i];
        states[i].enabled = i == static_cast<std::size_t>(KxRecordButton::New) ? open : open && current;
    }
    return states;
}

std::int32_t KxRecordEditSession::index() const {
    if (!record_) return -1;
    const std::size_t i = record_->isDeleted() ? record_->deletedIndex() : record_->liveIndex();
    return static_cast<std::int32_t>(i);
}

bool KxRecordEditSession::databaseWritable() const {
    std::uint16_t flags = 0;
    return doc_.database().isOpen(&flags) && (flags & kOpenWrite);
}

void KxRecordEditSession::take(std::int32_t index) {
    record_.reset(); // gives the previous record back
    released_ = false;
    KxDatabase& db = doc_.database();
    if (index < 0 || !doc_.isOpen()) return;
    const auto i = static_cast<std::size_t>(index);
    const bool lock = databaseWritable();
    if (doc_.deletedMode()) {
        if (i < db.deletedCount()) record_ = db.deletedRecord(i, lock);
    } else if (i < db.liveCount()) {
        record_ = db.record(i, lock);
    }
}

void KxRecordEditSession::release() {
    if (!record_ || released_) return;
    released_ = true;
    record_->release();
}

void KxRecordEditSession::retake() {
    if (!record_) return;
    const bool writable = databaseWritable();
    if (writable) released_ = false;
    // Found again by identity: a sort or an edit in between may have moved it.
    const KxRecordIdentity id = record_->identity();
    const bool wasDeleted = record_->isDeleted();
    record_.reset();
    KxDatabase& db = doc_.database();
    if (!wasDeleted) record_ = db.findRecord(id, writable);
    if (!record_) record_ = db.findDeletedRecord(id, writable);
    // A record that went to the deleted records is no longer this form's outside that mode.
    if (record_ && record_->isDeleted() && !doc_.deletedMode()) record_.reset();
}

void KxRecordEditSession::reportChange(bool categoryOnly) {
    doc_.setModified();
    doc_.listPane().recordChanged(index(), categoryOnly);
}

std::optional<KxRecordEditSession::Commit> KxRecordEditSession::commit(const KxFormRow& row,
                                                                     const std::optional<FieldValue>& value) {
    if (!record_ || released_ || row.displayOnly) return std::nullopt;
    Commit done;
    try {
        if (value)
            record_->setValue(row.field, *value);
        else
            record_->clearValue(row.field);
        if (row.type == KxFieldType::Integer || row.type == KxFieldType::Number) {
            kxRecalculateRecord(doc_.database(), *record_, [this](KxDbError e) { kxShowDbError(doc_.ui(), kxCode(e)); });
            done.recalculated = true;
        }
    } catch (const KxDbError& e) {
        kxShowDbError(doc_.ui(), kxCode(e));
        // The stored value stays; the control shows it again.
        done.showStored = e == KxDbError::TooLarge;
    }
    reportChange();
    return done;
}

bool KxRecordEditSession::setFromList(std::size_t field, const std::optional<FieldValue>& value) {
    if (!record_ || released_) return false;
    bool stored = false;
    try {
        if (value)
            record_->setValue(field, *value);
        else
            record_->clearValue(field);
        stored = true;
    } catch (const KxDbError& e) {
        kxShowDbError(doc_.ui(), kxCode(e));
    }
    reportChange();
    return stored;
}

void KxRecordEditSession::restore(const std::function<void()>& showRestored) {
    if (!record_) return;
    record_->undo();
    showRestored();
    reportChange();
}

std::vector<std::pair<int, std::string>> KxRecordEditSession::categoryEntries() const {
    std::vector<std::pair<int, std::string>> entries;
    for (const auto& [slot, name] : KxCategoryEditing(doc_.database(), doc_.ui()).list())
        entries.emplace_back(static_cast<int>(slot), name);
    entries.emplace_back(0, kxString(kxStrUnfiled));
    return entries;
}

KxCategoryPick KxRecordEditSession::chooseCategory(std::uint16_t chosen) {
    if (!record_ || readOnly_ || released_) return KxCategoryPick::Refused;
    if (chosen == record_->category()) return KxCategoryPick::Kept;
    record_->setCategory(chosen);
    reportChange(true);
    return KxCategoryPick::Changed;
}

void KxRecordEditSession::categoryShown(std::uint16_t shown) {
    if (!record_ || released_ || shown == record_->category()) return;
    // The record's category is gone: it takes the one shown in its place.
    record_->setCategory(shown);
    reportChange(true);
}

void KxRecordEditSession::editCategories(const std::function<std::pair<bool, bool>()>& editor,
                                         const std::function<void()>& refillBox) {
    const std::int32_t before = index();
    release();
    const auto [changed, deleted] = editor();
    retake();
    if (!changed && !deleted) return;
    doc_.setModified();
    if (!record_ && before >= 0 && !doc_.deletedMode()) {
        // The edit deleted the record with its category.
        doc_.setCurrentRecord(-1);
    } else if (record_) {
        // Records removed before this one have moved it.
        doc_.setCurrentRecord(index());
        refillBox();
    }
    // Removed records leave the list's rows pointing past them: it rebuilds them.
    doc_.listPane().categoriesChanged(deleted);
}
