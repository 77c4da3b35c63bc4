#include "views/widgets/KxDbListView.h"

#include "platform/Cp1252.h"
#include "engine/KxDatabase.h"
#include "engine/Sort.h"
#include "app/KxDbDoc.h"
#include "app/KxDisplayModes.h"
#include "app/widgets/KxDbApp.h"
#include "editors/widgets/KxEditCategoriesDialog.h"
#include "views/widgets/KxCheckCellDelegate.h"
#include "views/widgets/KxRecordTableModel.h"
#include "engine/values/FieldValue.h"
#include "engine/values/TypeCodes.h"
#include "views/ListRows.h"
#include "views/widgets/KxQtText.h"
#include "views/PaneStrings.h"

#include <QApplication>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSplitter>
#include <QStyle>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace {
std::pair<bool, bool> runCategoryDialog(QWidget* parent, KxDbDoc& doc) {
    KxEditCategoriesDialog dialog(parent, doc.database(), doc.ui());
    dialog.exec();
    return {dialog.categoriesChanged(), dialog.recordsDeleted()};
}
} // namespace

KxDbListView::KxDbListView(KxDbDoc& doc, QWidget* parent)
    : KxListPaneWidget(parent), doc_(doc), model_(new KxRecordTableModel(doc, this)), list_(new QTableView(this)),
      lookupLabel_(new QLabel(kxQtString(kxStrLookUp), this)), lookup_(new QLineEdit(this)),
      categories_(new QComboBox(this)), showAll_(new QPushButton(kxQtString(kxStrShowAll), this)),
      categoryEditor_(runCategoryDialog) {
    list_->setObjectName(QStringLiteral("recordList"));
    list_->setModel(model_);
    list_->setFont(KxDbApp::sharedFont(0));
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setShowGrid(false);
    list_->setWordWrap(false);
    list_->setSortingEnabled(false);
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list_->verticalHeader()->hide();
    list_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    list_->verticalHeader()->setDefaultSectionSize(list_->fontMetrics().height() + 4);
    list_->horizontalHeader()->setSectionsClickable(false);
    list_->horizontalHeader()->setHighlightSections(false);
    list_->horizontalHeader()->setStretchLastSection(false);
    list_->horizontalHeader()->setMinimumSectionSize(0);
    list_->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    list_->setItemDelegate(new KxCheckCellDelegate(list_));
    list_->viewport()->installEventFilter(this);

    lookup_->setObjectName(QStringLiteral("lookupBox"));
    lookup_->setToolTip(kxQtString(kxStrLookUpTip));
    lookup_->installEventFilter(this);
    categories_->setObjectName(QStringLiteral("categoryBox"));
    categories_->setToolTip(kxQtString(kxStrCategoryFilterTip));
    categories_->setMaxVisibleItems(17);
    showAll_->setObjectName(QStringLiteral("showAllButton"));
    showAll_->setToolTip(kxQtString(kxStrShowAllTip));
    showAll_->setAutoDefault(false);
    showAll_->setShortcut(QKeySequence()); // Alt+S is the window's Show All Records

    const int edge = style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
    const QFontMetrics metrics(font());
    categories_->setFixedWidth(std::max(metrics.horizontalAdvance(kxQtString(kxStrEditCategoriesItem)) + 2 * edge + 50,
                                        categories_->minimumSizeHint().width()));
    showAll_->setFixedWidth(std::max(metrics.horizontalAdvance(kxQtString(kxStrShowAll).remove(QLatin1Char('&'))) + 2 * edge + 10, 74));

    auto* bottom = new QHBoxLayout;
    bottom->setContentsMargins(4, 2, 4, 2);
    bottom->setSpacing(6);
    bottom->addWidget(lookupLabel_);
    bottom->addWidget(lookup_, 1);
    bottom->addWidget(categories_);
    bottom->addWidget(showAll_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(list_, 1);
    layout->addLayout(bottom);
    setFocusProxy(lookup_);
    showAll_->hide();

    connect(list_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& now) { rowSelected(now.isValid() ? now.row() : -1); });
    connect(list_->horizontalHeader(), &QHeaderView::sectionResized, this, &KxDbListView::columnResized);
    connect(lookup_, &QLineEdit::textChanged, this, &KxDbListView::lookupEdited);
    connect(categories_, &QComboBox::activated, this, &KxDbListView::categoryChosen);
    connect(showAll_, &QPushButton::clicked, this, [this] { emit commandRequested(KxCommand::ShowAllRecords); });
}

