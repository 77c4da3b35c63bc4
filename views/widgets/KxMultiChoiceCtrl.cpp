#include "views/widgets/KxMultiChoiceCtrl.h"

#include "views/widgets/KxCtrlMetrics.h"
#include "views/widgets/KxMultiChoiceInnerCtrl.h"
#include "views/widgets/KxQtText.h"
#include "views/widgets/KxTextCtrl.h"

#include "engine/values/TypeCodes.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>

KxArrowButton::KxArrowButton(QWidget* parent) : QToolButton(parent) {
    setArrowType(Qt::DownArrow);
    setFocusPolicy(Qt::NoFocus);
    setAutoRaise(false);
}

KxMultiChoiceCtrl::KxMultiChoiceCtrl(const std::vector<std::string>& items, QWidget* parent)
    : QWidget(parent), text_(new KxTextCtrl(KxTextCtrl::Use::Form, this, kx::type::MultipleChoice)),
      arrow_(new KxArrowButton(this)) {
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);

    const int frame = frameWidth();
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(frame, frame, frame, frame);
    layout->setSpacing(0);
    layout->addWidget(text_, 1, Qt::AlignTop);
    layout->addWidget(arrow_, 0, Qt::AlignTop);

    // The text is the box's face: no border of its own, never a tab stop, a click on it
    // opens the list.
    text_->setFrameShape(QFrame::NoFrame);
    text_->setFocusPolicy(Qt::NoFocus);
    // Read-only as a text box only: it wears the look of the whole box (showFocus).
    text_->QTextEdit::setReadOnly(true);
    text_->setTextInteractionFlags(Qt::NoTextInteraction);
    text_->viewport()->setCursor(Qt::ArrowCursor);
    text_->viewport()->installEventFilter(this);
    text_->setMinimumBoxHeight(kxStandardCtrlHeight() - 2 * frame);
    const int inner = kxStandardCtrlHeight() - 2 * frame;
    arrow_->setFixedSize(inner, inner);

    connect(&text_->notifier(), &KxCtrlNotifier::resized, this, [this] { fitHeight(); });
    connect(arrow_, &QToolButton::pressed, this, [this] {
        if (isListOpen())
            closeList();
        else
            openList();
    });

    setItems(items);
    fitHeight();
    watchFocus();
}

void KxMultiChoiceCtrl::setItems(const std::vector<std::string>& items) {
    items_ = items;
    if (list_ != nullptr) fillList();
    setChosen(chosen_);
}

int KxMultiChoiceCtrl::selectedItem() const {
    return selectedRow_;
}

QString KxMultiChoiceCtrl::shownText() const {
    return text_->toPlainText();
}

// ---- values ------------------------------------------------------------------------------

std::optional<FieldValue> KxMultiChoiceCtrl::readContent() {
    if (items_.empty()) return std::nullopt;
    FieldValue value = FieldValue::newValue(kx::type::MultipleChoice);
    value.setText(chosen_);
    return value;
}

void KxMultiChoiceCtrl::showContent(const FieldValue* value) {
    setChosen(value != nullptr && kx::type::isText(value->type()) ? std::string(value->text())
                                                                : std::string());
}

void KxMultiChoiceCtrl::setChosen(const std::string& text) {
    chosen_ = text;
    FieldValue shown = FieldValue::newValue(kx::type::MultipleChoice);
    shown.setText(text);
    text_->showValue(&shown);
    selectedRow_ = -1;
    for (std::size_t i = 0; i < items_.size() && selectedRow_ < 0; ++i)
        if (items_[i] == text) selectedRow_ = static_cast<int>(i);
    if (list_ == nullptr) return;
    list_->setCurrentRow(selectedRow_);
    if (selectedRow_ < 0) list_->clearSelection();
}

void KxMultiChoiceCtrl::choose(int row) {
    const std::string text = row >= 0 && row < static_cast<int>(items_.size())
                                 ? items_[static_cast<std::size_t>(row)]
                                 : std::string();
    if (text == chosen_ && (row >= 0) == (selectedItem() >= 0)) return;
    setChosen(text);
    markModified();
}

void KxMultiChoiceCtrl::applyReadOnly(bool readOnly) {
    arrow_->setEnabled(!readOnly);
    showFocus(hasFocus()); // the face takes the box's new look
    if (readOnly) closeList();
}

// ---- the list ----------------------------------------------------------------------------

bool KxMultiChoiceCtrl::isListOpen() const {
    return list_ != nullptr && list_->isVisible();
}

void KxMultiChoiceCtrl::openList() {
    if (isReadOnly() || items_.empty() || isListOpen()) return;
    arrow_->setDown(true);
    makeList()->popUpUnder(this);
}

