#include "editors/widgets/KxMultiChoiceDialog.h"

#include "editors/EditorStrings.h"
#include "base/KxUi.h"
#include "views/widgets/KxDragListBox.h"
#include "editors/widgets/KxListEditButtons.h"
#include "views/widgets/KxQtText.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QVBoxLayout>

KxMultiChoiceChildDialog::KxMultiChoiceChildDialog(QWidget* parent, KxMultiChoiceEdit& edit, KxUi& ui)
    : QWidget(parent), edit_(edit), ui_(ui), list_(new KxDragListBox(this)) {
    list_->setObjectName(QStringLiteral("itemList"));
    list_->setMinimumSize(280, 240);
    list_->installEventFilter(this);
    using Self = KxMultiChoiceChildDialog;
    const KxListEditButtons buttons = kxLayOutListEditor<Self>(
        this, list_, {&Self::addItem, &Self::modifyItem, &Self::insertItem, &Self::deleteItem,
                      &Self::updateButtons, &Self::moveItem});
    modify_ = buttons.modify;
    delete_ = buttons.remove;
    fill(edit_.items().empty() ? -1 : 0);
}

bool KxMultiChoiceChildDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == list_ && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
        deleteItem();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void KxMultiChoiceChildDialog::fill(int select) {
    list_->clear();
    for (const auto& item : edit_.items()) list_->addItem(kxQt(item));
    list_->setCurrentRow(select);
    updateButtons();
}

void KxMultiChoiceChildDialog::updateButtons() {
    const bool selected = list_->currentRow() >= 0;
    modify_->setEnabled(selected);
    delete_->setEnabled(selected);
}

std::optional<std::string> KxMultiChoiceChildDialog::askItem(std::optional<std::size_t> modifying) {
    const auto room = edit_.roomBeforeEditing(modifying, ui_);
    if (!room) return std::nullopt;
    const std::string initial = modifying ? edit_.items()[*modifying] : std::string();
    const std::string title = kxString(kxStrListItemTitle);
    auto text = ui_.askText(title, title + ":", initial, *room);
    if (text && text->size() > *room) text->resize(*room);
    return text;
}

void KxMultiChoiceChildDialog::newItem(std::size_t position) {
    if (!edit_.mayAddItem(ui_)) return;
    const auto text = askItem(std::nullopt);
    if (!text || text->empty()) return;
    edit_.insert(position, *text);
    fill(static_cast<int>(std::min(position, edit_.items().size() - 1)));
}

void KxMultiChoiceChildDialog::addItem() { newItem(edit_.items().size()); }

void KxMultiChoiceChildDialog::insertItem() {
    const int row = list_->currentRow();
    newItem(row < 0 ? 0 : static_cast<std::size_t>(row));
}

void KxMultiChoiceChildDialog::modifyItem() {
    const int row = list_->currentRow();
    if (row < 0) return;
    const auto text = askItem(static_cast<std::size_t>(row));
    if (!text || text->empty()) return;
    edit_.set(static_cast<std::size_t>(row), *text);
    fill(row);
}

void KxMultiChoiceChildDialog::deleteItem() {
    const int row = list_->currentRow();
    if (row < 0 || !edit_.confirmDelete(ui_)) return;
    edit_.remove(static_cast<std::size_t>(row));
    fill(std::min(row, static_cast<int>(edit_.items().size()) - 1));
}

void KxMultiChoiceChildDialog::moveItem(int from, int to) {
    if (from < 0 || to < 0) return;
    edit_.move(static_cast<std::size_t>(from), static_cast<std::size_t>(to));
    list_->moveRow(from, to);
}

KxMultiChoiceDialog::KxMultiChoiceDialog(QWidget* parent, std::vector<std::string> items, KxUi& ui)
    : QDialog(parent), edit_(std::move(items)), ui_(ui), child_(new KxMultiChoiceChildDialog(this, edit_, ui)) {
    setWindowTitle(kxQt(kxString(kxStrMultiChoiceTitle)));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &KxMultiChoiceDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(child_, 1);
    layout->addWidget(buttons);
    child_->list().setFocus(Qt::OtherFocusReason);
}

void KxMultiChoiceDialog::reject() {
    if (!edit_.confirmCancel(ui_)) return;
    QDialog::reject();
}

std::optional<std::vector<std::string>> KxMultiChoiceDialog::edit(QWidget* parent, const std::vector<std::string>& items,
                                                                  KxUi& ui) {
    KxMultiChoiceDialog dialog(parent, items, ui);
    if (dialog.exec() != QDialog::Accepted || !dialog.working().modified()) return std::nullopt;
    return dialog.working().items();
}
