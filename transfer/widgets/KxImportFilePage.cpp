#include "transfer/widgets/KxImportFilePage.h"

#include "base/KxUi.h"
#include "transfer/widgets/KxImportWizard.h"
#include "transfer/TransferFilters.h"
#include "app/AppStrings.h"
#include "transfer/TransferStrings.h"
#include "views/widgets/KxQtText.h"

#include <QApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

KxImportFilePage::KxImportFilePage(KxImportWizardState& state, QWidget* parent)
    : KxWizardPage(kxQtString(kxStrFileTypeStep), parent), state_(state) {
    auto* types = new QGroupBox(kxQtString(kxStrFileType), this);
    comma_ = new QRadioButton(kxQtString(kxStrTypeComma), types);
    tab_ = new QRadioButton(kxQtString(kxStrTypeTab), types);
    database_ = new QRadioButton(kxQtString(kxStrTypeRolva), types);
    auto* typeLayout = new QVBoxLayout(types);
    for (QRadioButton* button : {comma_, tab_, database_}) typeLayout->addWidget(button);

    auto* nameLabel = new QLabel(kxQtString(kxStrImportFileName), this);
    name_ = new QLineEdit(this);
    name_->setObjectName(QStringLiteral("fileName"));
    nameLabel->setBuddy(name_);
    auto* browse = new QPushButton(kxQtString(kxStrNewDbBrowse), this);
    browse->setObjectName(QStringLiteral("browse"));
    connect(browse, &QPushButton::clicked, this, &KxImportFilePage::browse);

    auto* layout = new QGridLayout(this);
    layout->addWidget(new QLabel(kxQtString(kxStrImportFileIntro), this), 0, 0, 1, 2);
    layout->addWidget(types, 1, 0, 1, 2);
    layout->addWidget(nameLabel, 2, 0, 1, 2);
    layout->addWidget(name_, 3, 0);
    layout->addWidget(browse, 3, 1);
    layout->setRowStretch(4, 1);

    selectType(state_.type);
    name_->setText(QString::fromStdString(state_.path));
}

QRadioButton* KxImportFilePage::typeButton(KxImportType type) const {
    switch (type) {
    case KxImportType::Database: return database_;
    case KxImportType::Tab: return tab_;
    case KxImportType::Comma: break;
    }
    return comma_;
}

KxImportType KxImportFilePage::selectedType() const {
    if (database_->isChecked()) return KxImportType::Database;
    if (tab_->isChecked()) return KxImportType::Tab;
    return KxImportType::Comma;
}

void KxImportFilePage::selectType(KxImportType type) { typeButton(type)->setChecked(true); }

void KxImportFilePage::browse() {
    KxFileDialogRequest request;
    request.title = kxString(kxStrImportDialogTitle);
    request.directory = state_.lastImportDir;
    request.filter = kxImportFilter(selectedType());
    request.defaultSuffix = "txt";
    request.mustExist = true;
    const auto chosen = state_.ui.openFileName(request);
    if (!chosen) return;
    name_->setText(QString::fromStdString(*chosen));
    selectType(kxImportTypeForPath(*chosen, selectedType()));
}

bool KxImportFilePage::mayGoNext() {
    state_.type = selectedType();
    std::string path = name_->text().trimmed().toStdString();
    state_.source.reset();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    std::unique_ptr<KxImporter> source;
    try {
        source = kxLoadImportSource(state_.ui, path, state_.type, state_.lastImportDir);
    } catch (...) {
        QApplication::restoreOverrideCursor();
        throw; // the wizard shows the engine's message and stays on the page
    }
    QApplication::restoreOverrideCursor();
    if (!source) return false;
    name_->setText(QString::fromStdString(path));
    state_.path = path;
    state_.source = std::move(source);
    ++state_.sourceGeneration;
    return true;
}
