#pragma once
// The Edit menu on the focused text control: what the control allows (for enabling) and
// carrying out Undo, Redo, Cut, Copy and Paste on it.

#include "app/KxCommandState.h"

class QWidget;

// The focused widget's state; `lookupBox` says whether it is the list's "Look up:" box.
KxFocusState kxFocusStateOf(QWidget* focus, bool lookupBox);

// Runs Undo, Redo, Cut, Copy or Paste on the focused control. A date or time picker takes Cut
// as the Delete key. Undo and Redo work as one toggle, like an edit control that undoes its
// own undo. True when the command was one of these five.
bool kxRunEditCommand(KxCommand command, QWidget* focus);
