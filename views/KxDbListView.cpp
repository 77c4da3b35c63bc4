#include "views/KxDbListView.h"

#include "Cp1252.h"
#include "KxDatabase.h"
#include "Sort.h"
#include "app/DbDoc.h"
#include "app/DisplayModes.h"
#include "app/KxDbAppQt.h"
#include "editors/KxEditCategoriesDialog.h"
#include "views/KxCheckCellDelegateQt.h"
#include "views/KxRecordTableModelQt.h"
#include "values/FieldValue.h"
#include "values/TypeCodes.h"
#include "views/ListRows.h"

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
const char* const kLookupMessage =
    "The \"Look up\" field only operates when you have selected a text, number, or multiple choice field for "
    "the first column in the List Window.  Date, time, and checkbox fields do not support look up.";

// Sets a flag for the length of a scope.
class FlagScope {
  public:
    explicit FlagScope(bool& flag) : flag_(flag), old_(flag) { flag_ = true; }
    ~FlagScope() { flag_ = old_; }
    FlagScope(const FlagScope&) = delete;
    FlagScope& operator=(const FlagScope&) = delete;

  private:
    bool& flag_;
    bool old_;
};

std::pair<bool, bool> runCategoryDialog(QWidget* parent, KxDbDoc& doc) {
    KxEditCategoriesDialog dialog(parent, doc.database(), doc.ui());
    dialog.exec();
    return {dialog.categoriesChanged(), dialog.recordsDeleted()};
}
} // namespace

KxDbListView::KxDbListView(KxDbDoc& doc, QWidget* parent)
    : KxListPaneWidget(parent), doc_(doc), model_(new KxRecordTableModel(doc, this)), list_(new QTableView(this)),
      lookupLabel_(new QLabel(tr("Look up:"), this)), lookup_(new QLineEdit(this)),
      categories_(new QComboBox(this)), showAll_(new QPushButton(tr("&Show All"), this)),
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
    lookup_->setToolTip(tr("Type the first characters of the first field."));
    lookup_->installEventFilter(this);
    categories_->setObjectName(QStringLiteral("categoryBox"));
    categories_->setToolTip(tr("Displays only records in the selected category."));
    categories_->setMaxVisibleItems(17);
    showAll_->setObjectName(QStringLiteral("showAllButton"));
    showAll_->setToolTip(tr("Return to the complete database"));
    showAll_->setAutoDefault(false);
    showAll_->setShortcut(QKeySequence()); // Alt+S is the window's Show All Records

    const int edge = style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
    const QFontMetrics metrics(font());
    categories_->setFixedWidth(std::max(metrics.horizontalAdvance(QStringLiteral("Edit Categories...")) + 2 * edge + 50,
                                        categories_->minimumSizeHint().width()));
    showAll_->setFixedWidth(std::max(metrics.horizontalAdvance(tr("Show All")) + 2 * edge + 10, 74));

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
        FlagScope updating(updating_);
        model_->clear();
        categories_->clear();
        selectedCategoryIndex_ = -1;
        lastRow_ = -1;
        lookupColumn_ = -1;
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
        FlagScope updating(updating_);
        dropEmptyRecord();
        lastRow_ = -1;
        const KxDatabase& db = doc_.database();
        std::vector<std::uint32_t> rows = kxRowsInView(db, doc_.deletedMode(), doc_.viewFilter());
        const std::size_t count = rows.size();
        if (newColumns) {
            KxListLayout layout = kxListLayoutOf(db, listSetInForce());
            lookupColumn_ = layout.lookupColumn;
            lookupAscending_ = layout.lookupAscending;
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
    FlagScope updating(updating_);
    int row = 0;
    if (lastRow_ >= 0) row = hint == KxViewHint::RecordCloned ? lastRow_ + 1 : lastRow_;
    const std::int32_t current = doc_.currentRecord();
    if (current < 0) return;
    model_->insertRecordRow(row, static_cast<std::uint32_t>(current));
    lastRow_ = -1;
    selectRow(row);
}

void KxDbListView::removeRow() {
    FlagScope updating(updating_);
    const int row = lastRow_;
    if (row < 0) return;
    {
        FlagScope selecting(selecting_);
        model_->removeRecordRow(row);
    }
    lastRow_ = -1;
    // While a row change drops the empty record it leaves, the new row is chosen already.
    if (selecting_ || model_->rowCount() == 0) return;
    selectRow(std::min(row, model_->rowCount() - 1));
}

// --- selection ---

void KxDbListView::selectRow(int row) {
    if (row < 0 || row >= model_->rowCount()) return;
    if (list_->currentIndex().row() == row && lastRow_ == row) return;
    if (list_->currentIndex().row() == row) {
        rowSelected(row); // Qt reports no change; the row still has to become current
    } else {
        list_->setCurrentIndex(model_->index(row, 0));
    }
    list_->scrollTo(model_->index(row, 0));
}

