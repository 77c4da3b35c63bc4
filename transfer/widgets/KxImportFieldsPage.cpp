#include "transfer/widgets/KxImportFieldsPage.h"

#include "engine/KxDatabase.h"
#include "platform/Paths.h"
#include "app/CommandFailure.h"
#include "transfer/ImportEncoding.h"
#include "transfer/ImportHeaderRow.h"
#include "transfer/widgets/KxFieldChooserPage.h"
#include "transfer/widgets/KxImportWizard.h"
#include "views/widgets/KxDragCheckListBox.h"
#include "views/widgets/KxQtText.h"
#include "transfer/TransferStrings.h"
#include "app/AppStrings.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

KxImportFieldsPage::KxImportFieldsPage(KxImportWizardState& state, QWidget* parent)
    : KxWizardPage(kxQtString(kxStrImportFieldsStep), parent), state_(state) {
    const QString dbName = QString::fromStdString(std::string(kxFileNameOf(state_.db.fileName())));
    auto* fieldsLabel = new QLabel(kxQtString(kxStrImportFieldsIn).arg(dbName), this);
    dataLabel_ = new QLabel(this);
    fields_ = new KxDragCheckListBox(this);
    fields_->setObjectName(QStringLiteral("fields"));
    data_ = new QListWidget(this);
    data_->setObjectName(QStringLiteral("data"));
    fieldsLabel->setBuddy(fields_);
    dataLabel_->setBuddy(data_);
    connect(fields_, &KxDragCheckListBox::itemToggled, this,
            [this](int row, bool checked) { model_.setChecked(static_cast<std::size_t>(row), checked); });
    connect(fields_, &KxDragListBox::itemMoveRequested, this, &KxImportFieldsPage::moveField);

    auto* scan = new QGroupBox(kxQtString(kxStrScanRecords), this);
    previous_ = new QPushButton(kxQtString(kxStrPreviousRow), scan);
    next_ = new QPushButton(kxQtString(kxStrNextRow), scan);
    previous_->setObjectName(QStringLiteral("previousRow"));
    next_->setObjectName(QStringLiteral("nextRow"));
    for (QPushButton* button : {previous_, next_}) {
        button->setAutoDefault(false);
        button->setFixedWidth(button->fontMetrics().horizontalAdvance(QStringLiteral("MM")) + 16);
    }
    rowLabel_ = new QLabel(scan);
    auto* scanLayout = new QHBoxLayout(scan);
    scanLayout->addWidget(previous_);
    scanLayout->addWidget(next_);
    scanLayout->addWidget(rowLabel_, 1);
    connect(previous_, &QPushButton::clicked, this, [this] { showRow(row_ - 1); });
    connect(next_, &QPushButton::clicked, this, [this] { showRow(row_ + 1); });

    auto* resetButton = new QPushButton(kxQtString(kxStrImportReset), this);
    resetButton->setAutoDefault(false);
    connect(resetButton, &QPushButton::clicked, this, &KxImportFieldsPage::reset);
    labels_ = new QCheckBox(kxQtString(kxStrImportLabelRow), this);
    labels_->setObjectName(QStringLiteral("firstRowLabels"));
    connect(labels_, &QCheckBox::toggled, this, [this] { rebuild(); });

    auto* charsetLabel = new QLabel(kxQtString(kxStrImportCharset), this);
    charset_ = new QComboBox(this);
    charset_->setObjectName(QStringLiteral("characterSet"));
    charset_->addItem(kxQtString(kxStrUtf8), static_cast<int>(KxTextEncoding::Utf8));
    charset_->addItem(kxQtString(kxStrCp1252), static_cast<int>(KxTextEncoding::Cp1252));
    charsetLabel->setBuddy(charset_);
    connect(charset_, &QComboBox::activated, this, &KxImportFieldsPage::readAgainAs);
    auto* charsetRow = new QHBoxLayout;
    charsetRow->addWidget(charsetLabel);
    charsetRow->addWidget(charset_);
    charsetRow->addStretch(1);

    auto* layout = new QGridLayout(this);
    layout->addWidget(fieldsLabel, 0, 0);
    layout->addWidget(dataLabel_, 0, 1);
    layout->addWidget(fields_, 1, 0);
    layout->addWidget(data_, 1, 1);
    layout->addWidget(labels_, 2, 0);
    layout->addWidget(scan, 2, 1, 2, 1);
    layout->addWidget(resetButton, 3, 0, Qt::AlignLeft);
    layout->addLayout(charsetRow, 5, 0, 1, 2);
    layout->addWidget(new QLabel(kxQtString(kxStrFieldOrderTip), this),
                      4, 0, 1, 2);
    layout->setRowStretch(1, 1);

    // The two lists stay scrolled alike, the one with the focus leading.
    scrollTimer_ = new QTimer(this);
    scrollTimer_->setInterval(50);
    connect(scrollTimer_, &QTimer::timeout, this, &KxImportFieldsPage::keepScrolledAlike);
    scrollTimer_->start();
}

