#include "transfer/KxFieldChooserPage.h"

#include "transfer/FieldChooserModel.h"
#include "views/KxDragCheckListBox.h"
#include "views/KxQtText.h"

#include <QCheckBox>
#include <QLabel>
#include <QVBoxLayout>

KxFieldChooserPage::KxFieldChooserPage(KxFieldChooserModel& model, QWidget* parent, const QString& title)
    : KxWizardPage(title, parent), model_(model) {
    list_ = new KxDragCheckListBox(this);
    list_->setObjectName(QStringLiteral("fieldChooser"));
    for (const KxFieldChooserModel::Item& item : model_.items()) list_->addCheckItem(kxQt(item.label), item.checked);
    connect(list_, &KxDragCheckListBox::itemToggled, this,
            [this](int row, bool checked) { model_.setChecked(static_cast<std::size_t>(row), checked); });
    connect(list_, &KxDragListBox::itemMoveRequested, this, &KxFieldChooserPage::moveItem);
    labels_ = new QCheckBox(tr("Export Field &Labels"), this);
    labels_->setObjectName(QStringLiteral("fieldLabels"));
    labels_->setChecked(true);
    auto* tip = new QLabel(tr("To change the field order, click on a field and drag it up or down the list. "), this);
    tip->setWordWrap(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_, 1);
    layout->addWidget(labels_);
    layout->addWidget(tip);
    if (list_->count() > 0) list_->setCurrentRow(0);
}

void KxFieldChooserPage::setLabelsBoxVisible(bool visible) { labels_->setVisible(visible); }

bool KxFieldChooserPage::labelsChecked() const { return labels_->isChecked(); }

void KxFieldChooserPage::setLabelsChecked(bool checked) { labels_->setChecked(checked); }

void KxFieldChooserPage::moveItem(int from, int to) { kxMoveChooserItem(model_, *list_, from, to); }

void kxMoveChooserItem(KxFieldChooserModel& model, KxDragListBox& list, int from, int to) {
    if (from < 0 || to < 0 || from == to) return;
    model.move(static_cast<std::size_t>(from), static_cast<std::size_t>(to > from ? to + 1 : to));
    list.moveRow(from, to);
}
