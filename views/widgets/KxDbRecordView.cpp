#include "views/widgets/KxDbRecordView.h"

#include "app/CommandFailure.h"
#include "app/KxDbDoc.h"
#include "editors/widgets/KxEditCategoriesDialog.h"
#include "engine/values/FieldValue.h"
#include "views/widgets/KxDbRecordCtrl.h"
#include "app/AppStrings.h"
#include "views/PaneStrings.h"
#include "views/widgets/KxQtText.h"

#include <QFocusEvent>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {
struct ButtonSpec {
    int text; // numbers of the string table
    KxCommand command;
    int toolTip;
};

constexpr ButtonSpec kButtons[KxDbRecordView::kButtonCount] = {
    {kxStrNewRecordButton, KxCommand::NewRecord, kxStrNewRecordTip},
    {kxStrCloneButton, KxCommand::CloneRecord, kxStrCloneRecordTip},
    {kxStrDeleteButton, KxCommand::DeleteRecord, kxStrDeleteRecordTip},
    {kxStrEditButton, KxCommand::Edit, kxStrEditRecordTip},
    {kxStrFinishedButton, KxCommand::Done, kxStrFinishedTip},
    {kxStrPermanentlyDeleteButton, KxCommand::PermanentlyDelete, kxStrPermanentlyDeleteTip},
    {kxStrUndeleteButton, KxCommand::Undelete, kxStrUndeleteTip},
    {kxStrEditButton, KxCommand::Edit, kxStrEditRecordTip},
    {kxStrFinishedButton, KxCommand::Done, kxStrFinishedTip},
};

// The buttons of a group share the width of the widest text, with room of two average
// characters on either side of it (a style's own padding can leave a long text touching
// the frame).
void shareWidth(QPushButton* const* first, std::size_t count) {
    int width = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const QFontMetrics metrics = first[i]->fontMetrics();
        const int text = metrics.horizontalAdvance(QString(first[i]->text()).remove(QLatin1Char('&')));
        width = std::max({width, first[i]->sizeHint().width(), text + 4 * metrics.averageCharWidth()});
    }
    for (std::size_t i = 0; i < count; ++i) first[i]->setFixedWidth(width);
}
} // namespace

KxDbRecordView::KxDbRecordView(KxDbDoc& doc, QWidget* parent) : KxRecordPaneWidget(parent), doc_(doc) {
    setFocusPolicy(Qt::StrongFocus);
    form_ = new KxDbRecordCtrl(doc_, this);
    form_->setObjectName(QStringLiteral("recordForm"));
    form_->setCategoryEditor([this] {
        KxEditCategoriesDialog dialog(this, doc_.database(), doc_.ui());
        dialog.exec();
        return std::pair{dialog.categoriesChanged(), dialog.recordsDeleted()};
    });

    auto* buttonRow = new QHBoxLayout;
    buttonRow->setContentsMargins(0, 0, 0, 0);
    for (std::size_t i = 0; i < kButtonCount; ++i) {
        auto* b = new QPushButton(kxQtString(kButtons[i].text), this);
        // The letter stays underlined; the window's own key for the command (Alt+N for New
        // Record, ...) runs it, which a second owner of the key would make ambiguous.
        b->setShortcut(QKeySequence());
        b->setToolTip(kxQtString(kButtons[i].toolTip));
        b->setFocusPolicy(Qt::TabFocus);
        const KxCommand command = kButtons[i].command;
        connect(b, &QPushButton::clicked, this, [this, command] { emit commandRequested(command); });
        buttons_[i] = b;
        buttonRow->addWidget(b);
    }
    buttonRow->addStretch(1);
    const auto deletedGroup = static_cast<std::size_t>(PermanentlyDelete);
    shareWidth(buttons_.data(), deletedGroup);
    shareWidth(buttons_.data() + deletedGroup, kButtonCount - deletedGroup);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 4);
    layout->setSpacing(4);
    layout->addWidget(form_, 1);
    layout->addLayout(buttonRow);
    refreshButtons();
}

void KxDbRecordView::refreshButtons() {
    const bool open = doc_.isOpen();
    const auto states = kxRecordButtons(open, open && doc_.hasCurrentRecord(), doc_.deletedMode(), mode_);
    for (std::size_t i = 0; i < kButtonCount; ++i) {
        buttons_[i]->setEnabled(states[i].enabled);
        buttons_[i]->setVisible(states[i].shown);
    }
}

void KxDbRecordView::onUpdate(KxViewHint hint) {
    if (hint == KxViewHint::All) form_->setReadOnlyForm(mode_ == Mode::ReadOnly);
    form_->showRecord(doc_.isOpen() ? doc_.currentRecord() : KxDbDoc::kNoRecord, hint == KxViewHint::All);
    refreshButtons();
}

void KxDbRecordView::showRecord(std::int32_t index) {
    // An edit still open in a control belongs to the record being left.
    kxRunGuarded(doc_.ui(), [this] { form_->commitEdits(); });
    refreshButtons();
    form_->showRecord(index, false);
}

void KxDbRecordView::release() { form_->releaseRecord(); }
void KxDbRecordView::retake() { form_->takeRecordBack(); }
void KxDbRecordView::categoriesChanged() { form_->categoriesChanged(); }

void KxDbRecordView::fieldValue(std::size_t field, std::optional<FieldValue> value) {
    form_->fieldValueReported(field, value);
}

void KxDbRecordView::commitEdits() { form_->commitEdits(); }

void KxDbRecordView::setMode(Mode mode, bool refresh) {
    mode_ = mode;
    if (refresh) onUpdate(KxViewHint::All);
}

void KxDbRecordView::setHasReadOnlyMode(bool hasMode) { setMode(kxInitialMode(hasMode), true); }

void KxDbRecordView::setEditing() {
    if (kxModeAfterEdit(mode_) != mode_) setMode(kxModeAfterEdit(mode_), true);
}

void KxDbRecordView::toggleEditMode() {
    if (kxModeAfterToggle(mode_) != mode_) setMode(kxModeAfterToggle(mode_), true);
}

void KxDbRecordView::restoreRecord() { form_->restoreRecord(); }

void KxDbRecordView::focusInEvent(QFocusEvent* event) {
    KxRecordPaneWidget::focusInEvent(event);
    if (QWidget* target = form_->focusTarget())
        target->setFocus(event->reason());
    else
        form_->setFocus(event->reason());
}
