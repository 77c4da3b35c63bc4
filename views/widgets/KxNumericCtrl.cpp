#include "views/widgets/KxNumericCtrl.h"

#include "views/widgets/KxCtrlMetrics.h"
#include "views/widgets/KxQtText.h"

#include "engine/values/NumberFormat.h"
#include "engine/values/NumberParse.h"
#include "engine/values/TypeCodes.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QStyle>
#include <QStyleOptionFrame>

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>

namespace {

// What a failed calculation shows, whatever its decimals.
const QString kFailedCalc(15, QLatin1Char('#'));

// The room a line edit keeps between its frame and its text on either side.
constexpr int kTextSideMargin = 2;

// An integer field takes the number toward zero, held to the 32-bit range.
std::int32_t toInteger(double value) {
    constexpr double lo = std::numeric_limits<std::int32_t>::min();
    constexpr double hi = std::numeric_limits<std::int32_t>::max();
    if (std::isnan(value)) return 0;
    return static_cast<std::int32_t>(std::trunc(std::clamp(value, lo, hi)));
}

bool isKeypadDecimal(const QKeyEvent& e) {
    return (e.modifiers() & Qt::KeypadModifier) &&
           (e.key() == Qt::Key_Period || e.key() == Qt::Key_Comma);
}

} // namespace

KxNumericCtrl::KxNumericCtrl(int valueType, int decimals, bool thousands, bool currency, Use use,
                             QWidget* parent, const KxLocale& locale)
    : QLineEdit(parent), valueType_(valueType), decimals_(decimals), use_(use), locale_(locale),
      format_(KxNumericFormat::from(locale, thousands, currency)) {
    setFixedHeight(kxStandardCtrlHeight());
    // Every way in for text goes through the typing rules: no drops, and no input method
    // composing text past them (a number needs none).
    setDragEnabled(false);
    setAcceptDrops(false);
    setAttribute(Qt::WA_InputMethodEnabled, false);
    editing_ = use_ == Use::Search;
    connect(this, &QLineEdit::textEdited, this, [this] {
        takeTextAsValue();
        markModified();
    });
    if (use_ == Use::Form && valueType_ == kx::type::Calculation) setReadOnly(true);
    watchFocus();
}

// ---- values ------------------------------------------------------------------------------

std::optional<FieldValue> KxNumericCtrl::readContent() {
    if (!value_ && !calcFailed_) return std::nullopt;
    FieldValue value = FieldValue::newValue(valueType_);
    const double number = value_.value_or(0.0);
    if (valueType_ == kx::type::Integer)
        value.setInteger(toInteger(number));
    else if (valueType_ == kx::type::Calculation)
        value.setCalcResult(number, calcFailed_);
    else
        value.setNumber(number);
    return value;
}

void KxNumericCtrl::showContent(const FieldValue* value) {
    value_.reset();
    calcFailed_ = false;
    if (value != nullptr) {
        switch (value->type()) {
        case kx::type::Integer:
            value_ = value->integer();
            break;
        case kx::type::Number:
            value_ = value->number();
            break;
        case kx::type::Calculation:
            calcFailed_ = value->calcFailed();
            if (!calcFailed_) value_ = value->number();
            break;
        default:
            break; // not a number: the box stays empty
        }
    }
    refresh();
}

void KxNumericCtrl::takeTextAsValue() {
    const std::string text = kx1252(this->text());
    calcFailed_ = false;
    if (text.empty()) {
        value_.reset();
        return;
    }
    // A sign alone reads as 0, never as minus zero.
    value_ = kxIsNumberText(text, locale_) ? kxParseNumber(text, locale_) + 0.0 : 0.0;
}

// ---- display -----------------------------------------------------------------------------

void KxNumericCtrl::refresh() {
    QString text;
    if (calcFailed_) {
        text = kFailedCalc;
    } else if (value_) {
        const bool currency = format_.currencyAllowed;
        const bool grouping = format_.thousandsAllowed;
        text = kxQt(editing_ ? kxNumberText(*value_, currency, grouping, locale_)
                             : kxFormatNumber(*value_, decimals_, currency, grouping, locale_));
    }
    if (!editing_ && !fits(text)) text.fill(QLatin1Char('*'));
    setText(text);
    // A shown number reads from its start, even when it is too long for the box.
    if (!editing_) setCursorPosition(0);
}

