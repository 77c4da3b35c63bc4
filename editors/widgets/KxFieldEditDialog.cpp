#include "editors/widgets/KxFieldEditDialog.h"

#include "engine/FieldTypeNames.h"
#include "editors/widgets/KxCalcEditorDialog.h"
#include "editors/widgets/KxMultiChoiceDialog.h"
#include "views/widgets/KxQtText.h"
#include "editors/EditorStrings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
const std::vector<KxFieldType>& types() { return KxFieldEditRules::typeChoices(); }

int typeIndex(KxFieldType type) {
    // A Number stored as an integer is offered as Number; a type without a name as nothing.
    if (type == KxFieldType::Integer) type = KxFieldType::Number;
    const auto it = std::find(types().begin(), types().end(), type);
    return it == types().end() ? -1 : static_cast<int>(it - types().begin());
}
} // namespace

KxFieldEditChildDialog::KxFieldEditChildDialog(QWidget* parent, const KxFieldWorkingCopy& copy,
                                               const KxFieldEditPlace& place, KxWorkingField field, KxUi& ui)
    : QWidget(parent), copy_(copy), place_(place), field_(std::move(field)), ui_(ui),
      label_(new QLineEdit(kxQt(field_.label), this)), type_(new QComboBox(this)),
      decimalsLabel_(new QLabel(kxQtString(kxStrDecimalPlaces), this)), decimals_(new QComboBox(this)),
      thousands_(new QCheckBox(kxQtString(kxStrDisplayThousandSeparators), this)),
      currency_(new QCheckBox(kxQtString(kxStrDisplayCurrencySymbol), this)),
      seconds_(new QCheckBox(kxQtString(kxStrDisplaySeconds), this)),
      hideLabel_(new QCheckBox(kxQtString(kxStrHideFieldLabel), this)),
      items_(new QPushButton(kxQtString(kxStrEditChoiceItems), this)),
      calculation_(new QPushButton(kxQtString(kxStrEditCalculation), this)) {
    label_->setObjectName(QStringLiteral("fieldLabel"));
    label_->setMaxLength(static_cast<int>(KxFieldWorkingCopy::kMaxLabel));
    label_->setMinimumWidth(label_->fontMetrics().horizontalAdvance(QLatin1Char('M')) * 16);
    for (KxFieldType t : types()) type_->addItem(kxQt(kxFieldTypeName(t)));
    type_->setCurrentIndex(typeIndex(field_.type));
    for (int d = 0; d <= KxFieldEditDialog::kMaxDecimals; ++d) decimals_->addItem(QString::number(d));
    decimals_->setCurrentIndex(static_cast<int>(std::min<std::uint32_t>(field_.decimals, KxFieldEditDialog::kMaxDecimals)));
    decimalsLabel_->setBuddy(decimals_);
    thousands_->setChecked(field_.thousands);
    currency_->setChecked(field_.currency);
    seconds_->setChecked(field_.seconds);
    hideLabel_->setChecked(field_.hideLabel);
    for (QPushButton* b : {items_, calculation_}) b->setAutoDefault(false);

    auto* form = new QFormLayout;
    form->addRow(kxQtString(kxStrFieldLabel), label_);
    form->addRow(kxQtString(kxStrFieldContains), type_);
    form->addRow(decimalsLabel_, decimals_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(form);
    for (QWidget* w : std::initializer_list<QWidget*>{thousands_, currency_, seconds_, hideLabel_, items_, calculation_})
        layout->addWidget(w);
    layout->addStretch();

    connect(type_, &QComboBox::activated, this, &KxFieldEditChildDialog::typeChosen);
    connect(items_, &QPushButton::clicked, this, &KxFieldEditChildDialog::editItems);
    connect(calculation_, &QPushButton::clicked, this, &KxFieldEditChildDialog::editCalculation);
    editCalculation_ = [this](KxWorkingField& f) {
        return KxCalcEditorDialog::edit(this, KxCalcEditRules(copy_, place_), f, ui_);
    };
    editItems_ = [this](const std::vector<std::string>& items) { return KxMultiChoiceDialog::edit(this, items, ui_); };
    showControlsForType();
}

void KxFieldEditChildDialog::typeChosen(int index) {
    if (index < 0 || index >= static_cast<int>(types().size())) return;
    KxWorkingField edited = field();
    if (KxFieldEditRules(copy_, ui_).changeType(place_, edited, types()[static_cast<std::size_t>(index)]))
        field_ = edited;
    type_->setCurrentIndex(typeIndex(field_.type));
    showControlsForType();
}

void KxFieldEditChildDialog::showControlsForType() {
    const KxFieldType t = field_.type;
    const bool numeric = t == KxFieldType::Number || t == KxFieldType::Integer || t == KxFieldType::Calculation;
    const bool labelOnly = t == KxFieldType::LabelOnly;
    auto show = [](QWidget* w, bool on) {
        w->setVisible(on);
        w->setEnabled(on);
    };
    show(decimalsLabel_, numeric && t != KxFieldType::Integer);
    show(decimals_, numeric && t != KxFieldType::Integer);
    show(thousands_, numeric);
    show(currency_, numeric);
    show(seconds_, t == KxFieldType::Time);
    show(hideLabel_, !labelOnly);
    show(items_, t == KxFieldType::MultipleChoice);
    show(calculation_, t == KxFieldType::Calculation);
}

KxWorkingField KxFieldEditChildDialog::field() const {
    KxWorkingField f = field_;
    f.label = kx1252(label_->text());
    f.decimals = static_cast<std::uint32_t>(std::max(0, decimals_->currentIndex()));
    if (f.type != KxFieldType::Number && f.type != KxFieldType::Calculation) f.decimals = field_.decimals;
    f.thousands = thousands_->isChecked();
    f.currency = currency_->isChecked();
    f.seconds = seconds_->isChecked();
    f.hideLabel = hideLabel_->isChecked();
    return f;
}

void KxFieldEditChildDialog::editCalculation() {
    if (!KxFieldEditRules(copy_, ui_).mayEditCalculation(place_)) return;
    KxWorkingField edited = field_;
    if (editCalculation_(edited)) {
        field_.calcOp = edited.calcOp;
        field_.first = edited.first;
        field_.second = edited.second;
    }
}

void KxFieldEditChildDialog::editItems() {
    if (auto items = editItems_(field_.items)) field_.items = std::move(*items);
}

KxFieldEditDialog::KxFieldEditDialog(QWidget* parent, const KxFieldWorkingCopy& copy, const KxFieldEditPlace& place,
                                     const KxWorkingField& field, KxUi& ui)
    : QDialog(parent), child_(new KxFieldEditChildDialog(this, copy, place, field, ui)) {
    setWindowTitle(kxQtString(kxStrFieldTitle).arg(place.position + 1));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(child_);
    layout->addWidget(buttons);
    child_->labelBox().setFocus(Qt::OtherFocusReason);
}

std::optional<KxWorkingField> KxFieldEditDialog::edit(QWidget* parent, const KxFieldWorkingCopy& copy,
                                                      const KxFieldEditPlace& place, const KxWorkingField& field,
                                                      KxUi& ui) {
    KxFieldEditDialog dialog(parent, copy, place, field, ui);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.child().field();
}
