#pragma once
// What every field control offers its owner (the record form, the Search Records dialog):
// read and show one field's value without knowing the control's kind, a read-only switch,
// the field number it shows and whether the user changed it.
//
// The interface is a second base class beside the widget class each control extends; the
// control's notices to its owner come from notifier(), one small QObject per control.

#include "engine/values/FieldValue.h"

#include <QObject>

#include <optional>

class QWidget;

class KxCtrlNotifier : public QObject {
    Q_OBJECT
  signals:
    // A growing text box changed its height; the form lays itself out again.
    void resized(QWidget* ctrl);
    // The focus left the control while it held a change the owner has not read.
    void leftModified(QWidget* ctrl);
    // The caret moved with an arrow or page key; y is its top in the control.
    void caretMoved(QWidget* ctrl, int y);
    // The control (or a part of it) took the focus; the form scrolls it into view.
    void focusEntered(QWidget* ctrl);
    // Tab or Shift+Tab is about to move the focus away; the form notes the keyboard
    // navigation before the focus moves.
    void navigating(QWidget* ctrl);
};

class KxBaseCtrl {
  public:
    KxBaseCtrl() = default;
    KxBaseCtrl(const KxBaseCtrl&) = delete;
    KxBaseCtrl& operator=(const KxBaseCtrl&) = delete;
    virtual ~KxBaseCtrl() = default;

    // The control's value, or none when the field is to be empty. Clears the modified flag.
    std::optional<FieldValue> readValue();
    // Shows a value, or the empty state for none. A value of a type the control does not
    // handle leaves it in the empty state. Clears the modified flag.
    void showValue(const FieldValue* value);
    void showValue(const std::optional<FieldValue>& value) { showValue(value ? &*value : nullptr); }

    // Read-only controls ignore typing and look it (the window's colour behind them).
    void setReadOnly(bool readOnly);
    bool isReadOnly() const { return readOnly_; }

    int fieldNumber() const { return field_; }
    void setFieldNumber(int field) { field_ = field; }

    // Set when the user changes the content.
    bool isModified() const { return modified_; }
    void setModified(bool modified) { modified_ = modified; }

    virtual QWidget* widget() = 0;
    KxCtrlNotifier& notifier() { return notifier_; }

    // The field control a widget is, or none.
    static KxBaseCtrl* of(QWidget* widget);

  protected:
    virtual std::optional<FieldValue> readContent() = 0;
    virtual void showContent(const FieldValue* value) = 0;
    // Kinds whose window must change with the flag do so here.
    virtual void applyReadOnly(bool readOnly);
    // Text boxes follow the program-wide insert/overwrite mode.
    virtual void applyOverwriteMode(bool overwrite);

    void markModified() { modified_ = true; }
    // Reports focusEntered when the focus comes into the control or any part of it (its
    // pop-ups included), and leftModified when it leaves them all with a change pending.
    void watchFocus();
    // Tab and Shift+Tab: tells the owner, then moves the focus through the form.
    void navigate(bool forward);
    // For a control's event(): true when `e` was Tab or Shift+Tab and the focus has moved.
    bool navigateOnTab(QEvent* e);

    friend void kxSetOverwriteMode(bool overwrite);

  private:
    void showReadOnlyLook(bool readOnly);

    KxCtrlNotifier notifier_;
    int field_ = 0;
    bool modified_ = false;
    bool readOnly_ = false;
};

// Insert/overwrite for every text and number box, present and future; the main frame
// switches it with the Insert key.
void kxSetOverwriteMode(bool overwrite);
bool kxOverwriteMode();

// The widget that scopes Tab navigation: the focus moves among the visible, enabled
// tab stops inside it, wrapping around. Without one the control's window is the scope.
void kxSetFocusScope(QWidget* form);

// Moves the focus from a control to the next (or previous) visible, enabled tab stop of
// its form, wrapping around; parts of the control itself are passed over.
void kxMoveFocusInForm(QWidget* ctrl, bool forward);

// Tab or Shift+Tab without Alt or Ctrl: the keys that move through the form.
class QKeyEvent;
bool kxIsTabNavigation(const QKeyEvent& event, bool* forward);
