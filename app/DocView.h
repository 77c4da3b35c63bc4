#pragma once
// The document/view glue: how the document tells its views what changed (update hints), the
// private messages the views exchange through the frame, and what the document asks of the
// panes and the frame (freezing the list, focusing a view, the record view's modes).

#include <cstdint>

// The hint of an update-all-views call.
enum class KxViewHint : int {
    All = 0,              // file opened, created or closed; schema or display mode changed
    RecordSetChanged = 1, // records deleted in bulk, filter re-applied with the same list options
    RecordInserted = 2,   // a new record was inserted at the current position
    RecordCloned = 3,     // a copy of the current record was inserted after it
    RecordRemoved = 4,    // the current record was removed (deleted, disposed of, dropped)
    RecordUndeleted = 5,  // the current deleted record was undeleted
};

// The private messages of the views, 0x600 + n. The frame receives them and passes them on
// unchanged (wParam, lParam) to the pane named.
enum class KxViewMessage : std::uint32_t {
    SetListPaneWidth = 0x601, // frame: list pane width wParam percent; re-lay out when lParam != 0
    ShowRecord = 0x602,       // record view: wParam 0 show record lParam; wParam 1 empty the form
    Reserved603 = 0x603,
    ControlEdited = 0x604, // a field control's parent: the control finished editing
    RecordChanged = 0x605, // list view: record lParam changed, move or redraw its row
    Reserved606 = 0x606,
    CategoriesChanged = 0x607, // list view when wParam != 0, else record view
    ReleaseRecord = 0x608,     // record view: store pending changes and let go of the record
    RetakeRecord = 0x609,      // record view: take the current record back for editing
    ClearLookup = 0x60A,       // list view: clear the look-up text quietly
    ControlFocused = 0x60B,    // record form: a field control got the focus
    Reserved60C = 0x60C,
    FieldValue = 0x60D, // record view: wParam field number, lParam the value or none
};

// A view of the document: told of every change with a hint.
class KxDocView {
  public:
    virtual ~KxDocView() = default;
    virtual void onUpdate(KxViewHint hint) = 0;
};

// What the document asks of the frame and its two panes. The frame implements it; every
// operation has a harmless default so that a front end (or a test) overrides only what it has.
class KxDocPanes {
  public:
    virtual ~KxDocPanes() = default;

    // Routed like the frame routes the views' own messages (0x608, 0x609, 0x60A, ...).
    virtual void sendMessage(KxViewMessage, std::uintptr_t /*wParam*/, std::intptr_t /*lParam*/) {}

    // The list view.
    virtual void clearLookupText(bool /*quiet*/) {}
    virtual void freezeList(bool /*frozen*/) {}
    virtual void setCheckboxesEditable(bool /*editable*/) {}
    virtual void selectNextRow() {}
    virtual void selectPreviousRow() {}
    virtual void activateListView() {}

    // The record view. Its mode: 0 no read-only mode (always editable), 1 read-only,
    // 2 editing.
    virtual void setRecordViewHasReadOnlyMode(bool /*hasMode*/) {}
    virtual bool recordViewReadOnly() const { return false; }
    virtual void setRecordViewEditing() {}
    virtual void toggleRecordViewEditMode() {}
    // Restores the current record from its last-edit copy; throws KxDbError::NothingToUndo.
    virtual void restoreRecord() {}
    virtual void activateRecordView() {}

    // The frame: status bar text and window title follow the document.
    virtual void refreshStatus() {}
    virtual void setWaitCursor(bool /*on*/) {}
    // False while the main window does not exist or is not shown yet.
    virtual bool mainWindowVisible() const { return true; }
};
