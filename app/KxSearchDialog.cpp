#include "app/KxSearchDialog.h"

#include "FieldDisplay.h"
#include "KxStrings.h"
#include "SavedSearches.h"
#include "app/CommandFailure.h"
#include "app/DbDoc.h"
#include "app/KxEditNamesDialog.h"
#include "app/SearchListSets.h"
#include "editors/CategoryEditing.h"
#include "editors/FieldChoices.h"
#include "views/KxBaseCtrl.h"
#include "views/KxFieldCtrlFactory.h"
#include "views/KxQtText.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <utility>

namespace {
const char* const kAllFieldsText = "All text & numeric fields";
const char* const kNoFieldsText = "No fields";
const char* const kEditNamesText = "Edit Names...";
constexpr int kEditNamesItem = -2;
} // namespace

KxSearchDialog::KxSearchDialog(KxDbDoc& doc, std::optional<std::size_t> search, QWidget* parent)
    : QDialog(parent), doc_(doc) {
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(6);
    for (int i = 0; i < kRowCount; ++i) buildRow(i, grid, i * 2);

    nameLabel_ = new QLabel(tr("&Name for this Search:"), this);
    names_ = new QComboBox(this);
    names_->setObjectName(QStringLiteral("searchName"));
    nameLabel_->setBuddy(names_);
    connect(names_, &QComboBox::activated, this, [this](int index) { onNameChosen(index); });
    listOptions_ = new QPushButton(tr("List O&ptions..."), this);
    listOptions_->setEnabled(false);
    connect(listOptions_, &QPushButton::clicked, this, [this] { runListOptions(); });
    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(nameLabel_);
    nameRow->addWidget(names_, 1);
    nameRow->addWidget(listOptions_);

    auto* ok = new QPushButton(tr("OK"), this);
    ok->setDefault(true);
    auto* cancel = new QPushButton(tr("Cancel"), this);
    mode_ = new QPushButton(this);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(mode_, &QPushButton::clicked, this, [this] { setAdvanced(!advanced_); });
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addWidget(mode_);
    buttons->addStretch(1);

    auto* left = new QVBoxLayout;
    left->addLayout(grid);
    left->addStretch(1);
    left->addLayout(nameRow);
    auto* top = new QHBoxLayout(this);
    top->addLayout(left, 1);
    top->addSpacing(6);
    top->addLayout(buttons);

    KxSearchDialogStart start = kxSearchDialogStart(doc_.database());
    if (search && *search != start.search && *search < KxSavedSearches(doc_.database()).count()) {
        // A saved search without criteria, chosen from the menu: the dialog opens on it.
        start.search = *search;
        start.rows = kxSearchRows(doc_.database(), *search);
        start.listOptionsSet = KxSavedSearches(doc_.database()).listOptionsSet(*search);
        start.advanced = *search > 0 || start.rows.size() > 1;
    }
    listOptionsSet_ = start.listOptionsSet;
    for (int i = 0; i < kRowCount; ++i) fillFieldBox(i);
    loadRows(start.rows);
    fillNameBox(start.search);

    // The full height is the advanced layout's; basic mode takes half of it.
    advanced_ = true;
    applyMode();
    fullHeight_ = sizeHint().height();
    setMinimumWidth(sizeHint().width());
    setAdvanced(start.advanced);
}

void KxSearchDialog::buildRow(int index, QGridLayout* grid, int gridRow) {
    Row& row = rows_[index];
    if (index > 0) {
        row.andLabel = new QLabel(tr("AND"), this);
        grid->addWidget(row.andLabel, gridRow - 1, 0, 1, 4, Qt::AlignLeft);
    }
    row.lookIn = new QLabel(tr("Look In:"), this);
    row.field = new QComboBox(this);
    row.field->setObjectName(QStringLiteral("field%1").arg(index + 1));
    row.field->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    row.lookIn->setBuddy(row.field);
    row.forLabel = new QLabel(tr("for"), this);
    row.op = new QComboBox(this);
    row.op->setObjectName(QStringLiteral("operator%1").arg(index + 1));
    row.op->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    row.valueSlot = new QWidget(this);
    auto* slotLayout = new QHBoxLayout(row.valueSlot);
    slotLayout->setContentsMargins(0, 0, 0, 0);
    row.valueSlot->setMinimumWidth(160);
    grid->addWidget(row.lookIn, gridRow, 0);
    grid->addWidget(row.field, gridRow, 1);
    grid->addWidget(row.forLabel, gridRow, 2);
    grid->addWidget(row.op, gridRow, 3);
    grid->addWidget(row.valueSlot, gridRow, 4);
    grid->setColumnStretch(4, 1);
    connect(row.field, &QComboBox::activated, this, [this, index] { onFieldChosen(index); });
}

