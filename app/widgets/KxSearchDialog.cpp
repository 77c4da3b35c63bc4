#include "app/widgets/KxSearchDialog.h"

#include "engine/FieldDisplay.h"
#include "app/CommandFailure.h"
#include "app/KxDbDoc.h"
#include "app/widgets/KxEditNamesDialog.h"
#include "views/widgets/KxBaseCtrl.h"
#include "views/widgets/KxFieldCtrlFactory.h"
#include "views/widgets/KxQtText.h"
#include "app/AppStrings.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <utility>

KxSearchDialog::KxSearchDialog(KxDbDoc& doc, std::optional<std::size_t> search, QWidget* parent)
    : QDialog(parent), doc_(doc), model_(doc, search) {
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(6);
    for (int i = 0; i < kRowCount; ++i) buildRow(i, grid, i * 2);

    nameLabel_ = new QLabel(kxQtString(kxStrSearchNameLabel), this);
    names_ = new QComboBox(this);
    names_->setObjectName(QStringLiteral("searchName"));
    nameLabel_->setBuddy(names_);
    connect(names_, &QComboBox::activated, this, [this](int index) { onNameChosen(index); });
    listOptions_ = new QPushButton(kxQtString(kxStrSearchListOptions), this);
    listOptions_->setEnabled(false);
    connect(listOptions_, &QPushButton::clicked, this, [this] { runListOptions(); });
    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(nameLabel_);
    nameRow->addWidget(names_, 1);
    nameRow->addWidget(listOptions_);

    auto* ok = new QPushButton(kxQtString(kxStrOk), this);
    ok->setDefault(true);
    auto* cancel = new QPushButton(kxQtString(kxStrCancel), this);
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

    const KxSearchDialogStart& start = model_.start();
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
        row.andLabel = new QLabel(kxQtString(kxStrSearchAnd), this);
        grid->addWidget(row.andLabel, gridRow - 1, 0, 1, 4, Qt::AlignLeft);
    }
    row.lookIn = new QLabel(kxQtString(kxStrSearchLookIn), this);
    row.field = new QComboBox(this);
    row.field->setObjectName(QStringLiteral("field%1").arg(index + 1));
    row.field->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    row.lookIn->setBuddy(row.field);
    row.forLabel = new QLabel(kxQtString(kxStrSearchFor), this);
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

void KxSearchDialog::fillBox(QComboBox* box, const std::vector<KxSearchEditing::Entry>& entries) {
    const QSignalBlocker block(box);
    box->clear();
    for (const auto& [entryText, entryData] : entries) box->addItem(kxQt(entryText), entryData);
}

void KxSearchDialog::fillFieldBox(int index) {
    fillBox(rows_[index].field, model_.fieldEntries(index));
    rows_[index].field->setCurrentIndex(startItem(index));
}

int KxSearchDialog::startItem(int index) const {
    return KxSearchEditing::startEntry(index, rows_[index].field->count());
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
        if (field == kCategoryField) spec.items = model_.categoryNames();
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
    fillBox(names_, model_.nameEntries());
    const QSignalBlocker block(names_);
    const int at = names_->findData(static_cast<int>(select));
    names_->setCurrentIndex(at >= 0 ? at : 0);
    nameChoice_ = names_->currentIndex();
}

void KxSearchDialog::onNameChosen(int index) {
    const int chosen = names_->itemData(index).toInt();
    if (chosen == KxSearchEditing::kEditNamesItem) {
        names_->setCurrentIndex(nameChoice_);
        editNames();
        return;
    }
    nameChoice_ = index;
    kxRunGuarded(doc_.ui(), [&] {
        model_.ensureSearchExists();
        loadSearch(static_cast<std::size_t>(chosen), false);
    });
}

void KxSearchDialog::loadSearch(std::size_t search, bool keepRowsWithoutCriteria) {
    if (const auto rows = model_.chooseSearch(search, keepRowsWithoutCriteria)) loadRows(*rows);
}

void KxSearchDialog::editNames() {
    kxRunGuarded(doc_.ui(), [&] {
        model_.ensureSearchExists();
        KxEditNamesDialog dialog(doc_.database(), doc_.ui(), this);
        dialog.exec();
        model_.namesEdited(dialog.changed(), dialog.deletedListSets());
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
        const auto columns = listOptionsRunner_(doc_, model_.listOptionsStart());
        if (columns) model_.listOptionsChosen(*columns);
    });
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
    setWindowTitle(advanced_ ? kxQtString(kxStrAdvancedSearchTitle) : kxQtString(kxStrSearchRecordsTitle));
    mode_->setText(advanced_ ? kxQtString(kxStrSearchBasicButton) : kxQtString(kxStrSearchAdvancedButton));
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
    request.listOptionsSet = model_.listOptionsSet();
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
    model_.accept(request());
    QDialog::accept();
}

void KxSearchDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (rows_[0].value) rows_[0].value->widget()->setFocus(Qt::OtherFocusReason);
    else rows_[0].field->setFocus(Qt::OtherFocusReason);
}

void KxSearchDialog::reject() {
    kxRunGuarded(doc_.ui(), [&] { model_.reject(); });
    QDialog::reject();
}

KxSearchDialogResult kxRunSearchDialog(KxDbDoc& doc, std::size_t search, QWidget* parent,
                                       KxSearchDialog::ListOptionsRunner listOptions) {
    KxSearchDialog dialog(doc, search, parent);
    if (listOptions) dialog.setListOptionsRunner(std::move(listOptions));
    dialog.exec();
    return dialog.result();
}
