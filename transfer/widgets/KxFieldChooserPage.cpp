#include "transfer/widgets/KxFieldChooserPage.h"

#include "views/widgets/KxDragCheckListBox.h"
#include "views/widgets/KxQtText.h"
#include "transfer/TransferStrings.h"

#include <QCheckBox>
#include <QLabel>
#include <QVBoxLayout>

KxFieldChooserPage::KxFieldChooserPage(QWidget* parent)
    : QWidget(parent), heading_(new QLabel(this)), list_(new KxDragCheckListBox(this)),
      labels_(new QCheckBox(kxQtString(kxStrExportLabels), this)) {
    list_->setObjectName(QStringLiteral("fieldChooserList"));
    labels_->setObjectName(QStringLiteral("fieldLabels"));
    QFont bold = heading_->font();
    bold.setBold(true);
    heading_->setFont(bold);
    heading_->setBuddy(list_);
    auto* tip = new QLabel(kxQtString(kxStrFieldOrderTip), this);
    tip->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(heading_);
    layout->addWidget(list_, 1);
    layout->addWidget(tip);
    layout->addWidget(labels_);
    connect(list_, &KxDragCheckListBox::itemToggled, this,
            [this](int row, bool checked) { model_.setChecked(static_cast<std::size_t>(row), checked); });
    connect(list_, &KxDragListBox::itemMoveRequested, this, &KxFieldChooserPage::moveItem);
}

void KxFieldChooserPage::setHeading(const QString& heading) {
    heading_->setText(heading);
    heading_->setVisible(!heading.isEmpty());
}

void KxFieldChooserPage::setModel(KxFieldChooserModel model) {
    model_ = std::move(model);
    fill(0);
}

void KxFieldChooserPage::fill(int current) {
    list_->clear();
    for (const KxFieldChooserModel::Item& item : model_.items()) list_->addCheckItem(kxQt(item.label), item.checked);
    if (list_->count() > 0) list_->setCurrentRow(std::min(current, list_->count() - 1));
}

void KxFieldChooserPage::moveItem(int from, int to) { kxMoveChooserItem(model_, *list_, from, to); }

void kxMoveChooserItem(KxFieldChooserModel& model, KxDragListBox& list, int from, int to) {
    if (from < 0 || to < 0 || from == to) return;
    model.move(static_cast<std::size_t>(from), static_cast<std::size_t>(to > from ? to + 1 : to));
    list.moveRow(from, to);
}

void KxFieldChooserPage::setLabelsBoxShown(bool shown) { labels_->setVisible(shown); }

void KxFieldChooserPage::setLabels(bool checked, bool forced) {
    labels_->setChecked(checked || forced);
    labels_->setEnabled(!forced);
}

bool KxFieldChooserPage::labels() const { return labels_->isChecked(); }
