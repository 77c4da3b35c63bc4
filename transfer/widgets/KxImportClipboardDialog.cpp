#include "transfer/widgets/KxImportClipboardDialog.h"

#include "transfer/TransferStrings.h"
#include "app/CommandFailure.h"
#include "app/KxDbDoc.h"
#include "views/widgets/KxQtText.h"
#include "views/ListRows.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

namespace {
QPushButton* button(const QString& text, const QString& tip, QWidget* parent) {
    auto* b = new QPushButton(text, parent);
    b->setToolTip(tip);
    b->setAutoDefault(false);
    return b;
}
} // namespace

KxImportClipboardDialog::KxImportClipboardDialog(KxDbDoc& doc, QWidget* parent)
    : QDialog(parent), doc_(doc), rows_(doc.database()) {
    setWindowTitle(kxQt(kxString(kxStrClipboardTitle)));
    auto* instruction = new QLabel(
        kxQtString(kxStrClipboardInstructions),
        this);
    instruction->setWordWrap(true);

    auto* categoryLabel = new QLabel(kxQtString(kxStrClipboardCategory), this);
    category_ = new QComboBox(this);
    category_->setObjectName(QStringLiteral("category"));
    category_->setToolTip(kxQtString(kxStrClipboardCategoryTip));
    const auto choices = kxCategoryChoices(doc.database(), false, false);
    for (const KxCategoryChoice& choice : choices) category_->addItem(kxQt(choice.text), choice.data);
    const std::uint16_t shown = doc.categoryFilter();
    category_->setCurrentIndex(static_cast<int>(kxCategoryChoiceIndex(choices, shown == kAllCategories ? 0 : shown)));
    categoryLabel->setBuddy(category_);

    auto* grid = new QGridLayout;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        Line& line = lines_[i];
        line.text = new QLineEdit(this);
        line.text->setMaxLength(static_cast<int>(KxClipboardRecord::kMaxLineLength));
        line.field = new QComboBox(this);
        for (const KxClipboardRecord::FieldChoice& choice : rows_.fields())
            line.field->addItem(kxQt(choice.label), choice.field);
        line.field->addItem(kxQt(kxString(kxStrNone)), KxClipboardRecord::kNoField);
        grid->addWidget(line.text, static_cast<int>(i), 0);
        grid->addWidget(line.field, static_cast<int>(i), 1);
        connect(line.text, &QLineEdit::textEdited, this, [this, i](const QString& text) {
            rows_.setRowText(rows_.firstVisibleRow() + i, kx1252(text));
        });
        connect(line.field, &QComboBox::activated, this, [this, i](int index) {
            rows_.setRowField(rows_.firstVisibleRow() + i, lines_[i].field->itemData(index).toInt());
        });
    }
    grid->setColumnStretch(0, 3);
    grid->setColumnStretch(1, 2);
    scroll_ = new QScrollBar(Qt::Vertical, this);
    scroll_->setPageStep(static_cast<int>(KxClipboardRecord::kVisibleRows));
    connect(scroll_, &QScrollBar::valueChanged, this, [this](int value) {
        if (showing_) return;
        rows_.setFirstVisibleRow(static_cast<std::size_t>(value));
        showRows();
    });
    auto* rowsLayout = new QHBoxLayout;
    rowsLayout->addLayout(grid, 1);
    rowsLayout->addWidget(scroll_);

    import_ = button(kxQtString(kxStrClipboardImport), kxQtString(kxStrClipboardImportTip), this);
    clear_ = button(kxQtString(kxStrClipboardClear), kxQtString(kxStrClipboardClearTip), this);
    ok_ = button(kxQtString(kxStrClipboardOk), kxQtString(kxStrClipboardOkTip), this);
    auto* cancel = button(kxQtString(kxStrClipboardCancel), kxQtString(kxStrClipboardCancelTip), this);
    ok_->setDefault(true);
    connect(import_, &QPushButton::clicked, this, &KxImportClipboardDialog::importClipboard);
    connect(clear_, &QPushButton::clicked, this, &KxImportClipboardDialog::clearFields);
    connect(ok_, &QPushButton::clicked, this, &KxImportClipboardDialog::finish);
    connect(cancel, &QPushButton::clicked, this, &KxImportClipboardDialog::reject);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {import_, clear_}) buttons->addWidget(b);
    buttons->addStretch(1);
    for (QPushButton* b : {ok_, cancel}) buttons->addWidget(b);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(instruction);
    auto* categoryRow = new QHBoxLayout;
    categoryRow->addWidget(categoryLabel);
    categoryRow->addWidget(category_, 1);
    layout->addLayout(categoryRow);
    layout->addLayout(rowsLayout);
    layout->addLayout(buttons);
    showRows();
}

// The seven rows from the first visible one, and the scroll bar over all rows.
void KxImportClipboardDialog::showRows() {
    showing_ = true;
    const auto& rows = rows_.rows();
    const int last = static_cast<int>(rows.size()) - static_cast<int>(KxClipboardRecord::kVisibleRows);
    scroll_->setRange(0, std::max(0, last));
    scroll_->setValue(static_cast<int>(rows_.firstVisibleRow()));
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const std::size_t r = rows_.firstVisibleRow() + i;
        const bool present = r < rows.size();
        lines_[i].text->setText(present ? kxQt(rows[r].text) : QString());
        const int field = present ? rows[r].field : KxClipboardRecord::kNoField;
        lines_[i].field->setCurrentIndex(lines_[i].field->findData(field));
        lines_[i].text->setEnabled(present);
        lines_[i].field->setEnabled(present);
    }
    showing_ = false;
}

void KxImportClipboardDialog::importClipboard() {
    kxRunGuarded(doc_.ui(), [&] { rows_.importClipboard(doc_.ui()); });
    showRows();
}

void KxImportClipboardDialog::clearFields() {
    if (!rows_.clearFields(doc_.ui())) return;
    showRows();
    lines_[0].text->setFocus();
}

void KxImportClipboardDialog::reject() {
    if (rows_.confirmCancel(doc_.ui())) QDialog::reject();
}

// OK: the record is made in the chosen category and becomes the current record; a refusal
// keeps the dialog and the user's lines.
void KxImportClipboardDialog::finish() {
    const auto category = static_cast<std::uint16_t>(category_->currentData().toUInt());
    std::optional<std::size_t> made;
    if (!kxRunGuarded(doc_.ui(), [&] { made = rows_.addRecord(doc_.database(), doc_.ui(), category); }) || !made)
        return;
    doc_.setCurrentRecord(static_cast<std::int32_t>(*made));
    accept();
}

bool kxRunImportClipboardDialog(KxDbDoc& doc, QWidget* parent) {
    KxImportClipboardDialog dialog(doc, parent);
    return dialog.exec() == QDialog::Accepted;
}