std::vector<std::string> KxSearchDialog::categoryNames() const {
    std::vector<std::string> names;
    KxCategoryEditing categories(doc_.database(), doc_.ui());
    for (const auto& entry : categories.list()) names.push_back(entry.second);
    names.push_back(kxString(kxStrUnfiled));
    return names;
}

void KxSearchDialog::fillFieldBox(int index) {
    QComboBox* box = rows_[index].field;
    const QSignalBlocker block(box);
    box->clear();
    if (index > 0) box->addItem(tr(kNoFieldsText), kNoFields);
    box->addItem(tr(kAllFieldsText), int{kAnyField});
    for (const KxFieldChoice& choice : kxFieldChoices(doc_.database().header()))
        box->addItem(kxQt(choice.name), int{choice.field});
    box->addItem(kxQt(kxString(kxStrCategory)), int{kCategoryField});
    box->setCurrentIndex(startItem(index));
}

// Rows 2 and 3 start on "No fields"; row 1 on the first field of the database, the item after
// "All text & numeric fields", or on that one when there is no field before "Category".
int KxSearchDialog::startItem(int index) const {
    if (index > 0) return 0;
    return rows_[0].field->count() > 2 ? 1 : 0;
}

void KxSearchDialog::chooseField(int index, int field) {
    const int at = rows_[index].field->findData(field);
    rows_[index].field->setCurrentIndex(at >= 0 ? at : 0);
    onFieldChosen(index);
}

void KxSearchDialog::onFieldChosen(int index) {
    Row& row = rows_[index];
    const int field = row.field->currentData().toInt();
    row.op->clear();
    if (row.value) delete row.value->widget();
    row.value = nullptr;
    const bool none = field == kNoFields;
    row.forLabel->setVisible(!none);
    row.op->setVisible(!none);
    if (none) return;

    const KxHeaderChunk& header = doc_.database().header();
    const auto field8 = static_cast<std::uint8_t>(field);
    for (KxSearchOperator op : kxOperatorsFor(header, field8))
        row.op->addItem(kxQt(kxOperatorText(header, field8, op)), static_cast<int>(op));
    row.op->setCurrentIndex(0);

    KxFieldCtrlSpec spec;
    spec.field = field;
    if (field == kAnyField || field == kCategoryField) {
        spec.type = field;
        if (field == kCategoryField) spec.items = categoryNames();
    } else {
        const KxFieldDef& def = header.fields[field8];
        spec.type = static_cast<int>(def.type);
        spec.decimals = static_cast<int>(def.typeOption);
        spec.flags = kxFormFlagsOf(header, field8);
    }
    row.value = kxCreateSearchCtrl(spec, row.valueSlot);
    if (row.value) {
        row.value->setFieldNumber(field);
        row.value->showValue(nullptr); // a date box starts on today
        row.valueSlot->layout()->addWidget(row.value->widget());
        row.value->widget()->show();
    }
    widenToContents();
}

void KxSearchDialog::widenToContents() {
    // Another field's operators may be longer than the box had room for.
    const int wanted = sizeHint().width();
    if (wanted > minimumWidth()) setMinimumWidth(wanted);
    if (width() < wanted) resize(wanted, height());
}

void KxSearchDialog::resetRows() {
    for (int i = 0; i < kRowCount; ++i) {
        rows_[i].field->setCurrentIndex(startItem(i));
        onFieldChosen(i);
    }
}

