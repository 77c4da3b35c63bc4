#include "views/widgets/KxDbRecordCtrl.h"

#include "engine/KxItemListChunk.h"
#include "app/CommandFailure.h"
#include "app/KxDbDoc.h"
#include "views/widgets/KxBaseCtrl.h"
#include "views/widgets/KxCtrlMetrics.h"
#include "views/widgets/KxFieldCtrlFactory.h"
#include "views/widgets/KxLabelCtrl.h"
#include "views/widgets/KxQtText.h"
#include "views/PaneStrings.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QScrollBar>
#include <QStyle>
#include <QWheelEvent>

#include <algorithm>

namespace {

int heightOf(QWidget* w) {
    return w->maximumHeight() < QWIDGETSIZE_MAX ? w->maximumHeight() : w->sizeHint().height();
}
} // namespace

KxDbRecordCtrl::KxDbRecordCtrl(KxDbDoc& doc, QWidget* parent) : QFrame(parent), doc_(doc), session_(doc) {
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken); // the client edge
    setFocusPolicy(Qt::StrongFocus);
    content_ = new QWidget(this);
    scroll_ = new QScrollBar(Qt::Vertical, this);
    scroll_->setObjectName(QStringLiteral("formScrollBar"));
    scroll_->setEnabled(false);
    connect(scroll_, &QScrollBar::valueChanged, this, [this](int position) { scrollTo(position); });

    category_ = new QComboBox(content_);
    category_->setObjectName(QStringLiteral("KxRecordComboBox"));
    category_->setToolTip(kxQtString(kxStrRecordCategoryTip));
    const QFontMetrics metrics(category_->font());
    const int edge = style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
    category_->setFixedWidth(metrics.horizontalAdvance(kxQtString(kxStrEditCategoriesItem)) + 2 * edge + 50);
    category_->hide();
    connect(category_, &QComboBox::activated, this, [this](int index) { chooseCategory(index); });
}

KxDbRecordCtrl::~KxDbRecordCtrl() = default;

QSize KxDbRecordCtrl::minimumSizeHint() const { return {80, 60}; }

// ---- building -------------------------------------------------------------------------------

void KxDbRecordCtrl::showRecord(std::int32_t index, bool rebuild) {
    // Windows there are repaint only what changes in them; new ones are painted once, whole.
    filling_ = true;
    layoutHeld_ = true;
    bool reused = false;
    try {
        reused = !rebuild && showInSameWindows(index);
        if (!reused) {
            setUpdatesEnabled(false);
            showInNewWindows(index);
        }
    } catch (...) {
        filling_ = false;
        layoutHeld_ = false;
        setUpdatesEnabled(true);
        throw;
    }
    filling_ = false;
    layoutHeld_ = false;
    scroll_->setValue(0);
    layoutItems();
    if (!reused) setUpdatesEnabled(true);
}

bool KxDbRecordCtrl::showInSameWindows(std::int32_t index) {
    if (items_.empty() || content_->isAncestorOf(QApplication::focusWidget())) return false;
    session_.take(-1); // gives the previous record back
    try {
        session_.take(index);
    } catch (...) {
        showInNewWindows(KxDbDoc::kNoRecord); // a record that cannot be taken leaves the form empty
        throw;
    }
    if (!session_.holds()) return false;
    const std::vector<ItemPlan> plans = planItems();
    if (!std::equal(plans.begin(), plans.end(), items_.begin(), items_.end(),
                    [](const ItemPlan& plan, const Item& item) { return plan == item.plan; }))
        return false;
    lastFocused_.clear(); // as on a new form
    showValues(false);
    fillCategoryBox();
    return true;
}

void KxDbRecordCtrl::showInNewWindows(std::int32_t index) {
    category_->clear();
    category_->hide();
    session_.take(-1); // gives the previous record back before its windows go
    clearItems();
    session_.take(index);
    if (!session_.holds()) return;
    createItems(planItems());
    fillItems();
    fillCategoryBox();
    category_->show();
}

void KxDbRecordCtrl::clearItems() {
    for (QWidget* w : itemWindows_) {
        w->hide();
        w->deleteLater();
    }
    itemWindows_.clear();
    items_.clear();
    lastFocused_.clear();
}

// Which items show depends on the record's values.
std::vector<KxDbRecordCtrl::ItemPlan> KxDbRecordCtrl::planItems() const {
    const KxHeaderChunk& header = doc_.database().header();
    const auto rows = kxShownFormRows(header, session_.readOnlyForm(), [this](std::size_t field) {
        return !session_.record().rawValue(field).empty();
    });
    std::vector<ItemPlan> plans;
    plans.reserve(rows.size());
    for (const KxFormRow& row : rows) {
        const KxFieldDef& def = header.fields[row.field];
        ItemPlan plan{row, def.label, {}};
        KxFieldCtrlSpec& spec = plan.spec;
        spec.type = static_cast<int>(row.type);
        spec.field = row.field;
        spec.decimals = static_cast<int>(def.typeOption);
        spec.flags = row.flags;
        spec.displayOnly = row.displayOnly;
        if (row.type == KxFieldType::MultipleChoice && def.itemList) {
            const KxItemListChunk& list = doc_.database().itemListOf(row.field);
            for (std::size_t i = 0; i < list.itemCount(); ++i) spec.items.push_back(list.itemText(i));
        }
        plans.push_back(std::move(plan));
    }
    return plans;
}

