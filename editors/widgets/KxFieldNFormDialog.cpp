#include "editors/widgets/KxFieldNFormDialog.h"

#include "engine/FieldTypeNames.h"
#include "editors/widgets/KxFieldEditDialog.h"
#include "editors/widgets/KxFieldListBox.h"
#include "editors/widgets/KxListEditButtons.h"
#include "views/widgets/KxQtText.h"
#include "editors/EditorStrings.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

KxFieldNFormChildDialog::KxFieldNFormChildDialog(QWidget* parent, KxFieldWorkingCopy& copy, KxUi& ui)
    : QWidget(parent), copy_(copy), ui_(ui), list_(new KxFieldListBox(this)) {
    list_->setObjectName(QStringLiteral("fieldList"));
    list_->setMinimumSize(320, 260);
    using Self = KxFieldNFormChildDialog;
    const KxListEditButtons buttons = kxLayOutListEditor<Self>(
        this, list_, {&Self::addField, &Self::modifyField, &Self::insertField, &Self::deleteField,
                      &Self::updateButtons, &Self::moveField});
    modify_ = buttons.modify;
    delete_ = buttons.remove;

    editField_ = [this](const KxFieldEditPlace& place, const KxWorkingField& field) {
        return KxFieldEditDialog::edit(this, copy_, place, field, ui_);
    };
    fill(copy_.size() > 0 ? 0 : -1);
}

void KxFieldNFormChildDialog::fill(int select) {
    list_->clear();
    for (std::size_t i = 0; i < copy_.size(); ++i)
        list_->setRow(static_cast<int>(i), kxQt(copy_.displayName(i)),
                      kxQt(kxFieldTypeName(copy_.at(i).type)));
    list_->setCurrentRow(select);
    updateButtons();
}

void KxFieldNFormChildDialog::updateButtons() {
    const bool selected = list_->currentRow() >= 0;
    modify_->setEnabled(selected);
    delete_->setEnabled(selected);
}

void KxFieldNFormChildDialog::newField(std::size_t position) {
    if (!KxFieldEditRules(copy_, ui_).mayAddField()) return;
    KxWorkingField field;
    const auto edited = editField_({position, false}, field);
    if (!edited) return;
    copy_.insert(position, *edited);
    fill(static_cast<int>(std::min(position, copy_.size() - 1)));
}

void KxFieldNFormChildDialog::addField() { newField(copy_.size()); }

void KxFieldNFormChildDialog::insertField() {
    const int row = list_->currentRow();
    newField(row < 0 ? 0 : static_cast<std::size_t>(row));
}

void KxFieldNFormChildDialog::modifyField() {
    const int row = list_->currentRow();
    if (row < 0) return;
    const auto position = static_cast<std::size_t>(row);
    const auto edited = editField_({position, true}, copy_.at(position));
    if (!edited) return;
    copy_.modify(position, *edited);
    fill(row);
}

void KxFieldNFormChildDialog::deleteField() {
    const int row = list_->currentRow();
    if (row < 0 || !KxFieldEditRules(copy_, ui_).confirmDelete(static_cast<std::size_t>(row))) return;
    copy_.remove(static_cast<std::size_t>(row));
    fill(std::min(row, static_cast<int>(copy_.size()) - 1));
}

void KxFieldNFormChildDialog::moveField(int from, int to) {
    if (from < 0 || to < 0 || from == to) return;
    copy_.move(static_cast<std::size_t>(from), static_cast<std::size_t>(to));
    // Names of unlabelled fields follow their position: every row is drawn again.
    fill(to);
}

KxFieldNFormDialog::KxFieldNFormDialog(QWidget* parent, KxFieldWorkingCopy& copy, KxUi& ui,
                                       std::function<bool()> mayCancel)
    : QDialog(parent), child_(new KxFieldNFormChildDialog(this, copy, ui)), mayCancel_(std::move(mayCancel)) {
    setWindowTitle(kxQtString(kxStrFieldEditorTitle));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &KxFieldNFormDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(child_, 1);
    layout->addWidget(buttons);
    child_->list().setFocus(Qt::OtherFocusReason);
}

void KxFieldNFormDialog::reject() {
    if (mayCancel_ && !mayCancel_()) return;
    QDialog::reject();
}
