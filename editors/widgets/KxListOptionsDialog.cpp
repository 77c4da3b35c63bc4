#include "editors/widgets/KxListOptionsDialog.h"

#include "platform/Cp1252.h"
#include "editors/KxListOptionsRules.h"
#include "views/widgets/KxQtText.h"
#include "editors/EditorStrings.h"
#include "transfer/TransferStrings.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {
QString directionName(KxSortDirection direction) {
    switch (direction) {
    case KxSortDirection::Ascending: return kxQtString(kxStrSortAscending);
    case KxSortDirection::Descending: return kxQtString(kxStrSortDescending);
    case KxSortDirection::None: break;
    }
    return kxQtString(kxStrNoSort);
}
} // namespace

KxListOptionsDialog::KxListOptionsDialog(QWidget* parent, const KxHeaderChunk& header,
                                         const std::vector<KxListOptionsColumn>& stored)
    : QDialog(parent), rules_(std::make_unique<KxListOptionsRules>(header)), columns_(rules_->opening(stored)) {
    setWindowTitle(kxQtString(kxStrListOptionsTitle));
    auto* grid = new QGridLayout;
    for (std::size_t k = 0; k < KxListOptionsRules::kColumns; ++k) {
        const int row = static_cast<int>(k);
        fieldBoxes_[k] = new QComboBox(this);
        sortBoxes_[k] = new QComboBox(this);
        fieldBoxes_[k]->setObjectName(QStringLiteral("column%1Field").arg(row + 1));
        sortBoxes_[k]->setObjectName(QStringLiteral("column%1Sort").arg(row + 1));
        fieldBoxes_[k]->setMinimumContentsLength(20);
        auto* label = new QLabel(kxQtString(kxStrListColumn).arg(row + 1), this);
        label->setBuddy(fieldBoxes_[k]);
        grid->addWidget(label, row, 0);
        grid->addWidget(fieldBoxes_[k], row, 1);
        grid->addWidget(new QLabel(kxQtString(kxStrListSort), this), row, 2);
        grid->addWidget(sortBoxes_[k], row, 3);
        connect(fieldBoxes_[k], &QComboBox::activated, this, &KxListOptionsDialog::chosen);
        connect(sortBoxes_[k], &QComboBox::activated, this, &KxListOptionsDialog::chosen);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &KxListOptionsDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &KxListOptionsDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(buttons);
    showColumns();
}

KxListOptionsDialog::~KxListOptionsDialog() = default;

void KxListOptionsDialog::showColumns() {
    for (std::size_t k = 0; k < KxListOptionsRules::kColumns; ++k) {
        const QSignalBlocker blockField(fieldBoxes_[k]);
        const QSignalBlocker blockSort(sortBoxes_[k]);
        QComboBox& fields = *fieldBoxes_[k];
        fields.clear();
        for (std::uint8_t field : rules_->fields())
            fields.addItem(kxQt(rules_->fieldName(field)), field);
        if (rules_->offersNone(k, columns_)) fields.addItem(kxQtString(kxStrNone), kNoField);
        fields.setCurrentIndex(std::max(0, fields.findData(columns_[k].field)));
        QComboBox& sorts = *sortBoxes_[k];
        sorts.clear();
        for (KxSortDirection direction : rules_->directions(k, columns_))
            sorts.addItem(directionName(direction), static_cast<int>(direction));
        sorts.setCurrentIndex(std::max(0, sorts.findData(static_cast<int>(columns_[k].direction))));
    }
}

void KxListOptionsDialog::chosen() {
    for (std::size_t k = 0; k < KxListOptionsRules::kColumns; ++k) {
        columns_[k].field = static_cast<std::uint8_t>(fieldBoxes_[k]->currentData().toUInt());
        columns_[k].direction = static_cast<KxSortDirection>(sortBoxes_[k]->currentData().toInt());
    }
    rules_->enforce(columns_);
    showColumns();
}