const KxImporter& KxImportFieldsPage::rows() const {
    return afterLabels_ ? *afterLabels_ : *state_.source;
}

void KxImportFieldsPage::activated() {
    if (!state_.source || shownGeneration_ == state_.sourceGeneration) return;
    shownGeneration_ = state_.sourceGeneration;
    dataLabel_->setText(
        kxQtString(kxStrImportDataIn).arg(QString::fromStdString(std::string(kxFileNameOf(state_.path)))));
    // A text file's character set as the reader took it; a database has its own.
    const bool text = state_.type != KxImportType::Database;
    KxTextEncoding encoding = KxTextEncoding::Cp1252;
    if (text) kxRunGuarded(state_.ui, [&] { encoding = kxDetectFileEncoding(state_.path); });
    charset_->setEnabled(text);
    charset_->setCurrentIndex(charset_->findData(static_cast<int>(encoding)));
    showSource();
}

void KxImportFieldsPage::readAgainAs(int index) {
    const auto encoding = static_cast<KxTextEncoding>(charset_->itemData(index).toInt());
    std::unique_ptr<KxImporter> source;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    kxRunGuarded(state_.ui, [&] { source = kxLoadDelimitedAs(state_.ui, state_.path, state_.type, encoding); });
    QApplication::restoreOverrideCursor();
    if (!source) {
        // Cancelled or unreadable: the rows read before stay, and so does their character set.
        charset_->setCurrentIndex(1 - index);
        return;
    }
    afterLabels_.reset();
    state_.source = std::move(source);
    shownGeneration_ = ++state_.sourceGeneration;
    showSource();
}

// The labels box as the new source's first row suggests, then the lists.
void KxImportFieldsPage::showSource() {
    const bool mayHoldLabels = !state_.source->hasCategoryColumn() && state_.source->rowCount() > 1;
    const QSignalBlocker quiet(labels_);
    labels_->setEnabled(mayHoldLabels);
    labels_->setChecked(mayHoldLabels && kxFirstRowHoldsLabels(*state_.source, state_.db));
    rebuild();
}

// A new source, or the labels box changed: the field list starts again, matched to the
// labels when the first row holds them.
void KxImportFieldsPage::rebuild() {
    if (!state_.source) return;
    const bool labels = labels_->isChecked();
    afterLabels_.reset();
    if (labels) afterLabels_ = std::make_unique<KxRowsAfterFirst>(*state_.source);
    model_ = KxFieldChooserModel::forImport(state_.selection, state_.source->columnCount());
    if (labels) kxArrangeImportList(model_, kxOrderByLabels(*state_.source, state_.selection));
    fillFieldList();
    showRow(0);
}

void KxImportFieldsPage::fillFieldList() {
    fields_->clear();
    for (const KxFieldChooserModel::Item& item : model_.items()) fields_->addCheckItem(kxQt(item.label), item.checked);
}

void KxImportFieldsPage::showRow(std::size_t row) {
    const KxImporter& source = rows();
    const std::size_t count = source.rowCount();
    row_ = count == 0 ? 0 : std::min(row, count - 1);
    data_->clear();
    for (std::size_t column = 0; column < source.columnCount(); ++column) {
        const auto value = count == 0 ? std::nullopt : source.value(row_, column);
        data_->addItem(value ? kxQt(value->plainText()) : QString());
    }
    // Empty lines face the fields that have no column.
    while (data_->count() < fields_->count()) data_->addItem(QString());
    rowLabel_->setText(kxQtString(kxStrPositionOf).arg(count == 0 ? 0 : row_ + 1).arg(count));
    previous_->setEnabled(row_ > 0);
    next_->setEnabled(row_ + 1 < count);
}

void KxImportFieldsPage::reset() {
    model_.reset();
    fillFieldList();
}

void KxImportFieldsPage::moveField(int from, int to) { kxMoveChooserItem(model_, *fields_, from, to); }

void KxImportFieldsPage::keepScrolledAlike() {
    QScrollBar* fieldBar = fields_->verticalScrollBar();
    QScrollBar* dataBar = data_->verticalScrollBar();
    if (data_->hasFocus()) fieldBar->setValue(dataBar->value());
    else dataBar->setValue(fieldBar->value());
}

bool KxImportFieldsPage::mayFinish() {
    state_.order = model_.importOrder();
    state_.firstRowLabels = labels_->isChecked() && state_.source && !state_.source->hasCategoryColumn();
    return true;
}