KxDbListView::~KxDbListView() = default;

int KxDbListView::rowCount() const { return model_->rowCount(); }

bool KxDbListView::isLookupBox(const QWidget* widget) const { return widget == lookup_; }

std::uint8_t KxDbListView::listSetInForce() const { return KxDisplayModes(doc_).listSetInForce(); }

// --- updates from the document ---

void KxDbListView::onUpdate(KxViewHint hint) {
    if (!doc_.isOpen()) {
        KxFlagScope updating(state_.updating);
        model_->clear();
        categories_->clear();
        state_.reset();
        clearLookupText(true);
        emit positionChanged();
        return;
    }
    switch (hint) {
    case KxViewHint::All:
    case KxViewHint::RecordSetChanged: rebuild(hint); break;
    case KxViewHint::RecordInserted:
    case KxViewHint::RecordCloned: insertRow(hint); break;
    case KxViewHint::RecordRemoved:
    case KxViewHint::RecordUndeleted: removeRow(); break;
    }
    emit positionChanged();
}

void KxDbListView::rebuild(KxViewHint hint) {
    if (hint == KxViewHint::All) {
        doc_.recordPane().showRecord(KxDbDoc::kNoRecord);
        // The stored split of the window comes with the file.
        doc_.frame().setListPaneShare(doc_.database().fileHeader().listPaneShare(), true);
    }
    fillCategoryBox();
    showModeControls();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    try {
        fillRows(hint == KxViewHint::All);
    } catch (...) {
        list_->setUpdatesEnabled(true);
        QApplication::restoreOverrideCursor();
        throw;
    }
    QApplication::restoreOverrideCursor();
}

void KxDbListView::fillRows(bool newColumns) {
    {
        KxFlagScope updating(state_.updating);
        dropEmptyRecord();
        state_.lastRow = -1;
        const KxDatabase& db = doc_.database();
        std::vector<std::uint32_t> rows = kxRowsInView(db, doc_.deletedMode(), doc_.viewFilter());
        const std::size_t count = rows.size();
        if (newColumns) {
            KxListLayout layout = kxListLayoutOf(db, listSetInForce());
            state_.lookupColumn = layout.lookupColumn;
            state_.lookupAscending = layout.lookupAscending;
            model_->reset(std::move(layout.columns), std::move(rows));
        } else {
            model_->reset(model_->columns(), std::move(rows));
        }
        if (KxWaitBox* box = doc_.progressBox()) box->setProgress(count + 1, count + 1);
        applyColumnWidths();
    }
    const std::int32_t current = doc_.currentRecord();
    const int row = current >= 0 ? model_->rowOf(static_cast<std::uint32_t>(current)) : -1;
    if (model_->rowCount() == 0) {
        if (current != KxDbDoc::kNoRecord) doc_.setModified();
        doc_.setCurrentRecord(KxDbDoc::kNoRecord);
        doc_.recordPane().showRecord(KxDbDoc::kNoRecord);
    } else {
        // A current record outside the rows (another category chosen) gives way to the first.
        selectRow(std::max(row, 0));
    }
    list_->viewport()->update();
}

void KxDbListView::dropEmptyRecord() {
    // The removal it may cause comes back as hint 4 for the row of the current record.
    doc_.dropEmptyRecord();
}

