#pragma once
// The record the form edits, without widgets: taking it (held for writing while the database
// is open for writing), letting go of it and taking it back, storing what a control or the
// list changed (recalculating after a number), its category and the rules for changing it,
// and restoring it; every change marks the document and is reported to the list. Also the
// record view's modes and which of its buttons each mode shows.

#include "engine/KxRecordHandle.h"
#include "engine/values/FieldValue.h"
#include "views/FormItems.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class KxDbDoc;

// The record view's mode: the database has no read-only mode (always editable), or the view
// is read-only, or editing.
enum class KxRecordViewMode : std::uint32_t { NoReadOnlyMode = 0, ReadOnly = 1, Editing = 2 };
// The mode a database with or without a read-only mode starts in.
inline KxRecordViewMode kxInitialMode(bool hasReadOnlyMode) {
    return hasReadOnlyMode ? KxRecordViewMode::ReadOnly : KxRecordViewMode::NoReadOnlyMode;
}
// Edit: a read-only view starts editing. Toggle: Ed&it and F&inished; without a read-only
// mode nothing changes.
KxRecordViewMode kxModeAfterEdit(KxRecordViewMode mode);
KxRecordViewMode kxModeAfterToggle(KxRecordViewMode mode);

// The buttons below the form, in their order; the last four show with deleted records.
enum class KxRecordButton { New, Clone, Delete, Edit, Done, PermanentlyDelete, Undelete, EditDeleted, DoneDeleted };
inline constexpr std::size_t kxRecordButtonCount = 9;
struct KxButtonState {
    bool shown = false;
    bool enabled = false;
};
// New needs an open database, the others a current record; the mode decides Ed&it and
// F&inished, the display mode which group shows.
std::array<KxButtonState, kxRecordButtonCount> kxRecordButtons(bool open, bool current, bool deletedMode,
                                                               KxRecordViewMode mode);

// What became of a category chosen in the form's box.
enum class KxCategoryPick { Kept, Refused, Changed };

class KxRecordEditSession {
  public:
    explicit KxRecordEditSession(KxDbDoc& doc) : doc_(doc) {}

    // Gives back the record held and takes record `index` (live, or deleted in
    // deleted-records mode); none for −1 or past the end.
    void take(std::int32_t index);
    bool holds() const { return record_.has_value(); }
    bool released() const { return released_; }
    std::int32_t index() const; // −1 without a record
    // The record held; only while holds().
    const KxRecordHandle& record() const { return *record_; }
    // A read-only form changes no category.
    void setReadOnlyForm(bool readOnly) { readOnly_ = readOnly; }
    bool readOnlyForm() const { return readOnly_; }

    // Lets go of the record so that others may move it, and takes it back, found again by
    // its identity. Without write access the record stays let go of.
    void release();
    void retake();

    // A control of `row` finished with `value` (none empties the field). None when the
    // form may not store it (no record, let go of, a display-only item).
    struct Commit {
        bool showStored = false;   // the value was refused: the control shows the stored one again
        bool recalculated = false; // a number changed: the calculations were computed again
    };
    std::optional<Commit> commit(const KxFormRow& row, const std::optional<FieldValue>& value);
    // The list changed a field; true when the record took it (the control shows it).
    bool setFromList(std::size_t field, const std::optional<FieldValue>& value);
    // Restore Record: throws KxDbError::NothingToUndo without a last-edit copy. The form
    // shows the record as it was (`showRestored`) before the list hears of the change.
    void restore(const std::function<void()>& showRestored);

    // The category box's entries: the named categories sorted, then "Unfiled" (0).
    std::vector<std::pair<int, std::string>> categoryEntries() const;
    std::uint16_t category() const { return record_->category(); }
    KxCategoryPick chooseCategory(std::uint16_t chosen);
    // The box was filled again showing `shown`: a record whose category is gone takes it.
    void categoryShown(std::uint16_t shown);
    // Runs the category editor (which answers: categories changed, records deleted) with the
    // record let go of. After a change `refillBox` runs while the record is still held,
    // before the list learns of the change.
    void editCategories(const std::function<std::pair<bool, bool>()>& editor, const std::function<void()>& refillBox);

  private:
    bool databaseWritable() const;
    void reportChange(bool categoryOnly = false);

    KxDbDoc& doc_;
    std::optional<KxRecordHandle> record_;
    bool released_ = false;
    bool readOnly_ = false;
};
