#include "print/widgets/KxPrintReportDlg.h"

#include "base/KxUi.h"
#include "print/widgets/KxFieldsToPrintDialog.h"
#include "print/widgets/KxPageSetupDialog.h"
#include "print/widgets/KxPageSetupStoreQt.h"
#include "print/widgets/KxPrintOutputQt.h"
#include "print/widgets/KxPrintTemplateDlg.h"
#include "print/KxPrintSession.h"
#include "views/widgets/KxQtText.h"

#include "print/PrintStrings.h"
#include "app/AppStrings.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {
constexpr int kMaxTitleLength = 255;
constexpr KxPrintRange kRanges[] = {KxPrintRange::Entire, KxPrintRange::CurrentOrFound, KxPrintRange::Selected};
} // namespace

KxPrintReportDlg::KxPrintReportDlg(QWidget* parent, KxUi& ui, KxPrintSession& session, KxPageSetupStoreQt& store)
    : QDialog(parent), ui_(ui), session_(session), store_(store), title_(new QLineEdit(this)) {
    setWindowTitle(kxQtString(kxStrPrintSettingsTitle));
    title_->setObjectName(QStringLiteral("title"));
    title_->setMaxLength(kMaxTitleLength);
    title_->setText(kxQt(session_.title));
    auto* titleLabel = new QLabel(kxQtString(kxStrPrintTitleLabel), this);
    titleLabel->setBuddy(title_);

    auto* range = new QGroupBox(kxQtString(kxStrPrintRange), this);
    auto* rangeLayout = new QVBoxLayout(range);
    const QString rangeTexts[] = {kxQtString(kxStrPrintRangeAll), kxQtString(kxStrRangeCurrent),
                                  kxQtString(kxStrRangeSelected)};
    for (int i = 0; i < 3; ++i) {
        ranges_[i] = new QRadioButton(rangeTexts[i], range);
        ranges_[i]->setObjectName(QStringLiteral("range%1").arg(i));
        ranges_[i]->setChecked(kRanges[i] == session_.range);
        rangeLayout->addWidget(ranges_[i]);
    }

    auto* options = new QGroupBox(kxQtString(kxStrPrintOptions), this);
    auto* optionLayout = new QVBoxLayout(options);
    optionLayout->addWidget(addButton(kxQtString(kxStrFieldsToPrintButton), "fields", &KxPrintReportDlg::chooseFields));
    optionLayout->addWidget(addButton(kxQtString(kxStrPrintStyleButton), "style", &KxPrintReportDlg::chooseStyle));
    optionLayout->addWidget(addButton(kxQtString(kxStrPageSetupButton), "pageSetup", &KxPrintReportDlg::setUpPage));

    auto* left = new QVBoxLayout;
    left->addWidget(titleLabel);
    left->addWidget(title_);
    left->addWidget(range);
    left->addWidget(options);
    left->addStretch(1);

    auto* right = new QVBoxLayout;
    QPushButton* printButton = addButton(kxQtString(kxStrPrintButton), "print", &KxPrintReportDlg::print);
    printButton->setDefault(true);
    right->addWidget(printButton);
    right->addWidget(addButton(kxQtString(kxStrPreviewButton), "preview", &KxPrintReportDlg::preview));
    right->addWidget(addButton(kxQtString(kxStrSavePdfButton), "pdf", &KxPrintReportDlg::saveAsPdf));
    right->addWidget(addButton(kxQtString(kxStrBrowserButton), "browser", &KxPrintReportDlg::openInBrowser));
    right->addWidget(addButton(kxQtString(kxStrCancel), "cancel", &KxPrintReportDlg::reject));
    right->addStretch(1);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(right);
    title_->setFocus();
}

KxPrintReportDlg::~KxPrintReportDlg() = default;

QPushButton* KxPrintReportDlg::addButton(const QString& text, const char* name, void (KxPrintReportDlg::*slot)()) {
    auto* button = new QPushButton(text, this);
    button->setObjectName(QLatin1String(name));
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, slot);
    return button;
}

QPushButton& KxPrintReportDlg::button(const char* name) const {
    return *findChild<QPushButton*>(QLatin1String(name));
}

void KxPrintReportDlg::takeControls() {
    session_.title = kx1252(title_->text());
    for (int i = 0; i < 3; ++i)
        if (ranges_[i]->isChecked()) session_.range = kRanges[i];
}

void KxPrintReportDlg::reject() {
    takeControls();
    QDialog::reject();
}

void KxPrintReportDlg::chooseFields() {
    KxFieldsToPrintDialog dialog(this, session_.selection());
    dialog.exec();
}

void KxPrintReportDlg::chooseStyle() {
    takeControls();
    KxPrintTemplateDlg dialog(this, session_);
    dialog.exec();
}

void KxPrintReportDlg::setUpPage() {
    KxPageSetupDialog dialog(this, session_.pageSetup(), store_.paper());
    if (dialog.exec() == QDialog::Accepted) {
        session_.setPageSetup(dialog.setup());
        store_.setPaper(dialog.paper());
    }
    title_->setFocus();
}

bool KxPrintReportDlg::generateOutput() {
    takeControls();
    const auto box = ui_.waitBox(kxString(kxStrGeneratingPrintout));
    return session_.generate(box.get());
}

std::unique_ptr<KxPrintPages> KxPrintReportDlg::generatePages() {
    if (!generateOutput()) return nullptr;
    return KxPrintPages::fromFile(session_.outputPath(), session_.pageSetup(), session_.title);
}

void KxPrintReportDlg::print() {
    const auto pages = generatePages();
    if (!pages) return;
    if (kxPrintPagesOnPrinter(this, ui_, *pages, store_.paper())) reject();
}

void KxPrintReportDlg::preview() {
    if (const auto pages = generatePages()) kxPreviewPages(this, *pages, store_.paper());
}

void KxPrintReportDlg::saveAsPdf() {
    if (const auto pages = generatePages()) kxSavePagesAsPdf(ui_, *pages, store_.paper(), session_.title, session_.databasePath());
}

void KxPrintReportDlg::openInBrowser() {
    if (generateOutput()) kxOpenOutputInBrowser(ui_, session_.outputPath());
}
