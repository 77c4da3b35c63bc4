#include "install/widgets/KxHandheldInstallDialog.h"

#include "engine/KxDbError.h"
#include "install/InstallStrings.h"
#include "install/widgets/KxHandheldInstallChildDialog.h"
#include "views/widgets/KxQtText.h"
#include "app/AppStrings.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <new>

namespace {
QLabel* note(int text, QWidget* parent) {
    auto* label = new QLabel(kxQt(kxString(text)), parent);
    label->setWordWrap(true);
    return label;
}
} // namespace

KxHandheldInstallDialog::KxHandheldInstallDialog(const std::vector<KxHandheldChoice>& choices,
                                                 QWidget* parent, const PageMaker& makePage)
    : QDialog(parent) {
    setWindowTitle(kxQt(kxString(kxStrHandheldInstallTitle)));

    auto* placeholder = new QWidget(this);
    page_ = makePage ? makePage(placeholder) : new KxHandheldInstallChildDialog(placeholder);
    if (!page_) throw std::bad_alloc();
    auto* pageLayout = new QVBoxLayout(placeholder);
    pageLayout->setContentsMargins(0, 0, 0, 0);
    pageLayout->addWidget(page_);
    page_->setChoices(choices);

    // No mnemonics on OK and Cancel: Alt+O belongs to the list; Enter and Escape answer.
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(kxQtString(kxStrOk), QDialogButtonBox::AcceptRole);
    buttons->addButton(kxQtString(kxStrCancel), QDialogButtonBox::RejectRole);
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(note(kxStrHandheldInstallAlert, this));
    layout->addSpacing(layout->spacing() * 2);
    layout->addWidget(placeholder, 1);
    layout->addWidget(note(kxStrHandheldInstallSyncNote, this));
    layout->addSpacing(layout->spacing());
    layout->addWidget(buttons);
    setMinimumWidth(420);
    page_->setFocus(Qt::OtherFocusReason);
}

std::vector<std::string> KxHandheldInstallDialog::selection() const {
    return page_->tickedUsers();
}

std::optional<std::vector<std::string>>
kxRunHandheldInstallDialog(const KxHandheldUserSource& users, const std::vector<std::string>& preselected,
                           QWidget* parent, const KxHandheldInstallDialog::PageMaker& makePage) {
    // The users are asked for each time the list is shown.
    const std::vector<KxHandheldChoice> choices = kxHandheldChoices(users, preselected);
    try {
        KxHandheldInstallDialog dialog(choices, parent, makePage);
        if (dialog.exec() != QDialog::Accepted) return std::nullopt;
        return dialog.selection();
    } catch (const std::bad_alloc&) {
        throw KxDbError::NoResources;
    }
}