void KxDbListView::insertRow(KxViewHint hint) {
    KxFlagScope updating(state_.updating);
    int row = 0;
    if (state_.lastRow >= 0) row = hint == KxViewHint::RecordCloned ? state_.lastRow + 1 : state_.lastRow;
    const std::int32_t current = doc_.currentRecord();
    if (current < 0) return;
    model_->insertRecordRow(row, static_cast<std::uint32_t>(current));
    state_.lastRow = -1;
    selectRow(row);
}

void KxDbListView::removeRow() {
    KxFlagScope updating(state_.updating);
    const int row = state_.lastRow;
    if (row < 0) return;
    {
        KxFlagScope selecting(state_.selecting);
        model_->removeRecordRow(row);
    }
    state_.lastRow = -1;
    // While a row change drops the empty record it leaves, the new row is chosen already.
    if (state_.selecting || model_->rowCount() == 0) return;
    selectRow(std::min(row, model_->rowCount() - 1));
}

// --- selection ---

void KxDbListView::selectRow(int row) {
    if (row < 0 || row >= model_->rowCount()) return;
    if (list_->currentIndex().row() == row && state_.lastRow == row) return;
    if (list_->currentIndex().row() == row) {
        rowSelected(row); // Qt reports no change; the row still has to become current
    } else {
        list_->setCurrentIndex(model_->index(row, 0));
    }
    list_->scrollTo(model_->index(row, 0));
}

void KxDbListView::rowSelected(int row) {
    if (state_.selecting || row < 0 || row == state_.lastRow || row >= model_->rowCount()) return;
    KxFlagScope selecting(state_.selecting);
    std::uint32_t record = model_->recordOf(row);
    const int previous = state_.lastRow;
    if (!state_.updating && previous >= 0) {
        const int before = model_->rowCount();
        dropEmptyRecord();
        if (model_->rowCount() < before) {
            // The previous row went; the rows below it moved up and show records one nearer.
            if (previous < row) --row;
            record = model_->recordOf(row);
        }
    }
    // The form may have moved the previous record into another category.
    if (previous >= 0 && previous < model_->rowCount() && previous != row &&
        state_.leftBehindRowGoes(doc_, model_->recordOf(previous))) {
        model_->dropRow(previous);
        if (previous < row) --row;
    }
    if (list_->currentIndex().row() != row) list_->setCurrentIndex(model_->index(row, 0));
    if (!state_.inLookup) clearLookupText(true);
    doc_.setCurrentRecord(static_cast<std::int32_t>(record));
    state_.lastRow = row;
    if (!state_.updating) doc_.recordPane().showRecord(static_cast<std::int32_t>(record));
    emit positionChanged();
}

void KxDbListView::selectNextRow() {
    if (state_.lastRow + 1 < model_->rowCount()) selectRow(state_.lastRow + 1);
}

void KxDbListView::selectPreviousRow() {
    if (state_.lastRow > 0) selectRow(state_.lastRow - 1);
}

// --- what the form reports ---

void KxDbListView::recordChanged(std::int32_t index, bool categoryOnly) {
    const KxRowChange change = state_.rowChangeFor(doc_, index, categoryOnly);
    if (change == KxRowChange::Ignore) return;
    const auto record = static_cast<std::uint32_t>(index);
    if (change == KxRowChange::Redraw) {
        model_->refreshRow(model_->rowOf(record));
        return;
    }
    const std::uint32_t place = state_.placeChangedRecord(doc_, record);
    {
        KxFlagScope updating(state_.updating);
        KxFlagScope selecting(state_.selecting);
        model_->moveRecord(record, place);
    }
    {
        KxFlagScope updating(state_.updating);
        state_.lastRow = -1;
        selectRow(model_->rowOf(place));
    }
    doc_.recordPane().retake();
    emit positionChanged();
}

void KxDbListView::categoriesChanged(bool recordsDeleted) {
    if (!doc_.isOpen()) return;
    if (doc_.deletedMode()) {
        fillRows(false);
        return;
    }
    std::optional<std::uint16_t> before;
    if (categories_->currentIndex() >= 0) before = static_cast<std::uint16_t>(categories_->currentData().toUInt());
    fillCategoryBox();
    const auto now = static_cast<std::uint16_t>(categories_->currentData().toUInt());
    if (state_.categoriesChanged(doc_, before, now, recordsDeleted)) fillRows(false);
}

