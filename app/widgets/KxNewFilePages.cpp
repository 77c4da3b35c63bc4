#include "app/widgets/KxNewFilePages.h"

#include "app/AppStrings.h"
#include "install/InstallStrings.h"
#include "app/KxNewDatabaseName.h"
#include "app/RememberedFolder.h"
#include "base/SettingsKeys.h"
#include "editors/widgets/KxFieldEditDialog.h"
#include "editors/widgets/KxFieldNFormDialog.h"
#include "install/widgets/KxHandheldInstallChildDialog.h"
#include "views/widgets/KxQtText.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
QString text(int id) { return kxQt(kxString(id)); }

QVBoxLayout* pageLayout(QWidget* page) {
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    return layout;
}
} // namespace

KxNewFileNamePage::KxNewFileNamePage(KxNewDatabaseRequest& request, KxNewDatabaseName& name, KxUi& ui,
                                     KxSettings& settings, EnableNext enableNext, QWidget* parent)
    : KxWizardPage(text(kxStrNewDbStepName), parent), request_(request), rules_(name), ui_(ui), settings_(settings),
      enableNext_(std::move(enableNext)), name_(new QLineEdit(this)),
      editable_(new QCheckBox(text(kxStrNewDbEditableCheckboxes), this)),
      readOnlyMode_(new QCheckBox(text(kxStrNewDbReadOnlyMode), this)),
      handheldReadOnly_(new QCheckBox(text(kxStrNewDbHandheldReadOnly), this)),
      recipe_(new QPushButton(text(kxStrNewDbRecipe), this)) {
    name_->setObjectName(QStringLiteral("databaseName"));
    auto* prompt = new QLabel(text(kxStrNewDbNamePrompt), this);
    prompt->setBuddy(name_);
    auto* browse = new QPushButton(text(kxStrNewDbBrowse), this);
    browse->setObjectName(QStringLiteral("browse"));
    browse->setAutoDefault(false);
    recipe_->setAutoDefault(false);
    recipe_->hide(); // the recipe database is not offered
    editable_->setChecked(request_.checkboxesEditable);
    readOnlyMode_->setChecked(request_.readOnlyMode);
    handheldReadOnly_->setChecked(request_.handheldReadOnly);

    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(name_, 1);
    nameRow->addWidget(browse);
    auto* layout = pageLayout(this);
    layout->addWidget(prompt);
    layout->addLayout(nameRow);
    layout->addSpacing(layout->spacing() * 3);
    for (QCheckBox* option : {editable_, readOnlyMode_, handheldReadOnly_}) layout->addWidget(option);
    layout->addStretch(1);
    layout->addWidget(recipe_, 0, Qt::AlignLeft);

    connect(browse, &QPushButton::clicked, this, &KxNewFileNamePage::browse);
    connect(name_, &QLineEdit::textChanged, this,
            [this](const QString& t) { enableNext_(kxNewDatabaseNameGiven(t.toStdString())); });
}

void KxNewFileNamePage::activated() {
    enableNext_(kxNewDatabaseNameGiven(name_->text().toStdString()));
    name_->setFocus(Qt::OtherFocusReason);
}

void KxNewFileNamePage::browse() {
    const auto chosen =
        kxAskDatabaseFile(ui_, settings_, kxSettingLastNewDir, kxString(kxStrNewDatabaseTitle), false);
    if (!chosen || chosen->empty()) return;
    name_->setText(QString::fromStdString(rules_.browsed(*chosen)));
}

bool KxNewFileNamePage::mayGoNext() {
    std::string shown;
    const bool passed = rules_.next(name_->text().toStdString(), shown);
    name_->setText(QString::fromStdString(shown));
    if (!passed) {
        name_->setFocus(Qt::OtherFocusReason);
        return false;
    }
    request_.path = rules_.path();
    request_.checkboxesEditable = editable_->isChecked();
    request_.readOnlyMode = readOnlyMode_->isChecked();
    request_.handheldReadOnly = handheldReadOnly_->isChecked();
    return true;
}

KxNewFileHandheldPage::KxNewFileHandheldPage(KxNewDatabaseRequest& request, const KxHandheldUserSource& users,
                                             QWidget* parent)
    : KxWizardPage(text(kxStrHandheldInstallTitle), parent), request_(request),
      page_(new KxHandheldInstallChildDialog(this)) {
    page_->setChoices(kxHandheldChoices(users, request_.handheldUsers));
    pageLayout(this)->addWidget(page_);
}

void KxNewFileHandheldPage::activated() { page_->setFocus(Qt::OtherFocusReason); }

bool KxNewFileHandheldPage::mayGoBack() {
    request_.handheldUsers = page_->tickedUsers();
    return true;
}

bool KxNewFileHandheldPage::mayGoNext() { return mayGoBack(); }

KxNewFileFirstFieldPage::KxNewFileFirstFieldPage(KxFieldWorkingCopy& definitions, KxUi& ui, QWidget* parent)
    : KxWizardPage(text(kxStrNewDbStepFirstField), parent), definitions_(definitions), ui_(ui),
      layout_(pageLayout(this)) {}

void KxNewFileFirstFieldPage::activated() {
    if (definitions_.size() == 0) definitions_.add(KxWorkingField{});
    delete field_;
    field_ = new KxFieldEditChildDialog(this, definitions_, KxFieldEditPlace{0, true}, definitions_.at(0), ui_);
    layout_->addWidget(field_);
    field_->show(); // at once, so that it takes the focus and its keys now
    field_->labelBox().setFocus(Qt::OtherFocusReason);
}

void KxNewFileFirstFieldPage::takeData() {
    if (field_ && definitions_.size() > 0) definitions_.modify(0, field_->field());
}

bool KxNewFileFirstFieldPage::mayGoBack() {
    takeData();
    return true;
}

bool KxNewFileFirstFieldPage::mayGoNext() { return mayGoBack(); }

KxNewFileFieldListPage::KxNewFileFieldListPage(KxFieldWorkingCopy& definitions, KxUi& ui, QWidget* parent)
    : KxWizardPage(text(kxStrNewDbStepMoreFields), parent), definitions_(definitions), ui_(ui),
      layout_(pageLayout(this)) {}

// The focus stays on Finish, which the frame gives it on the last step.
void KxNewFileFieldListPage::activated() {
    delete list_;
    list_ = new KxFieldNFormChildDialog(this, definitions_, ui_);
    layout_->addWidget(list_, 1);
    list_->show(); // at once, so that its keys work now
}
