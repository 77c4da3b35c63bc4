#include "app/widgets/EditCommandsQt.h"

#include <QApplication>
#include <QClipboard>
#include <QDateTimeEdit>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace {
bool clipboardHasText() {
    const QMimeData* data = QApplication::clipboard()->mimeData();
    return data && data->hasText();
}

template <class Edit>
void toggleUndo(Edit& edit, bool undoAvailable, bool redoAvailable) {
    if (undoAvailable)
        edit.undo();
    else if (redoAvailable)
        edit.redo();
}

template <class Edit>
void toggleRedo(Edit& edit, bool undoAvailable, bool redoAvailable) {
    if (redoAvailable)
        edit.redo();
    else if (undoAvailable)
        edit.undo();
}

// Both multi-line editors answer alike; this shares their handling.
template <class Edit>
KxFocusState textEditState(const Edit& edit) {
    KxFocusState s;
    s.textControl = true;
    s.readOnly = edit.isReadOnly();
    s.hasSelection = edit.textCursor().hasSelection();
    s.canPaste = !s.readOnly && edit.canPaste();
    s.canUndo = !s.readOnly && (edit.document()->isUndoAvailable() || edit.document()->isRedoAvailable());
    return s;
}

template <class Edit>
void runOnTextEdit(KxCommand command, Edit& edit) {
    switch (command) {
    case KxCommand::Undo:
        toggleUndo(edit, edit.document()->isUndoAvailable(), edit.document()->isRedoAvailable());
        break;
    case KxCommand::Redo:
        toggleRedo(edit, edit.document()->isUndoAvailable(), edit.document()->isRedoAvailable());
        break;
    case KxCommand::Cut: edit.cut(); break;
    case KxCommand::Copy: edit.copy(); break;
    case KxCommand::Paste: edit.paste(); break;
    default: break;
    }
}
} // namespace

KxFocusState kxFocusStateOf(QWidget* focus, bool lookupBox) {
    KxFocusState s;
    if (!focus) return s;
    if (qobject_cast<QDateTimeEdit*>(focus)) {
        s.dateTimePicker = true;
        return s;
    }
    if (QLineEdit* edit = qobject_cast<QLineEdit*>(focus)) {
        s.textControl = true;
        s.lookupBox = lookupBox;
        s.readOnly = edit->isReadOnly();
        s.hasSelection = edit->hasSelectedText();
        s.canPaste = !s.readOnly && clipboardHasText();
        s.canUndo = !s.readOnly && (edit->isUndoAvailable() || edit->isRedoAvailable());
        return s;
    }
    if (auto* edit = qobject_cast<QTextEdit*>(focus)) return textEditState(*edit);
    if (auto* edit = qobject_cast<QPlainTextEdit*>(focus)) return textEditState(*edit);
    return s;
}

bool kxRunEditCommand(KxCommand command, QWidget* focus) {
    switch (command) {
    case KxCommand::Undo:
    case KxCommand::Redo:
    case KxCommand::Cut:
    case KxCommand::Copy:
    case KxCommand::Paste: break;
    default: return false;
    }
    if (!focus) return true;
    if (qobject_cast<QDateTimeEdit*>(focus)) {
        if (command == KxCommand::Cut) {
            // The event queue owns a posted event.
            QCoreApplication::postEvent(focus, new QKeyEvent(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier));
        }
        return true;
    }
    if (QLineEdit* edit = qobject_cast<QLineEdit*>(focus)) {
        switch (command) {
        case KxCommand::Undo: toggleUndo(*edit, edit->isUndoAvailable(), edit->isRedoAvailable()); break;
        case KxCommand::Redo: toggleRedo(*edit, edit->isUndoAvailable(), edit->isRedoAvailable()); break;
        case KxCommand::Cut: edit->cut(); break;
        case KxCommand::Copy: edit->copy(); break;
        case KxCommand::Paste: edit->paste(); break;
        default: break;
        }
    } else if (auto* textEdit = qobject_cast<QTextEdit*>(focus)) {
        runOnTextEdit(command, *textEdit);
    } else if (auto* plainEdit = qobject_cast<QPlainTextEdit*>(focus)) {
        runOnTextEdit(command, *plainEdit);
    }
    return true;
}
