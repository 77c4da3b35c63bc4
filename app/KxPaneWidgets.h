#pragma once
// The two panes of the main window as the frame sees them. The list view and the record view
// derive from these; until they exist, placeholders stand in (KxPlaceholderPanesWidget.h).
// Every operation has a harmless default, so a pane overrides only what it has.

#include "app/DocView.h"

#include <QWidget>

#include <cstdint>

class KxListPaneWidget : public QWidget, public KxDocView {
    Q_OBJECT
  public:
    using QWidget::QWidget;

    // A private message the frame routed here (0x605, 0x607 with wParam != 0, 0x60A).
    virtual void onMessage(KxViewMessage, std::uintptr_t /*wParam*/, std::intptr_t /*lParam*/) {}
    void onUpdate(KxViewHint) override {}

    virtual void clearLookupText(bool /*quiet*/) {}
    virtual void freezeList(bool /*frozen*/) {}
    virtual void setCheckboxesEditable(bool /*editable*/) {}
    virtual void selectNextRow() {}
    virtual void selectPreviousRow() {}
    // Whether the widget is the "Look up:" box, where Copy needs no current record and Paste
    // is never offered.
    virtual bool isLookupBox(const QWidget* /*widget*/) const { return false; }
    // For the status bar's "%d of %d": the selected row (−1 none) and the number of rows.
    virtual int selectedRow() const { return -1; }
    virtual int rowCount() const { return 0; }

  signals:
    // The selection or the number of rows changed.
    void positionChanged();
};

class KxRecordPaneWidget : public QWidget, public KxDocView {
    Q_OBJECT
  public:
    using QWidget::QWidget;

    // A private message the frame routed here (0x602, 0x607 with wParam 0, 0x608, 0x609, 0x60D).
    virtual void onMessage(KxViewMessage, std::uintptr_t /*wParam*/, std::intptr_t /*lParam*/) {}
    void onUpdate(KxViewHint) override {}

    // Writes the focused field control's pending edit into the current record.
    virtual void commitEdits() {}
    virtual void setHasReadOnlyMode(bool /*hasMode*/) {}
    virtual bool isReadOnly() const { return false; }
    virtual void setEditing() {}
    virtual void toggleEditMode() {}
    // Throws KxDbError::NothingToUndo when there is no last-edit copy.
    virtual void restoreRecord() {}
    // After a paste into one of its controls: a multi-line control whose line count changed
    // is laid out again.
    virtual void afterPaste(QWidget* /*control*/) {}
};