void KxMultiChoiceCtrl::closeList() {
    if (isListOpen()) list_->hide();
}

// Made on first use: most boxes on a form are never opened, and a list made while the form
// is being built would start with the form's painting switched off.
KxMultiChoiceInnerCtrl* KxMultiChoiceCtrl::makeList() {
    if (list_ != nullptr) return list_;
    list_ = new KxMultiChoiceInnerCtrl(this);
    connect(list_, &KxMultiChoiceInnerCtrl::chosen, this, [this](int row) { choose(row); });
    connect(list_, &KxMultiChoiceInnerCtrl::closed, this, [this] {
        arrow_->setDown(false);
        setFocus(Qt::PopupFocusReason);
    });
    fillList();
    return list_;
}

void KxMultiChoiceCtrl::fillList() {
    list_->clear();
    for (const std::string& item : items_)
        list_->addItem(kxQt(item));
    list_->setCurrentRow(selectedRow_);
    if (selectedRow_ < 0) list_->clearSelection();
}

int KxMultiChoiceCtrl::itemStartingWith(const QString& c) const {
    const int n = static_cast<int>(items_.size());
    for (int step = 1; step <= n; ++step) {
        const int row = (selectedItem() + step + n) % n;
        if (kxQt(items_[static_cast<std::size_t>(row)]).startsWith(c, Qt::CaseInsensitive))
            return row;
    }
    return -1;
}

// ---- keys and focus ----------------------------------------------------------------------

bool KxMultiChoiceCtrl::event(QEvent* e) {
    if (navigateOnTab(e)) return true;
    return QWidget::event(e);
}

void KxMultiChoiceCtrl::keyPressEvent(QKeyEvent* e) {
    if (isReadOnly() || items_.empty()) {
        QWidget::keyPressEvent(e);
        return;
    }
    const bool alt = e->modifiers() & Qt::AltModifier;
    const int n = static_cast<int>(items_.size());
    switch (e->key()) {
    case Qt::Key_F4:
    case Qt::Key_Space:
        openList();
        return;
    case Qt::Key_Down:
        if (alt)
            openList();
        else
            choose(std::min(selectedItem() + 1, n - 1));
        return;
    case Qt::Key_Up:
        if (alt)
            openList();
        else
            choose(std::max(selectedItem() - 1, 0));
        return;
    case Qt::Key_Home:
        choose(0);
        return;
    case Qt::Key_End:
        choose(n - 1);
        return;
    case Qt::Key_Delete:
    case Qt::Key_Backspace:
        choose(-1); // the field becomes empty
        return;
    default:
        break;
    }
    if (!e->text().isEmpty() && e->text().at(0).isPrint() &&
        !(e->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        const int row = itemStartingWith(e->text());
        if (row >= 0) choose(row);
        return;
    }
    QWidget::keyPressEvent(e);
}

bool KxMultiChoiceCtrl::eventFilter(QObject* watched, QEvent* e) {
    if (watched == text_->viewport() && e->type() == QEvent::MouseButtonPress) {
        setFocus(Qt::MouseFocusReason);
        openList();
        return true;
    }
    return QWidget::eventFilter(watched, e);
}

void KxMultiChoiceCtrl::focusInEvent(QFocusEvent* e) {
    QWidget::focusInEvent(e);
    showFocus(true);
}

void KxMultiChoiceCtrl::focusOutEvent(QFocusEvent* e) {
    QWidget::focusOutEvent(e);
    showFocus(false);
}

// The focused box shows its text highlighted, as a drop-down list does.
void KxMultiChoiceCtrl::showFocus(bool focused) {
    QPalette palette = this->palette();
    if (focused) {
        palette.setColor(QPalette::Base, palette.color(QPalette::Highlight));
        palette.setColor(QPalette::Text, palette.color(QPalette::HighlightedText));
    }
    text_->setPalette(palette);
}

void KxMultiChoiceCtrl::fitHeight() {
    const int wanted = text_->height() + 2 * frameWidth();
    if (wanted == height() && minimumHeight() == wanted) return;
    setFixedHeight(wanted);
    emit notifier().resized(this);
}

int KxMultiChoiceCtrl::frameWidth() const {
    return std::max(2, style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this));
}

// The box wears the frame of an edit box; the text and the arrow sit inside it.
void KxMultiChoiceCtrl::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QStyleOptionFrame option;
    option.initFrom(this);
    option.lineWidth = frameWidth();
    option.state |= QStyle::State_Sunken;
    if (isReadOnly()) option.state |= QStyle::State_ReadOnly;
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &option, &painter, this);
}
