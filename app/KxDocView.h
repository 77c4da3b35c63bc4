#pragma once
// The document/view glue: how the document tells its views what changed (update hints), and
// the typed interfaces of the two panes and the frame that the document, the commands and
// the panes themselves call. Each interface has a harmless default for every operation, so
// that a front end (or a test) overrides only what it has; a new pane operation is declared
// here and implemented in its view.

#include "engine/values/FieldValue.h"

#include <cstddef>
#include <cstdint>
#include <optional>

// The hint of an update-all-views call.
enum class KxViewHint : int {
    All = 0,              // file opened, created or closed; schema or display mode changed
    RecordSetChanged = 1, // records deleted in bulk, filter re-applied with the same list options
    RecordInserted = 2,   // a new record was inserted at the current position
    RecordCloned = 3,     // a copy of the current record was inserted after it
    RecordRemoved = 4,    // the current record was removed (deleted, disposed of, dropped)
    RecordUndeleted = 5,  // the current deleted record was undeleted
};

// A view of the document: told of every change with a hint.
class KxDocView {
  public:
    virtual ~KxDocView() = default;
    virtual void onUpdate(KxViewHint hint) = 0;
};

// The left pane: the records in view as rows, the look-up box and the category filter.
class KxListPane {
  public:
    virtual ~KxListPane() = default;

    // The form changed record `index` (live, or deleted in deleted-records mode): its row
    // moves to the record's sorted place or is redrawn. `categoryOnly`: only the record's
    // category changed, which is never a sort key, so a live record stays where it is.
    virtual void recordChanged(std::int32_t /*index*/, bool /*categoryOnly*/) {}
    // The form's category editor changed the categories: the filter box is filled again;
    // `recordsDeleted` makes the rows be rebuilt as well.
    virtual void categoriesChanged(bool /*recordsDeleted*/) {}
    // `quiet`: the emptied look-up box does not move the selection.
    virtual void clearLookupText(bool /*quiet*/) {}
    virtual void freezeList(bool /*frozen*/) {}
    virtual void setCheckboxesEditable(bool /*editable*/) {}
    virtual void selectNextRow() {}
    virtual void selectPreviousRow() {}
    // Gives the pane the keyboard focus.
    virtual void activate() {}
    // For the status bar's "%d of %d": the selected row (−1 none) and the number of rows.
    virtual int selectedRow() const { return -1; }
    virtual int rowCount() const { return 0; }
};

// The right pane: the form of the current record and its buttons.
class KxRecordPane {
  public:
    virtual ~KxRecordPane() = default;

    // Shows record `index` (live, or deleted in deleted-records mode); −1 empties the form.
    // An edit still open in a control is stored in the record being left first.
    virtual void showRecord(std::int32_t /*index*/) {}
    // Stores pending changes and lets go of the record, so that others may move it.
    virtual void release() {}
    // Takes the record let go of back for editing, found again by its identity.
    virtual void retake() {}
    // The list changed a field of the current record; none empties the field.
    virtual void fieldValue(std::size_t /*field*/, std::optional<FieldValue> /*value*/) {}
    // The list's category editor changed the categories: the form's category box is filled
    // again, and a record whose category is gone moves to the one shown in its place.
    virtual void categoriesChanged() {}
    // Writes the focused field control's pending edit into the current record.
    virtual void commitEdits() {}

    // The mode: no read-only mode (always editable), or read-only, or editing.
    virtual void setHasReadOnlyMode(bool /*hasMode*/) {}
    virtual bool isReadOnly() const { return false; }
    virtual void setEditing() {}
    virtual void toggleEditMode() {}
    // Restores the current record from its last-edit copy; throws KxDbError::NothingToUndo.
    virtual void restoreRecord() {}
    // Gives the pane the keyboard focus.
    virtual void activate() {}
};

// What the document and the list ask of the main window around the panes.
class KxDocFrame {
  public:
    virtual ~KxDocFrame() = default;

    // The list pane's share of the width, percent (at most 100); `relayout` splits the
    // window anew at once, otherwise the share holds from the next resize.
    virtual void setListPaneShare(int /*percent*/, bool /*relayout*/) {}
    // The status bar text and window title follow the document.
    virtual void refreshStatus() {}
    virtual void setWaitCursor(bool /*on*/) {}
    // False while the main window does not exist or is not shown yet.
    virtual bool mainWindowVisible() const { return true; }
};
