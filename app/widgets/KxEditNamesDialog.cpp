#include "app/widgets/KxEditNamesDialog.h"

#include "app/CommandFailure.h"
#include "views/widgets/KxQtText.h"
#include "app/AppStrings.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

KxEditNamesDialog::KxEditNamesDialog(KxDatabase& db, KxUi& ui, QWidget* parent)
    : QDialog(parent), editor_(db, ui) {
    setWindowTitle(kxQtString(kxStrEditNamesTitle));
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("searchNames"));
    auto* add = new QPushButton(kxQtString(kxStrNewButton), this);
    auto* rename = new QPushButton(kxQtString(kxStrNamesRename), this);
    auto* remove = new QPushButton(kxQtString(kxStrDeleteButton), this);
    auto* close = new QPushButton(kxQtString(kxStrOk), this);
    close->setDefault(true);
    connect(add, &QPushButton::clicked, this, [this, &ui] { kxRunGuarded(ui, [this] { addName(); }); });
    connect(rename, &QPushButton::clicked, this, [this, &ui] { kxRunGuarded(ui, [this] { renameName(); }); });
    connect(remove, &QPushButton::clicked, this, [this, &ui] { kxRunGuarded(ui, [this] { deleteName(); }); });
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(close);
    buttons->addSpacing(8);
    buttons->addWidget(add);
    buttons->addWidget(rename);
    buttons->addWidget(remove);
    buttons->addStretch(1);
    auto* top = new QHBoxLayout(this);
    top->addWidget(list_, 1);
    top->addLayout(buttons);
    refill(std::nullopt);
}

std::optional<std::size_t> KxEditNamesDialog::selectedSearch() const {
    const int row = list_->currentRow();
    if (row < 0 || !list_->currentItem() || !list_->currentItem()->isSelected()) return std::nullopt;
    return static_cast<std::size_t>(row) + 1; // search 0 is never listed
}

void KxEditNamesDialog::refill(std::optional<std::size_t> select) {
    list_->clear();
    for (const std::string& name : editor_.names()) list_->addItem(kxQt(name));
    if (select && *select >= 1 && *select <= static_cast<std::size_t>(list_->count()))
        list_->setCurrentRow(static_cast<int>(*select) - 1);
}

void KxEditNamesDialog::addName() {
    if (const auto added = editor_.addSearch()) {
        changed_ = true;
        refill(added);
    }
}

void KxEditNamesDialog::renameName() {
    if (const auto renamed = editor_.renameSearch(selectedSearch())) {
        changed_ = true;
        refill(renamed);
    }
}

void KxEditNamesDialog::deleteName() {
    if (const auto deleted = editor_.deleteSearch(selectedSearch())) {
        changed_ = true;
        if (deleted->listOptionsSet) deletedListSets_.push_back(*deleted->listOptionsSet);
        refill(std::nullopt);
    }
}
