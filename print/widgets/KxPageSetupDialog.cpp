#include "print/widgets/KxPageSetupDialog.h"

#include "print/MarginText.h"
#include "views/widgets/KxQtText.h"
#include "print/PrintStrings.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include <cmath>

namespace {
constexpr QPageSize::PageSizeId kPapers[] = {QPageSize::Letter, QPageSize::Legal, QPageSize::A4,
                                             QPageSize::A5, QPageSize::Executive, QPageSize::B5};
// The spin boxes show two decimals; a stored value they cannot show exactly stays as stored
// unless the user changes it.
constexpr int kDecimals = 2;
constexpr int kMaxLength = 255;
} // namespace

KxPageSetupDialog::KxPageSetupDialog(QWidget* parent, const KxPageSetup& setup, const KxPaperChoice& paper)
    : QDialog(parent), initial_(setup) {
    setWindowTitle(kxQtString(kxStrPageSetupTitle));
    header_ = new QLineEdit(kxQt(setup.header), this);
    footer_ = new QLineEdit(kxQt(setup.footer), this);
    header_->setObjectName(QStringLiteral("header"));
    footer_->setObjectName(QStringLiteral("footer"));
    header_->setMaxLength(kMaxLength);
    footer_->setMaxLength(kMaxLength);
    auto* texts = new QGroupBox(kxQtString(kxStrHeadersAndFooters), this);
    auto* textForm = new QFormLayout(texts);
    textForm->addRow(kxQtString(kxStrHeaderLabel), header_);
    textForm->addRow(kxQtString(kxStrFooterLabel), footer_);
    // No buddy: the ampersands show as typed.
    auto* legend = new QLabel(kxQtString(kxStrPageCodeLegend),
                              this);
    legend->setObjectName(QStringLiteral("codeLegend"));
    legend->setTextFormat(Qt::PlainText);
    legend->setWordWrap(true);
    textForm->addRow(legend);

    top_ = marginBox(setup.marginTop);
    bottom_ = marginBox(setup.marginBottom);
    left_ = marginBox(setup.marginLeft);
    right_ = marginBox(setup.marginRight);
    top_->setObjectName(QStringLiteral("marginTop"));
    bottom_->setObjectName(QStringLiteral("marginBottom"));
    left_->setObjectName(QStringLiteral("marginLeft"));
    right_->setObjectName(QStringLiteral("marginRight"));
    auto* margins = new QGroupBox(kxQtString(kxStrMarginsInches), this);
    auto* marginGrid = new QGridLayout(margins);
    const auto addMargin = [&](const QString& text, QDoubleSpinBox* box, int row, int column) {
        auto* label = new QLabel(text, margins);
        label->setBuddy(box);
        marginGrid->addWidget(label, row, column);
        marginGrid->addWidget(box, row, column + 1);
    };
    addMargin(kxQtString(kxStrMarginLeft), left_, 0, 0);
    addMargin(kxQtString(kxStrMarginRight), right_, 0, 2);
    addMargin(kxQtString(kxStrMarginTop), top_, 1, 0);
    addMargin(kxQtString(kxStrMarginBottom), bottom_, 1, 2);

    paper_ = new QComboBox(this);
    paper_->setObjectName(QStringLiteral("paper"));
    for (const QPageSize::PageSizeId id : kPapers) paper_->addItem(QPageSize::name(id), static_cast<int>(id));
    if (paper_->findData(static_cast<int>(paper.size)) < 0)
        paper_->addItem(QPageSize::name(paper.size), static_cast<int>(paper.size));
    paper_->setCurrentIndex(paper_->findData(static_cast<int>(paper.size)));
    portrait_ = new QRadioButton(kxQtString(kxStrPortrait), this);
    landscape_ = new QRadioButton(kxQtString(kxStrLandscape), this);
    (paper.orientation == QPageLayout::Landscape ? landscape_ : portrait_)->setChecked(true);
    auto* paperBox = new QGroupBox(kxQtString(kxStrPaper), this);
    auto* paperLayout = new QHBoxLayout(paperBox);
    auto* sizeLabel = new QLabel(kxQtString(kxStrPaperSize), paperBox);
    sizeLabel->setBuddy(paper_);
    paperLayout->addWidget(sizeLabel);
    paperLayout->addWidget(paper_, 1);
    paperLayout->addWidget(portrait_);
    paperLayout->addWidget(landscape_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(texts);
    layout->addWidget(margins);
    layout->addWidget(paperBox);
    layout->addWidget(buttons);
}

QDoubleSpinBox* KxPageSetupDialog::marginBox(const std::string& text) {
    auto* box = new QDoubleSpinBox(this);
    box->setDecimals(kDecimals);
    box->setRange(0.0, 10.0);
    box->setSingleStep(0.25);
    box->setValue(kxMarginInches(text).value_or(0.75));
    return box;
}

std::string KxPageSetupDialog::marginText(const QDoubleSpinBox* box, const std::string& stored) const {
    const auto before = kxMarginInches(stored);
    const double shown = std::round(before.value_or(-1) * 100) / 100;
    if (before && std::abs(shown - box->value()) < 1e-9) return stored;
    return kxMarginText(box->value());
}

KxPageSetup KxPageSetupDialog::setup() const {
    return {kx1252(header_->text()),
            kx1252(footer_->text()),
            marginText(top_, initial_.marginTop),
            marginText(bottom_, initial_.marginBottom),
            marginText(left_, initial_.marginLeft),
            marginText(right_, initial_.marginRight)};
}

KxPaperChoice KxPageSetupDialog::paper() const {
    KxPaperChoice paper;
    paper.size = static_cast<QPageSize::PageSizeId>(paper_->currentData().toInt());
    paper.orientation = landscape_->isChecked() ? QPageLayout::Landscape : QPageLayout::Portrait;
    return paper;
}
