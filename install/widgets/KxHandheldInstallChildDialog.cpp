#include "install/widgets/KxHandheldInstallChildDialog.h"

#include "install/InstallStrings.h"
#include "views/widgets/KxQtText.h"

#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

KxHandheldInstallChildDialog::KxHandheldInstallChildDialog(QWidget* parent) : QWidget(parent) {
    auto* prompt = new QLabel(kxQt(kxString(kxStrHandheldInstallPrompt)), this);
    prompt->setWordWrap(true);
    list_ = new QListWidget(this);
    // The check list is control 1701 of the product's page.
    list_->setObjectName(QStringLiteral("handheldUsers"));
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    prompt->setBuddy(list_);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(prompt);
    layout->addWidget(list_);
    setFocusProxy(list_);
}

void KxHandheldInstallChildDialog::setChoices(const std::vector<KxHandheldChoice>& choices) {
    list_->clear();
    for (const KxHandheldChoice& choice : choices) {
        // User names are UTF-8 already: they come from the users' list, not from a database.
        auto* item = new QListWidgetItem(QString::fromStdString(choice.user), list_);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(choice.ticked ? Qt::Checked : Qt::Unchecked);
        item->setData(Qt::UserRole, QByteArray::fromStdString(choice.user));
    }
    if (list_->count() > 0) list_->setCurrentRow(0);
}

std::vector<std::string> KxHandheldInstallChildDialog::tickedUsers() const {
    std::vector<std::string> users;
    for (int row = 0; row < list_->count(); ++row) {
        const QListWidgetItem* item = list_->item(row);
        if (item->checkState() == Qt::Checked) users.push_back(item->data(Qt::UserRole).toByteArray().toStdString());
    }
    return users;
}