void KxDbListView::rowSelected(int row) {
    if (selecting_ || row < 0 || row == lastRow_ || row >= model_->rowCount()) return;
    FlagScope selecting(selecting_);
    std::uint32_t record = model_->recordOf(row);
    const int previous = lastRow_;
    if (!updating_ && previous >= 0) {
        const int before = model_->rowCount();
        lastRow_ = previous;
        dropEmptyRecord();
        if (model_->rowCount() < before) {
            // The previous row went; the rows below it moved up and show records one nearer.
            if (previous < row) --row;
            record = model_->recordOf(row);
        }
    }
    if (!doc_.deletedMode() && !doc_.searchMode() && doc_.categoryFilter() != kAllCategories && previous >= 0 &&
        previous < model_->rowCount() && previous != row) {
        // The form may have moved the previous record into another category.
        const std::uint32_t old = model_->recordOf(previous);
        if (old < doc_.database().liveCount() && !kxLiveRecordInView(doc_.database(), old, doc_.categoryFilter())) {
            model_->dropRow(previous);
            if (previous < row) --row;
        }
    }
    if (list_->currentIndex().row() != row) list_->setCurrentIndex(model_->index(row, 0));
    if (!inLookup_) clearLookupText(true);
    doc_.setCurrentRecord(static_cast<std::int32_t>(record));
    lastRow_ = row;
    if (!updating_) doc_.recordPane().showRecord(static_cast<std::int32_t>(record));
    emit positionChanged();
}

void KxDbListView::selectNextRow() {
    if (lastRow_ + 1 < model_->rowCount()) selectRow(lastRow_ + 1);
}

void KxDbListView::selectPreviousRow() {
    if (lastRow_ > 0) selectRow(lastRow_ - 1);
}

// --- what the form reports ---

void KxDbListView::recordChanged(std::int32_t index, bool categoryOnly) {
    if (!doc_.isOpen() || index < 0) return;
    KxDatabase& db = doc_.database();
    const auto record = static_cast<std::size_t>(index);
    // The deleted records keep a sort order of their own, so an edited one moves among them
    // as a live one does. A new category (never a sort key) moves no live record.
    const bool deleted = doc_.deletedMode();
    const std::size_t count = deleted ? db.deletedCount() : db.liveCount();
    if ((!deleted && categoryOnly) || record >= count || kxInSortedPlace(db, deleted, record)) {
        model_->refreshRow(model_->rowOf(static_cast<std::uint32_t>(record)));
        return;
    }
    doc_.recordPane().release();
    const std::size_t place = deleted ? db.placeDeletedRecord(record) : db.placeRecord(record);
    {
        FlagScope updating(updating_);
        FlagScope selecting(selecting_);
        model_->moveRecord(static_cast<std::uint32_t>(record), static_cast<std::uint32_t>(place));
    }
    const int row = model_->rowOf(static_cast<std::uint32_t>(place));
    doc_.setCurrentRecord(static_cast<std::int32_t>(place));
    {
        FlagScope updating(updating_);
        lastRow_ = -1;
        selectRow(row);
    }
    doc_.recordPane().retake();
    emit positionChanged();
}

void KxDbListView::categoriesChanged(bool recordsDeleted) {
    if (!doc_.isOpen()) return;
    const bool force = recordsDeleted;
    if (doc_.deletedMode()) {
        fillRows(false);
        return;
    }
    const int old = categories_->currentIndex();
    const QVariant oldData = old >= 0 ? categories_->itemData(old) : QVariant();
    fillCategoryBox();
    if (doc_.searchMode()) {
        if (force) fillRows(false);
        return;
    }
    const QVariant newData = categories_->itemData(categories_->currentIndex());
    if (newData != oldData) doc_.setCategoryFilter(static_cast<std::uint16_t>(newData.toUInt()));
    if (newData != oldData || force) fillRows(false);
}

// --- the category filter ---

void KxDbListView::fillCategoryBox() {
    const std::vector<KxCategoryChoice> choices = kxCategoryChoices(doc_.database(), true, true);
    categories_->clear();
    for (const KxCategoryChoice& choice : choices)
        categories_->addItem(QString::fromStdString(kxToUtf8(choice.text)), choice.data);
    selectedCategoryIndex_ = static_cast<int>(kxCategoryChoiceIndex(choices, doc_.categoryFilter()));
    categories_->setCurrentIndex(selectedCategoryIndex_);
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
        categories_->setCurrentIndex(selectedCategoryIndex_);
        editCategories();
    } else if (index != selectedCategoryIndex_) {
        selectedCategoryIndex_ = index;
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
    if (changed) {
        doc_.setModified();
        fillCategoryBox();
    }
    // Records removed before the current one have moved it.
    if (deleted) doc_.refindCurrentRecord(current);
    const std::uint16_t now = static_cast<std::uint16_t>(categories_->currentData().toUInt());
    if (now != before || deleted) {
        doc_.setCategoryFilter(now);
        doc_.setModified();
        fillRows(false);
        return;
    }
    // The record goes back to the form whether or not anything changed: it was let go above.
    doc_.recordPane().retake();
    if (changed) doc_.recordPane().categoriesChanged();
}

