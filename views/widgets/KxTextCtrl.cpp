#include "views/widgets/KxTextCtrl.h"

#include "views/widgets/KxCtrlMetrics.h"
#include "views/widgets/KxQtText.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QKeyEvent>
#include <QMimeData>
#include <QScrollBar>
#include <QTextBlock>

#include <cmath>

namespace {

// The document's own margin around the text; small, so that one line fits the standard
// control height.
constexpr qreal kDocumentMargin = 2;

bool isLineBreakKey(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

} // namespace

KxTextCtrl::KxTextCtrl(Use use, QWidget* parent, int valueType)
    : QTextEdit(parent), use_(use), valueType_(valueType),
      limit_(use == Use::Form ? kFormLimit : kSearchLimit), minimumHeight_(kxStandardCtrlHeight()) {
    setAcceptRichText(false);
    setTabChangesFocus(false); // Tab is handled here: it moves through the form
    document()->setDocumentMargin(kDocumentMargin);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setOverwriteMode(kxOverwriteMode());
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);

    if (use_ == Use::Search) {
        setLineWrapMode(NoWrap);
        setFixedHeight(kxStandardCtrlHeight());
    } else {
        setLineWrapMode(WidgetWidth);
        setFixedHeight(kxStandardCtrlHeight());
        connect(document()->documentLayout(), &QAbstractTextDocumentLayout::documentSizeChanged,
                this, [this] { fitHeight(); });
    }
    connect(this, &QTextEdit::textChanged, this, [this] {
        if (!showing_) markModified();
    });
    watchFocus();
}

void KxTextCtrl::setDisplayFormat(int decimals, unsigned flags) {
    display_ = DisplayFormat{decimals, flags};
}

void KxTextCtrl::setMinimumBoxHeight(int height) {
    minimumHeight_ = height;
    if (use_ == Use::Form) fitHeight();
}

// ---- values ------------------------------------------------------------------------------

std::optional<FieldValue> KxTextCtrl::readContent() {
    if (display_) return shown_;
    FieldValue value = FieldValue::newValue(valueType_);
    value.setText(kx1252(toPlainText()));
    return value;
}

void KxTextCtrl::showContent(const FieldValue* value) {
    QString text;
    shown_.reset();
    if (value != nullptr) {
        if (display_) {
            shown_ = *value;
            text = kxQt(value->displayText(display_->decimals, display_->flags));
        } else if (kx::type::isText(value->type())) {
            // The stored form: a line break is a single line feed, one paragraph each.
            text = kxQt(value->text());
        }
    }
    showing_ = true;
    setPlainText(text);
    showing_ = false;
}

void KxTextCtrl::applyReadOnly(bool readOnly) {
    QTextEdit::setReadOnly(readOnly);
}

void KxTextCtrl::applyOverwriteMode(bool overwrite) {
    setOverwriteMode(overwrite);
}

// ---- typing ------------------------------------------------------------------------------

int KxTextCtrl::room() const {
    const QTextCursor cursor = textCursor();
    qsizetype replaced = cursor.selectionEnd() - cursor.selectionStart();
    // Typing over a character in overwrite mode takes no room.
    if (replaced == 0 && overwriteMode() && !cursor.atBlockEnd()) replaced = 1;
    // The document counts a paragraph separator after its last line.
    const qsizetype used = document()->characterCount() - 1 - replaced;
    return static_cast<int>(std::max<qsizetype>(0, limit_ - used));
}

bool KxTextCtrl::event(QEvent* e) {
    if (e->type() == QEvent::KeyPress) {
        bool forward = true;
        if (kxIsTabNavigation(*static_cast<QKeyEvent*>(e), &forward)) {
            navigate(forward);
            return true;
        }
    }
    return QTextEdit::event(e);
}

void KxTextCtrl::keyPressEvent(QKeyEvent* e) {
    if (!isReadOnly()) {
        if (use_ == Use::Search && isLineBreakKey(e->key())) {
            e->ignore(); // one line: Enter belongs to the dialog's default button
            return;
        }
        const bool inserts =
            isLineBreakKey(e->key()) || (!e->text().isEmpty() && e->text().at(0).isPrint() &&
                                         !(e->modifiers() & Qt::ControlModifier));
        if (inserts && room() < std::max<qsizetype>(1, e->text().size())) {
            QApplication::beep();
            e->accept();
            return;
        }
    }
    QTextEdit::keyPressEvent(e);
    reportCaret(e->key());
}

void KxTextCtrl::insertFromMimeData(const QMimeData* source) {
    if (source == nullptr || !source->hasText()) return;
    QString text = source->text();
    text.remove(QLatin1Char('\r'));
    if (use_ == Use::Search) text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    const int free = room();
    if (text.size() > free) {
        text.truncate(free);
        QApplication::beep();
    }
    if (!text.isEmpty()) textCursor().insertText(text);
}

void KxTextCtrl::reportCaret(int key) {
    bool atStart = false;
    switch (key) {
    case Qt::Key_Up:
    case Qt::Key_Left:
    case Qt::Key_PageUp:
        atStart = true;
        break;
    case Qt::Key_Down:
    case Qt::Key_Right:
    case Qt::Key_PageDown:
        break;
    default:
        return;
    }
    QTextCursor caret = textCursor();
    caret.setPosition(atStart ? caret.selectionStart() : caret.selectionEnd());
    const int y = cursorRect(caret).top() + viewport()->y();
    emit notifier().caretMoved(this, y);
}

// ---- growing -----------------------------------------------------------------------------

void KxTextCtrl::resizeEvent(QResizeEvent* e) {
    QTextEdit::resizeEvent(e);
    if (use_ == Use::Form) fitHeight();
}

void KxTextCtrl::fitHeight() {
    const int content = static_cast<int>(std::ceil(document()->size().height()));
    const int wanted = std::max(minimumHeight_, content + 2 * frameWidth());
    if (wanted == height()) return;
    setFixedHeight(wanted);
    // The whole text is in view now; a scroll left over from the smaller box would hide
    // its first line.
    verticalScrollBar()->setValue(0);
    emit notifier().resized(this);
}
