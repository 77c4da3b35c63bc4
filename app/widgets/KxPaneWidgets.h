#pragma once
// The two panes of the main window as widgets: each is a view of the document and its typed
// pane (KxDocView.h). The list view and the record view derive from these; until they exist,
// placeholders stand in (KxPlaceholderPanesWidget.h). What only a widget can answer lives
// here; a pane asks for a command through commandRequested, which the frame connects.

#include "app/KxCommandState.h"
#include "app/KxDocView.h"

#include <QWidget>

class KxListPaneWidget : public QWidget, public KxDocView, public KxListPane {
    Q_OBJECT
  public:
    using QWidget::QWidget;

    void onUpdate(KxViewHint) override {}
    void activate() override { setFocus(Qt::OtherFocusReason); }

    // Whether the widget is the "Look up:" box, where Copy needs no current record and Paste
    // is never offered.
    virtual bool isLookupBox(const QWidget* /*widget*/) const { return false; }

  signals:
    // The selection or the number of rows changed.
    void positionChanged();
    // A control of the pane asks for a window command (Show All).
    void commandRequested(KxCommand command);
};

class KxRecordPaneWidget : public QWidget, public KxDocView, public KxRecordPane {
    Q_OBJECT
  public:
    using QWidget::QWidget;

    void onUpdate(KxViewHint) override {}
    void activate() override { setFocus(Qt::OtherFocusReason); }

    // After a paste into one of its controls: a multi-line control whose line count changed
    // is laid out again.
    virtual void afterPaste(QWidget* /*control*/) {}

  signals:
    // A button of the pane asks for a window command (New, Clone, Delete, Edit, ...).
    void commandRequested(KxCommand command);
};