// --- the category filter ---

void KxDbListView::fillCategoryBox() {
    const std::vector<KxCategoryChoice> choices = kxCategoryChoices(doc_.database(), true, true);
    categories_->clear();
    for (const KxCategoryChoice& choice : choices)
        categories_->addItem(kxQt(choice.text), choice.data);
    state_.selectedCategoryIndex = static_cast<int>(kxCategoryChoiceIndex(choices, doc_.categoryFilter()));
    categories_->setCurrentIndex(state_.selectedCategoryIndex);
}

void KxDbListView::showModeControls() {
    const bool normal = !doc_.deletedMode() && !doc_.searchMode();
    categories_->setVisible(normal);
    showAll_->setVisible(!normal);
}

void KxDbListView::categoryChosen(int index) {
    if (index < 0 || !doc_.isOpen()) return;
    const std::uint16_t chosenData = static_cast<std::uint16_t>(categories_->itemData(index).toUInt());
    if (chosenData == kxEditCategoriesChoice) {
        categories_->setCurrentIndex(state_.selectedCategoryIndex);
        editCategories();
    } else if (index != state_.selectedCategoryIndex) {
        state_.selectedCategoryIndex = index;
        doc_.setCategoryFilter(chosenData);
        doc_.setModified();
        fillRows(false);
    }
    lookup_->setFocus(Qt::OtherFocusReason);
}

void KxDbListView::editCategories() {
    doc_.recordPane().release();
    const std::uint16_t before = doc_.categoryFilter();
    const auto current = doc_.currentRecordIdentity();
    const auto [changed, deleted] = categoryEditor_(this, doc_);
    if (changed) fillCategoryBox();
    // Records removed before the current one have moved it.
    if (deleted) doc_.refindCurrentRecord(current);
    const auto now = static_cast<std::uint16_t>(categories_->currentData().toUInt());
    if (state_.afterCategoryEdit(doc_, changed, deleted, before, now)) fillRows(false);
}

// --- look-up ---

void KxDbListView::clearLookupText(bool quiet) {
    if (lookup_->text().isEmpty()) return;
    if (quiet) {
        KxFlagScope silence(state_.quiet);
        lookup_->clear();
    } else {
        lookup_->clear();
    }
}

void KxDbListView::clearQuietly() {
    KxFlagScope silence(state_.quiet);
    lookup_->clear();
}

void KxDbListView::lookupEdited() {
    if (!doc_.isOpen()) {
        clearQuietly();
        return;
    }
    if (state_.quiet) return;
    KxFlagScope looking(state_.inLookup);
    dropEmptyRecord();
    const QString text = lookup_->text();
    const int caret = lookup_->cursorPosition();
    const KxLookupStep step = state_.lookup(doc_, model_->rows(), model_->columns(), kx1252(text), caret);
    if (step.clearText) clearQuietly();
    if (step.beep) QApplication::beep();
    if (step.removeBeforeCaret) {
        KxFlagScope silence(state_.quiet);
        lookup_->setText(QString(text).remove(caret - 1, 1));
        lookup_->setCursorPosition(caret - 1);
    }
    if (lookup_->text().isEmpty()) {
        if (const auto first = state_.firstRow(model_->rowCount())) selectRow(*first);
    } else if (step.row) {
        selectRow(*step.row);
    }
}

bool KxDbListView::lookupKey(QKeyEvent* key) {
    const Qt::KeyboardModifiers mods = key->modifiers();
    if (mods & Qt::AltModifier) return false;
    const bool ctrl = mods & Qt::ControlModifier;
    switch (key->key()) {
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Up:
    case Qt::Key_Down:
        if (ctrl) return false;
        break;
    case Qt::Key_Home:
    case Qt::Key_End:
        if (!ctrl) return false;
        break;
    case Qt::Key_Escape:
        if (ctrl) return false;
        clearLookupText(false);
        return true;
    default: return false;
    }
    // The list moves its selection; the typed text no longer describes the row.
    QKeyEvent copy(key->type(), key->key(), key->modifiers(), key->text());
    QApplication::sendEvent(list_, &copy);
    clearLookupText(true);
    return true;
}