bool KxNumericCtrl::fits(const QString& text) const {
    QStyleOptionFrame option;
    initStyleOption(&option);
    const QRect contents =
        style()->subElementRect(QStyle::SE_LineEditContents, &option, this) - textMargins();
    return fontMetrics().horizontalAdvance(text) <= contents.width() - 2 * kTextSideMargin;
}

void KxNumericCtrl::focusInEvent(QFocusEvent* e) {
    if (!editing_) {
        editing_ = true;
        refresh();
    }
    QLineEdit::focusInEvent(e);
}

void KxNumericCtrl::focusOutEvent(QFocusEvent* e) {
    QLineEdit::focusOutEvent(e);
    // A context menu takes the focus only for a moment; the edit goes on after it.
    if (use_ == Use::Form && e->reason() != Qt::PopupFocusReason) {
        editing_ = false;
        refresh();
    }
}

void KxNumericCtrl::resizeEvent(QResizeEvent* e) {
    QLineEdit::resizeEvent(e);
    if (!editing_) refresh();
}

void KxNumericCtrl::changeEvent(QEvent* e) {
    QLineEdit::changeEvent(e);
    if (e->type() == QEvent::FontChange && !editing_) refresh();
}

void KxNumericCtrl::applyReadOnly(bool readOnly) {
    QLineEdit::setReadOnly(readOnly);
}

// ---- typing ------------------------------------------------------------------------------

bool KxNumericCtrl::event(QEvent* e) {
    if (navigateOnTab(e)) return true;
    return QLineEdit::event(e);
}

void KxNumericCtrl::keyPressEvent(QKeyEvent* e) {
    if (!isReadOnly()) {
        if (e->matches(QKeySequence::Paste)) {
            pasteChecked();
            e->accept();
            return;
        }
        const QString text = e->text();
        const bool typed = !text.isEmpty() && text.at(0).isPrint() &&
                           !(e->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
        if (typed) {
            // The keypad's decimal key types the locale's decimal separator.
            typeText(isKeypadDecimal(*e) ? std::string(1, format_.decimalSeparator) : kx1252(text));
            e->accept();
            return;
        }
    }
    QLineEdit::keyPressEvent(e);
}

void KxNumericCtrl::typeText(const std::string& typed) {
    const std::string current = kx1252(text());
    std::size_t start = static_cast<std::size_t>(cursorPosition());
    std::size_t end = start;
    if (hasSelectedText()) {
        start = static_cast<std::size_t>(selectionStart());
        end = start + static_cast<std::size_t>(selectedText().size());
    } else if (kxOverwriteMode() && start < current.size()) {
        end = start + 1; // overwrite: the character typed replaces the one after the caret
    }
    const KxNumericEdit edit = kxNumericType(format_, current, start, end, typed);
    const std::string accepted = edit.text.substr(start, edit.caret - start);
    if (accepted.empty()) {
        QApplication::beep();
        return;
    }
    // Replacing through the edit keeps the user's undo history.
    if (end > start)
        setSelection(static_cast<int>(start), static_cast<int>(end - start));
    else
        setCursorPosition(static_cast<int>(start));
    insert(kxQt(accepted));
}

void KxNumericCtrl::pasteChecked() {
    typeText(kx1252(QApplication::clipboard()->text()));
}

void KxNumericCtrl::mouseReleaseEvent(QMouseEvent* e) {
    // The middle button pastes the selection where the desktop has one.
    if (e->button() == Qt::MiddleButton && !isReadOnly()) {
        if (QApplication::clipboard()->supportsSelection()) {
            deselect();
            setCursorPosition(cursorPositionAt(e->position().toPoint()));
            typeText(kx1252(QApplication::clipboard()->text(QClipboard::Selection)));
        }
        e->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(e);
}

void KxNumericCtrl::contextMenuEvent(QContextMenuEvent* e) {
    const std::unique_ptr<QMenu> menu(createStandardContextMenu());
    // Pasted text obeys the same rules as typed text.
    if (auto* pasteAction = menu->findChild<QAction*>(QStringLiteral("edit-paste"))) {
        disconnect(pasteAction, &QAction::triggered, nullptr, nullptr);
        connect(pasteAction, &QAction::triggered, this, [this] { pasteChecked(); });
    }
    menu->exec(e->globalPos());
}