void KxSearchDialog::loadRows(const std::vector<KxSearchRow>& rows) {
    resetRows();
    for (int i = 0; i < kRowCount && i < static_cast<int>(rows.size()); ++i) {
        const KxSearchRow& r = rows[static_cast<std::size_t>(i)];
        chooseField(i, r.field);
        const int op = rows_[i].op->findData(static_cast<int>(r.op));
        if (op >= 0) rows_[i].op->setCurrentIndex(op);
        if (rows_[i].value) rows_[i].value->showValue(r.value);
    }
}

// ---- names ----------------------------------------------------------------------------------

void KxSearchDialog::fillNameBox(std::size_t select) {
    const QSignalBlocker block(names_);
    names_->clear();
    names_->addItem(kxQt(kxString(kxStrNone)), 0);
    KxSavedSearches searches(doc_.database());
    for (std::size_t i = 1; i < searches.count(); ++i)
        names_->addItem(kxQt(searches.name(i)), static_cast<int>(i));
    names_->addItem(tr(kEditNamesText), kEditNamesItem);
    const int at = names_->findData(static_cast<int>(select));
    names_->setCurrentIndex(at >= 0 ? at : 0);
    nameChoice_ = names_->currentIndex();
}

void KxSearchDialog::ensureSearchExists() {
    KxSavedSearches searches(doc_.database());
    if (searches.count() == 0) searches.add();
}

void KxSearchDialog::onNameChosen(int index) {
    const int chosen = names_->itemData(index).toInt();
    if (chosen == kEditNamesItem) {
        names_->setCurrentIndex(nameChoice_);
        editNames();
        return;
    }
    nameChoice_ = index;
    kxRunGuarded(doc_.ui(), [&] {
        ensureSearchExists();
        loadSearch(static_cast<std::size_t>(chosen), false);
    });
}

void KxSearchDialog::loadSearch(std::size_t search, bool keepRowsWithoutCriteria) {
    KxSavedSearches searches(doc_.database());
    const bool exists = search < searches.count();
    setListLink(exists ? searches.listOptionsSet(search) : KxSavedSearches::kNoListOptionsSet, false);
    if (!keepRowsWithoutCriteria || (exists && searches.criterionCount(search) > 0))
        loadRows(kxSearchRows(doc_.database(), search));
}

void KxSearchDialog::editNames() {
    kxRunGuarded(doc_.ui(), [&] {
        ensureSearchExists();
        KxEditNamesDialog dialog(doc_.database(), doc_.ui(), this);
        dialog.exec();
        if (dialog.changed()) result_.searchesEdited = true;
        const auto& deleted = dialog.deletedListSets();
        result_.unusedListSets.insert(result_.unusedListSets.end(), deleted.begin(), deleted.end());
        fillNameBox(dialog.selectedSearch().value_or(0));
        // The search now selected brings its own list options link, so that OK never links
        // the target to the set of a search just deleted. Its criteria replace the rows; a
        // search without any (a new one) takes the rows as they were typed.
        loadSearch(static_cast<std::size_t>(std::max(0, names_->currentData().toInt())), true);
    });
}

void KxSearchDialog::setListOptionsRunner(ListOptionsRunner runner) {
    listOptionsRunner_ = std::move(runner);
    applyMode();
}

void KxSearchDialog::runListOptions() {
    if (!listOptionsRunner_) return;
    kxRunGuarded(doc_.ui(), [&] {
        KxDatabase& db = doc_.database();
        // Editing again starts from the search's own set; a search without one from the set
        // its results would be shown with.
        const std::uint8_t start = listOptionsSet_ < db.header().listSets.size() ? listOptionsSet_ : doc_.mainListSet();
        const auto columns = listOptionsRunner_(doc_, start);
        if (!columns) return;
        const auto made = kxMakeSearchListSet(db, *columns);
        if (!made) return;
        doc_.setModified();
        setListLink(*made, true);
    });
}