// --- check boxes and column widths ---

void KxDbListView::setCheckboxesEditable(bool editable) { state_.checkboxesEditable = editable; }

bool KxDbListView::checkboxClicked(QMouseEvent* mouse) {
    if (!state_.checkboxesEditable || mouse->button() != Qt::LeftButton || !doc_.isOpen()) return false;
    const QModelIndex index = list_->indexAt(mouse->position().toPoint());
    if (!index.isValid() || !model_->isCheckboxColumn(index.column())) return false;
    const QRect cell = list_->visualRect(index);
    const int left = cell.left() + KxCheckCellDelegate::kImageLeft;
    const int x = mouse->position().toPoint().x();
    if (x < left || x >= left + KxCheckCellDelegate::imageWidth(*list_)) return false;
    selectRow(index.row());
    if (state_.lastRow != index.row()) return true;
    const bool checked =
        model_->data(model_->index(state_.lastRow, index.column()), KxRecordTableModel::CheckedRole).toBool();
    const std::uint8_t field = model_->columns()[static_cast<std::size_t>(index.column())].field;
    // The form stores the value.
    FieldValue toggled = FieldValue::newValue(kx::type::Checkbox);
    toggled.setChecked(!checked);
    doc_.recordPane().fieldValue(field, std::move(toggled));
    model_->refreshRow(state_.lastRow);
    return true;
}

void KxDbListView::applyColumnWidths() {
    KxFlagScope applying(state_.applyingWidths);
    const int width = list_->viewport()->width();
    const auto& columns = model_->columns();
    for (std::size_t i = 0; i < columns.size(); ++i)
        list_->horizontalHeader()->resizeSection(static_cast<int>(i), columns[i].width * width / 100);
}

void KxDbListView::columnResized(int column, int oldSize, int newSize) {
    if (state_.applyingWidths || !doc_.isOpen()) return;
    // The last column has no divider to its right: it only gets its width back.
    if (column + 1 < static_cast<int>(model_->columns().size())) {
        const int both = oldSize + list_->horizontalHeader()->sectionSize(column + 1);
        KxListState::dragDivider(doc_, listSetInForce(), model_->columns(), static_cast<std::size_t>(column), newSize,
                                 both);
    }
    applyColumnWidths();
}

void KxDbListView::freezeList(bool frozen) { list_->setUpdatesEnabled(!frozen); }

// --- events ---

bool KxDbListView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lookup_) {
        if (event->type() == QEvent::KeyPress && lookupKey(static_cast<QKeyEvent*>(event))) return true;
        if (event->type() == QEvent::MouseButtonPress) activate();
    } else if (watched == list_->viewport() && event->type() == QEvent::MouseButtonPress) {
        if (checkboxClicked(static_cast<QMouseEvent*>(event))) return true;
    }
    return KxListPaneWidget::eventFilter(watched, event);
}

void KxDbListView::resizeEvent(QResizeEvent* event) {
    KxListPaneWidget::resizeEvent(event);
    applyColumnWidths();
}

void KxDbListView::showEvent(QShowEvent* event) {
    KxListPaneWidget::showEvent(event);
    applyColumnWidths();
    if (shownOnce_) return;
    shownOnce_ = true;
    if (auto* splitter = qobject_cast<QSplitter*>(parentWidget()))
        connect(splitter, &QSplitter::splitterMoved, this, &KxDbListView::paneMoved);
}

void KxDbListView::paneMoved() {
    // Only the user moves the splitter's handle; the program's own split never comes here.
    if (auto* splitter = qobject_cast<QSplitter*>(parentWidget()))
        KxListState::storePaneShare(doc_, width(), splitter->width());
}