void KxDbRecordCtrl::createItems(const std::vector<ItemPlan>& plans) {
    kxSetFocusScope(content_);
    for (const ItemPlan& plan : plans) {
        const KxFormRow& row = plan.row;
        Item item;
        item.plan = plan;
        item.label = new KxLabelCtrl(kxQt(plan.label), content_);
        item.label->setAlignment((row.labelRight ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
        itemWindows_.push_back(item.label);

        item.ctrl = kxCreateFormCtrl(plan.spec, content_);
        if (item.ctrl) {
            item.ctrl->setFieldNumber(row.field);
            if (row.displayOnly) item.ctrl->setReadOnly(true);
            QWidget* w = item.ctrl->widget();
            itemWindows_.push_back(w);
            KxCtrlNotifier& n = item.ctrl->notifier();
            connect(&n, &KxCtrlNotifier::resized, this, [this](QWidget*) {
                if (!layoutHeld_) layoutItems();
            });
            connect(&n, &KxCtrlNotifier::leftModified, this,
                    [this](QWidget* c) { kxRunGuarded(doc_.ui(), [&] { commitControl(KxBaseCtrl::of(c)); }); });
            connect(&n, &KxCtrlNotifier::focusEntered, this, [this](QWidget* c) {
                lastFocused_ = c;
                ensureVisible(c);
            });
            connect(&n, &KxCtrlNotifier::caretMoved, this, [this](QWidget* c, int y) {
                // The caret's line, not the whole box: a long text may be taller than the form.
                const int top = c->mapTo(content_, QPoint(0, y)).y();
                ensureVisible(top, top + fontMetrics().height());
            });
        }
        items_.push_back(item);
    }
}

void KxDbRecordCtrl::fillItems() {
    showValues(false);
    for (Item& item : items_)
        if (item.ctrl) item.ctrl->widget()->show();
    for (QWidget* w : itemWindows_) w->show();
}

void KxDbRecordCtrl::showValues(bool calculationsOnly) {
    for (Item& item : items_)
        if (item.ctrl && (!calculationsOnly || item.plan.row.type == KxFieldType::Calculation))
            item.ctrl->showValue(session_.record().value(item.plan.row.field));
}

void KxDbRecordCtrl::fillCategoryBox() {
    const bool wasFilling = filling_;
    filling_ = true;
    const auto entries = session_.categoryEntries();
    // Another record mostly finds the box as it is: filling it again would only repaint it.
    bool same = category_->count() == static_cast<int>(entries.size()) + 1;
    for (int i = 0; same && i < static_cast<int>(entries.size()); ++i)
        same = category_->itemData(i).toInt() == entries[static_cast<std::size_t>(i)].first &&
               category_->itemText(i) == kxQt(entries[static_cast<std::size_t>(i)].second);
    if (!same) {
        category_->clear();
        for (const auto& [slot, name] : entries) category_->addItem(kxQt(name), slot);
        category_->addItem(kxQtString(kxStrEditCategoriesItem), kEditCategoriesItem);
    }
    const int at = category_->findData(static_cast<int>(session_.category()));
    category_->setCurrentIndex(at >= 0 ? at : category_->count() - 2);
    filling_ = wasFilling;
}

// ---- layout and scrolling -------------------------------------------------------------------

void KxDbRecordCtrl::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    layoutItems();
}

void KxDbRecordCtrl::layoutItems() {
    const QRect client = contentsRect();
    const int barWidth = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    scroll_->setGeometry(client.right() - barWidth + 1, client.top(), barWidth, client.height());
    const int width = std::max(0, client.width() - barWidth);
    const int inner = std::max(0, width - 2 * kMargin);

    int y = kMargin;
    if (category_->isVisibleTo(this)) {
        category_->move(std::max(kMargin, width - kMargin - category_->width()), y);
        y += category_->height() + kMargin;
    }
    for (Item& item : items_) {
        const int labelEnd = kMargin + inner * item.plan.row.labelPercent / 100;
        const int ctrlEnd = kMargin + inner * item.plan.row.controlPercent / 100;
        int height = item.label->sizeHint().height();
        if (item.ctrl) {
            QWidget* w = item.ctrl->widget();
            const int h = heightOf(w);
            w->setGeometry(labelEnd + kMargin, y, std::max(16, ctrlEnd - labelEnd - kMargin), h);
            // The label sits level with the control's first line, however tall the control grows.
            item.label->setGeometry(kMargin, y, std::max(0, labelEnd - kMargin), std::max(height, kxStandardCtrlHeight()));
            height = std::max({height, h, kxStandardCtrlHeight()});
        } else {
            // A Label Only item: its text across the item's whole width.
            item.label->setGeometry(kMargin, y, std::max(0, ctrlEnd - kMargin), height);
        }
        y += height + kMargin;
    }
    contentHeight_ = y;
    content_->resize(width, std::max(contentHeight_, client.height()));
    const int range = std::max(0, contentHeight_ - client.height());
    scroll_->setEnabled(session_.holds() && range > 0);
    scroll_->setRange(0, range);
    scroll_->setPageStep(std::max(1, client.height()));
    scroll_->setSingleStep(std::max(1, fontMetrics().height()));
    scrollTo(scroll_->value());
}

void KxDbRecordCtrl::scrollTo(int position) {
    const QRect client = contentsRect();
    content_->move(client.left(), client.top() - position);
}

void KxDbRecordCtrl::wheelEvent(QWheelEvent* event) {
    QApplication::sendEvent(scroll_, event);
}

void KxDbRecordCtrl::ensureVisible(QWidget* ctrl) {
    if (!ctrl || !content_->isAncestorOf(ctrl)) return;
    const int top = ctrl->mapTo(content_, QPoint(0, 0)).y();
    ensureVisible(top, top + ctrl->height());
}

void KxDbRecordCtrl::ensureVisible(int top, int bottom) {
    const QRect client = contentsRect();
    const int position = scroll_->value();
    if (top - kMargin < position)
        scroll_->setValue(top - kMargin);
    else if (bottom + kMargin > position + client.height())
        scroll_->setValue(std::min(top - kMargin, bottom + kMargin - client.height()));
}

QWidget* KxDbRecordCtrl::focusTarget() const {
    if (lastFocused_ && lastFocused_->isVisible()) return lastFocused_;
    for (const Item& item : items_)
        if (item.ctrl && item.ctrl->widget()->focusPolicy() != Qt::NoFocus) return item.ctrl->widget();
    return nullptr;
}

void KxDbRecordCtrl::focusInEvent(QFocusEvent* event) {
    QFrame::focusInEvent(event);
    if (QWidget* target = focusTarget()) target->setFocus(event->reason());
}

// ---- edits ----------------------------------------------------------------------------------

KxDbRecordCtrl::Item* KxDbRecordCtrl::itemOf(KxBaseCtrl* ctrl) {
    for (Item& item : items_)
        if (item.ctrl == ctrl) return &item;
    return nullptr;
}

KxBaseCtrl* KxDbRecordCtrl::controlFor(std::size_t field) const {
    for (const Item& item : items_)
        if (item.ctrl && item.plan.row.field == field) return item.ctrl;
    return nullptr;
}

void KxDbRecordCtrl::commitEdits() {
    for (Item& item : items_)
        if (item.ctrl && item.ctrl->isModified()) commitControl(item.ctrl);
}

void KxDbRecordCtrl::commitControl(KxBaseCtrl* ctrl) {
    Item* item = itemOf(ctrl);
    if (!item) return;
    const auto done = session_.commit(item->plan.row, ctrl->readValue());
    if (!done) return;
    lastFocused_ = ctrl->widget();
    if (done->recalculated) showValues(true);
    if (done->showStored) ctrl->showValue(session_.record().value(item->plan.row.field));
}

void KxDbRecordCtrl::releaseRecord() { session_.release(); }

void KxDbRecordCtrl::takeRecordBack() { session_.retake(); }

void KxDbRecordCtrl::restoreRecord() {
    session_.restore([this] {
        filling_ = true;
        showValues(false);
        fillCategoryBox();
        filling_ = false;
    });
}

void KxDbRecordCtrl::fieldValueReported(std::size_t field, const std::optional<FieldValue>& value) {
    if (!session_.setFromList(field, value)) return;
    if (KxBaseCtrl* ctrl = controlFor(field)) ctrl->showValue(value ? &*value : nullptr);
}

// ---- the category box -----------------------------------------------------------------------

void KxDbRecordCtrl::chooseCategory(int comboIndex) {
    if (filling_ || !session_.holds() || category_->view()->isVisible()) return;
    const int chosen = category_->itemData(comboIndex).toInt();
    const int stored = category_->findData(static_cast<int>(session_.category()));
    if (chosen == kEditCategoriesItem) {
        category_->setCurrentIndex(stored);
        editCategories();
        return;
    }
    if (session_.chooseCategory(static_cast<std::uint16_t>(chosen)) == KxCategoryPick::Refused)
        category_->setCurrentIndex(stored);
}

void KxDbRecordCtrl::editCategories() {
    if (!categoryEditor_) return;
    session_.editCategories(categoryEditor_, [this] { fillCategoryBox(); });
    category_->setFocus(Qt::OtherFocusReason);
}

void KxDbRecordCtrl::categoriesChanged() {
    if (!session_.holds()) return;
    fillCategoryBox();
    session_.categoryShown(static_cast<std::uint16_t>(category_->currentData().toInt()));
}
