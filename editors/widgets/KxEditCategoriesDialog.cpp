#include "editors/widgets/KxEditCategoriesDialog.h"

#include "platform/Cp1252.h"
#include "base/KxUi.h"
#include "editors/KxCategoryEditing.h"
#include "editors/widgets/KxDeleteCategoryDialog.h"
#include "editors/widgets/KxRenameCategoryDialog.h"
#include "views/widgets/KxQtText.h"
#include "app/AppStrings.h"
#include "editors/EditorStrings.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>


KxEditCategoriesDialog::KxEditCategoriesDialog(QWidget* parent, KxDatabase& db, KxUi& ui)
    : QDialog(parent), ui_(ui), editing_(std::make_unique<KxCategoryEditing>(db, ui)), list_(new QListWidget(this)) {
    setWindowTitle(kxQtString(kxStrEditCategoriesTitle));
    list_->setObjectName(QStringLiteral("categoryList"));
    auto* newButton = new QPushButton(kxQtString(kxStrNewButton), this);
    auto* deleteButton = new QPushButton(kxQtString(kxStrCategoryDelete), this);
    auto* renameButton = new QPushButton(kxQtString(kxStrCategoryRename), this);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    for (QPushButton* b : {newButton, deleteButton, renameButton}) b->setAutoDefault(false);
    connect(newButton, &QPushButton::clicked, this, &KxEditCategoriesDialog::newCategory);
    connect(deleteButton, &QPushButton::clicked, this, &KxEditCategoriesDialog::deleteCategory);
    connect(renameButton, &QPushButton::clicked, this, &KxEditCategoriesDialog::renameCategory);
    connect(buttons, &QDialogButtonBox::accepted, this, &KxEditCategoriesDialog::accept);

    auto* side = new QVBoxLayout;
    side->addWidget(newButton);
    side->addWidget(deleteButton);
    side->addWidget(renameButton);
    side->addStretch(1);
    side->addWidget(buttons);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(list_, 1);
    layout->addLayout(side);

    askName_ = [this](const std::optional<QString>& title, const QString& initial) -> std::optional<QString> {
        KxRenameCategoryDialog dialog(this, ui_, initial, title);
        if (dialog.exec() != QDialog::Accepted) return std::nullopt;
        return dialog.text();
    };
    askDelete_ = [this](const QString& name, bool deleteAll) -> std::optional<bool> {
        KxDeleteCategoryDialog dialog(this, name, deleteAll,
                                      static_cast<int>(editing_->recordCount(static_cast<std::size_t>(selectedSlot()))));
        if (dialog.exec() != QDialog::Accepted) return std::nullopt;
        return dialog.deleteAllItems();
    };
    fill();
    list_->setCurrentRow(-1);
    list_->setFocus(Qt::OtherFocusReason);
}

KxEditCategoriesDialog::~KxEditCategoriesDialog() = default;

bool KxEditCategoriesDialog::categoriesChanged() const { return editing_->categoriesChanged(); }
bool KxEditCategoriesDialog::recordsDeleted() const { return editing_->recordsDeleted(); }

void KxEditCategoriesDialog::fill() {
    list_->clear();
    for (const auto& [slot, name] : editing_->list()) {
        auto* item = new QListWidgetItem(kxQt(name), list_);
        item->setData(Qt::UserRole, static_cast<int>(slot));
    }
}

void KxEditCategoriesDialog::selectName(const QString& name) {
    const QList<QListWidgetItem*> found = list_->findItems(name, Qt::MatchExactly);
    if (!found.isEmpty()) list_->setCurrentItem(found.first());
}

int KxEditCategoriesDialog::selectedSlot() const {
    const QListWidgetItem* item = list_->currentItem();
    return item && item->isSelected() ? item->data(Qt::UserRole).toInt() : -1;
}

void KxEditCategoriesDialog::newCategory() {
    if (!editing_->canAdd()) return;
    const std::optional<QString> name = askName_(kxQtString(kxStrNewCategoryTitle), QString());
    if (!name || !editing_->add(kx1252(*name))) return;
    fill();
    selectName(*name);
}

void KxEditCategoriesDialog::renameCategory() {
    const int slot = selectedSlot();
    if (slot < 0) {
        ui_.inform(kxString(kxStrSelectCategoryToRename));
        return;
    }
    const std::optional<QString> name = askName_(std::nullopt, list_->currentItem()->text());
    if (!name || !editing_->rename(static_cast<std::size_t>(slot), kx1252(*name))) return;
    fill();
    selectName(*name);
}

void KxEditCategoriesDialog::deleteCategory() {
    const int slot = selectedSlot();
    if (slot < 0) {
        ui_.inform(kxString(kxStrSelectCategoryToDelete));
        return;
    }
    const QString name = list_->currentItem()->text();
    // Answering No to the second question goes back to the choice, as it was left.
    bool deleteAll = false;
    for (;;) {
        const std::optional<bool> choice = askDelete_(name, deleteAll);
        if (!choice) return;
        deleteAll = *choice;
        if (editing_->remove(static_cast<std::size_t>(slot), deleteAll)) break;
    }
    delete list_->currentItem();
    list_->setCurrentRow(-1);
}