// The search's list options link changes; a set made here that it no longer names goes.
void KxSearchDialog::setListLink(std::uint8_t set, bool made) {
    const std::optional<std::uint8_t> before = std::exchange(madeSet_, made ? std::optional(set) : std::nullopt);
    listOptionsSet_ = set;
    if (before && *before != set) dropListSet(*before);
}

void KxSearchDialog::dropListSet(std::uint8_t set) {
    for (const std::uint8_t gone : kxUnusedListSets(doc_.database(), {set}, doc_.mainListSet())) {
        kxDeleteListSet(doc_.database(), gone);
        auto renumber = [gone](std::uint8_t& held) { held = kxListSetAfterDeletion(held, gone); };
        renumber(listOptionsSet_);
        if (madeSet_) renumber(*madeSet_);
        for (std::uint8_t& queued : result_.unusedListSets) renumber(queued);
        doc_.setMainListSet(kxListSetAfterDeletion(doc_.mainListSet(), gone));
    }
}

// ---- modes ----------------------------------------------------------------------------------

void KxSearchDialog::setAdvanced(bool advanced) {
    advanced_ = advanced;
    applyMode();
    if (fullHeight_ > 0) {
        layout()->activate();
        const int height = advanced_ ? fullHeight_ : std::max(fullHeight_ / 2, minimumSizeHint().height());
        setFixedHeight(height);
    }
}

void KxSearchDialog::applyMode() {
    setWindowTitle(advanced_ ? tr("Advanced Search") : tr("Search Records"));
    mode_->setText(advanced_ ? tr("&Basic") : tr("&Advanced"));
    for (int i = 1; i < kRowCount; ++i) {
        Row& row = rows_[i];
        const bool none = row.field->currentData().toInt() == kNoFields;
        row.andLabel->setVisible(advanced_);
        row.lookIn->setVisible(advanced_);
        row.field->setVisible(advanced_);
        row.forLabel->setVisible(advanced_ && !none);
        row.op->setVisible(advanced_ && !none);
        row.valueSlot->setVisible(advanced_);
    }
    nameLabel_->setVisible(advanced_);
    names_->setVisible(advanced_);
    listOptions_->setVisible(advanced_);
    listOptions_->setEnabled(advanced_ && listOptionsRunner_ != nullptr);
}

// ---- OK -------------------------------------------------------------------------------------

KxSearchRequest KxSearchDialog::request() const {
    KxSearchRequest request;
    request.advanced = advanced_;
    request.chosenSearch = advanced_ ? static_cast<std::size_t>(std::max(0, names_->currentData().toInt())) : 0;
    request.listOptionsSet = listOptionsSet_;
    const int used = advanced_ ? kRowCount : 1;
    for (int i = 0; i < used; ++i) {
        const Row& row = rows_[i];
        const int field = row.field->currentData().toInt();
        if (field == kNoFields) {
            request.rows.emplace_back(std::nullopt);
            continue;
        }
        KxSearchRow r;
        r.field = static_cast<std::uint8_t>(field);
        r.op = static_cast<KxSearchOperator>(row.op->currentData().toInt());
        if (row.value) r.value = row.value->readValue();
        request.rows.emplace_back(r);
    }
    return request;
}

void KxSearchDialog::accept() {
    result_.request = request();
    // Storing the request links the set made here; should it fail, nothing names the set
    // and it goes afterwards like the others.
    if (madeSet_) result_.unusedListSets.push_back(*std::exchange(madeSet_, std::nullopt));
    QDialog::accept();
}

void KxSearchDialog::reject() {
    if (madeSet_) kxRunGuarded(doc_.ui(), [&] { dropListSet(*std::exchange(madeSet_, std::nullopt)); });
    QDialog::reject();
}

KxSearchDialogResult kxRunSearchDialog(KxDbDoc& doc, std::size_t search, QWidget* parent,
                                       KxSearchDialog::ListOptionsRunner listOptions) {
    KxSearchDialog dialog(doc, search, parent);
    if (listOptions) dialog.setListOptionsRunner(std::move(listOptions));
    dialog.exec();
    return dialog.result();
}