// --- look-up ---

void KxDbListView::clearLookupText(bool quiet) {
    if (lookup_->text().isEmpty()) return;
    if (quiet) {
        FlagScope silence(quiet_);
        lookup_->clear();
    } else {
        lookup_->clear();
    }
}

void KxDbListView::lookupEdited() {
    if (!doc_.isOpen()) {
        FlagScope silence(quiet_);
        lookup_->clear();
        return;
    }
    if (quiet_) return;
    FlagScope looking(inLookup_);
    dropEmptyRecord();
    const QString text = lookup_->text();
    auto selectFirst = [this] {
        if (model_->rowCount() > 0 && lastRow_ != 0) selectRow(0);
    };
    if (lookupColumn_ < 0 && !text.isEmpty()) {
        doc_.ui().message(kLookupMessage, KxUi::kCaption, KxButtons::Ok, KxIcon::Warning, KxAnswer::Ok);
        FlagScope silence(quiet_);
        lookup_->clear();
    }
    if (lookup_->text().isEmpty()) {
        selectFirst();
        return;
    }
    const std::uint8_t field = model_->columns()[static_cast<std::size_t>(lookupColumn_)].field;
    const auto found = kxLookupRow(doc_.database(), doc_.deletedMode(), model_->rows(), field, lookupAscending_,
                                   kxFromUtf8(text.toStdString()));
    if (found) {
        if (static_cast<int>(*found) != lastRow_) selectRow(static_cast<int>(*found));
        return;
    }
    QApplication::beep();
    const int caret = lookup_->cursorPosition();
    if (caret > 0) {
        FlagScope silence(quiet_);
        QString shorter = text;
        shorter.remove(caret - 1, 1);
        lookup_->setText(shorter);
        lookup_->setCursorPosition(caret - 1);
    }
    if (lookup_->text().isEmpty()) selectFirst();
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

void KxDbListView::setCheckboxesEditable(bool editable) { checkboxesEditable_ = editable; }

bool KxDbListView::checkboxClicked(QMouseEvent* mouse) {
    if (!checkboxesEditable_ || mouse->button() != Qt::LeftButton || !doc_.isOpen()) return false;
    const QModelIndex index = list_->indexAt(mouse->position().toPoint());
    if (!index.isValid() || !model_->isCheckboxColumn(index.column())) return false;
    const QRect cell = list_->visualRect(index);
    const int left = cell.left() + KxCheckCellDelegate::kImageLeft;
    const int x = mouse->position().toPoint().x();
    if (x < left || x >= left + KxCheckCellDelegate::imageWidth(*list_)) return false;
    selectRow(index.row());
    if (lastRow_ != index.row()) return true;
    const bool checked = model_->data(model_->index(lastRow_, index.column()), KxRecordTableModel::CheckedRole).toBool();
    const std::uint8_t field = model_->columns()[static_cast<std::size_t>(index.column())].field;
    // The form stores the value.
    FieldValue toggled = FieldValue::newValue(kxtype::Checkbox);
    toggled.setChecked(!checked);
    doc_.recordPane().fieldValue(field, std::move(toggled));
    model_->refreshRow(lastRow_);
    return true;
}

void KxDbListView::applyColumnWidths() {
    FlagScope applying(applyingWidths_);
    const int width = list_->viewport()->width();
    const auto& columns = model_->columns();
    for (std::size_t i = 0; i < columns.size(); ++i)
        list_->horizontalHeader()->resizeSection(static_cast<int>(i), columns[i].width * width / 100);
}

void KxDbListView::columnResized(int column, int oldSize, int newSize) {
    if (applyingWidths_ || !doc_.isOpen()) return;
    auto& columns = model_->columns();
    const auto k = static_cast<std::size_t>(column);
    if (k + 1 >= columns.size()) {
        applyColumnWidths(); // the last column has no divider to its right
        return;
    }
    const int both = oldSize + list_->horizontalHeader()->sectionSize(column + 1);
    const KxColumnPair pair = kxDragDivider(columns[k].width, columns[k + 1].width, newSize, both);
    columns[k].width = static_cast<std::uint8_t>(pair.left);
    columns[k + 1].width = static_cast<std::uint8_t>(pair.right);
    auto& sets = doc_.database().header().listSets;
    const std::uint8_t set = listSetInForce();
    if (set < sets.size() && k + 1 < sets[set].columns.size()) {
        sets[set].columns[k].width = columns[k].width;
        sets[set].columns[k + 1].width = columns[k + 1].width;
    }
    doc_.setModified();
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
    auto* splitter = qobject_cast<QSplitter*>(parentWidget());
    if (!splitter || !doc_.isOpen()) return;
    const int total = splitter->width();
    if (total <= 0) return;
    const int percent = std::clamp(width() * 100 / total, 0, 100);
    doc_.database().fileHeader().setListPaneShare(static_cast<std::uint8_t>(percent));
    doc_.setModified();
    doc_.frame().setListPaneShare(percent, false);
}
