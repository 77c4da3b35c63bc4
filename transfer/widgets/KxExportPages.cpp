#include "transfer/widgets/KxExportPages.h"

#include "platform/Paths.h"
#include "base/KxUi.h"
#include "transfer/ExportPath.h"
#include "transfer/widgets/KxExportWizard.h"
#include "transfer/TransferFilters.h"
#include "app/AppStrings.h"
#include "transfer/TransferStrings.h"
#include "views/widgets/KxQtText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {
constexpr KxExportWhat kWhats[] = {KxExportWhat::Entire, KxExportWhat::CategoryOrSearch, KxExportWhat::Selected,
                                   KxExportWhat::StructureOnly};
constexpr KxExportFileType kTypes[] = {KxExportFileType::Comma, KxExportFileType::Tab, KxExportFileType::Database};

int indexOf(KxExportWhat what) { return static_cast<int>(what) - 1; }
int indexOf(KxExportFileType type) { return static_cast<int>(type) - 1; }
} // namespace

KxExportWhatPage::KxExportWhatPage(KxExportWizardState& state, QWidget* parent)
    : KxWizardPage(kxQtString(kxStrExportWhat), parent), state_(state) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(kxQtString(kxStrExportWhat), this));
    const QString texts[] = {kxQtString(kxStrExportEntire), kxQtString(kxStrRangeCurrent),
                             kxQtString(kxStrRangeSelected), kxQtString(kxStrExportStructure)};
    for (int i = 0; i < 4; ++i) {
        buttons_[i] = new QRadioButton(texts[i], this);
        layout->addWidget(buttons_[i]);
    }
    layout->addStretch(1);
    button(state_.options.what)->setChecked(true);
}

QRadioButton* KxExportWhatPage::button(KxExportWhat what) const { return buttons_[indexOf(what)]; }

bool KxExportWhatPage::mayGoNext() {
    for (KxExportWhat what : kWhats)
        if (button(what)->isChecked()) state_.options.what = what;
    return true;
}

KxExportFilePage::KxExportFilePage(KxExportWizardState& state, QWidget* parent)
    : KxWizardPage(kxQtString(kxStrFileTypeStep), parent), state_(state) {
    auto* typeBox = new QGroupBox(kxQtString(kxStrFileType), this);
    auto* typeLayout = new QVBoxLayout(typeBox);
    const QString texts[] = {kxQtString(kxStrTypeComma), kxQtString(kxStrTypeTab),
                             kxQtString(kxStrTypeRolva)};
    for (int i = 0; i < 3; ++i) {
        types_[i] = new QRadioButton(texts[i], typeBox);
        typeLayout->addWidget(types_[i]);
        connect(types_[i], &QRadioButton::toggled, this, [this](bool on) {
            if (on) applyExtension();
        });
    }
    auto* pathLabel = new QLabel(kxQtString(kxStrExportPathLabel), this);
    path_ = new QLineEdit(this);
    path_->setObjectName(QStringLiteral("exportPath"));
    pathLabel->setBuddy(path_);
    auto* browseButton = new QPushButton(kxQtString(kxStrNewDbBrowse), this);
    browseButton->setAutoDefault(false);
    connect(browseButton, &QPushButton::clicked, this, &KxExportFilePage::browse);
    auto* encodingLabel = new QLabel(kxQtString(kxStrExportCharset), this);
    encoding_ = new QComboBox(this);
    encoding_->addItem(kxQtString(kxStrUtf8), static_cast<int>(KxTextEncoding::Utf8));
    encoding_->addItem(kxQtString(kxStrCp1252), static_cast<int>(KxTextEncoding::Cp1252));
    encodingLabel->setBuddy(encoding_);

    auto* layout = new QGridLayout(this);
    layout->addWidget(typeBox, 0, 0, 1, 2);
    layout->addWidget(pathLabel, 1, 0, 1, 2);
    layout->addWidget(path_, 2, 0);
    layout->addWidget(browseButton, 2, 1);
    layout->addWidget(encodingLabel, 3, 0, 1, 2);
    layout->addWidget(encoding_, 4, 0, Qt::AlignLeft);
    layout->setRowStretch(5, 1);
    path_->setText(QString::fromStdString(state_.options.path));
    encoding_->setCurrentIndex(state_.options.encoding == KxTextEncoding::Cp1252 ? 1 : 0);
}

QRadioButton* KxExportFilePage::typeButton(KxExportFileType type) const { return types_[indexOf(type)]; }

KxExportFileType KxExportFilePage::selectedType() const {
    for (KxExportFileType type : kTypes)
        if (typeButton(type)->isChecked()) return type;
    return KxExportFileType::Comma;
}

void KxExportFilePage::applyExtension() {
    path_->setText(QString::fromStdString(kxApplyExportExtension(path_->text().toStdString(), selectedType())));
    encoding_->setEnabled(selectedType() != KxExportFileType::Database);
}

void KxExportFilePage::activated() {
    if (state_.fileTypeShown) return;
    // The first time: a database file for the structure only, else comma-separated.
    state_.fileTypeShown = true;
    const bool structure = state_.options.what == KxExportWhat::StructureOnly;
    typeButton(structure ? KxExportFileType::Database : KxExportFileType::Comma)->setChecked(true);
    applyExtension();
}

void KxExportFilePage::browse() {
    const std::string path = path_->text().toStdString();
    KxFileDialogRequest request;
    request.title = kxString(kxStrExportDialogTitle);
    request.directory = kxDirectoryOf(path);
    request.fileName = std::string(kxFileNameOf(path));
    request.filter = kxExportFilter(selectedType());
    request.defaultSuffix = kxExportDefaultExtension(selectedType());
    if (const auto chosen = state_.ui.saveFileName(request)) path_->setText(QString::fromStdString(*chosen));
}

void KxExportFilePage::store() {
    state_.options.type = selectedType();
    state_.options.path = path_->text().trimmed().toStdString();
    state_.options.encoding = static_cast<KxTextEncoding>(encoding_->currentData().toInt());
}

bool KxExportFilePage::mayGoBack() {
    store();
    return true;
}

bool KxExportFilePage::mayGoNext() {
    store();
    const auto target =
        kxConfirmExportTarget(state_.ui, state_.options.path, state_.options.type, state_.openDatabasePath);
    if (!target) return false;
    state_.options.path = *target;
    path_->setText(QString::fromStdString(*target));
    return true;
}

KxExportFieldsPage::KxExportFieldsPage(KxExportWizardState& state, QWidget* parent)
    : KxWizardPage(kxQtString(kxStrExportFieldsStep), parent), state_(state), chooser_(new KxFieldChooserPage(this)) {
    chooser_->setHeading(QString());
    chooser_->setModel(state_.model);
    chooser_->setLabels(state_.options.fieldLabels);
    userLabels_ = state_.options.fieldLabels;
    connect(labelsBox(), &QCheckBox::clicked, this, [this](bool on) { userLabels_ = on; });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(chooser_);
}

QCheckBox* KxExportFieldsPage::labelsBox() const { return &chooser_->labelsBox(); }

KxDragCheckListBox* KxExportFieldsPage::fieldList() const { return &chooser_->list(); }

void KxExportFieldsPage::moveItem(int from, int to) { chooser_->moveItem(from, to); }

void KxExportFieldsPage::activated() {
    const bool forced =
        state_.options.type == KxExportFileType::Database || state_.options.what == KxExportWhat::StructureOnly;
    chooser_->setLabels(userLabels_, forced);
}

void KxExportFieldsPage::store() {
    state_.model = chooser_->model();
    state_.selections.plain.setOrder(state_.model.checkedOrder());
    state_.options.fieldLabels = chooser_->labels();
}

bool KxExportFieldsPage::mayGoBack() {
    store();
    return true;
}

bool KxExportFieldsPage::mayFinish() {
    store();
    return true;
}
