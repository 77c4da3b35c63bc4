#include "editors/widgets/KxCalcEditorDialog.h"

#include "editors/EditorStrings.h"
#include "views/widgets/KxDragListBox.h"
#include "views/widgets/KxQtText.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

KxCalcEditorDialog::KxCalcEditorDialog(QWidget* parent, const KxCalcEditRules& rules, const KxWorkingField& field,
                                       KxUi& ui)
    : QDialog(parent), rules_(rules), ui_(ui), choices_(rules.operandChoices()), op_(field.calcOp),
      operation_(new QComboBox(this)), first_(new QComboBox(this)), operandLabel_(new QLabel(this)),
      second_(new QComboBox(this)), note_(new QLabel(this)) {
    setWindowTitle(kxQt(kxString(kxStrCalcEditorTitle)));
    for (std::uint8_t op = 0; op < KxCalcEditRules::kOperationCount; ++op)
        operation_->addItem(kxQt(KxCalcEditRules::operationText(op)));
    if (op_ >= KxCalcEditRules::kOperationCount) op_ = 0;
    operation_->setCurrentIndex(op_);
    for (QComboBox* box : {first_, second_}) box->setFixedWidth(kOperandBoxWidth);
    fillOperands(first_, field.first);
    fillOperands(second_, field.second);
    operandLabel_->setBuddy(second_);
    note_->setWordWrap(true);
    note_->setMinimumWidth(kOperandBoxWidth + 80);

    auto* operationLabel = new QLabel(kxQtString(kxStrCalcOperation), this);
    operationLabel->setBuddy(operation_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(operation_, &QComboBox::activated, this, &KxCalcEditorDialog::operationChosen);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(operationLabel);
    layout->addWidget(operation_);
    layout->addSpacing(8);
    layout->addWidget(first_);
    layout->addWidget(operandLabel_);
    layout->addWidget(second_);
    layout->addWidget(note_);
    layout->addStretch();
    layout->addWidget(buttons);
    showForOperation();
    operation_->setFocus(Qt::OtherFocusReason);
}

void KxCalcEditorDialog::fillOperands(QComboBox* box, std::uint16_t chosen) {
    const int room = kOperandBoxWidth - 40;
    box->addItem(kxQt(kxString(kxStrNoFieldSpecified)), QVariant::fromValue<int>(kxNoOperand));
    for (const KxOperandChoice& c : choices_)
        box->addItem(kxCutWithDots(box->fontMetrics(), kxQt(c.name), room), QVariant::fromValue<int>(c.position));
    const int at = box->findData(QVariant::fromValue<int>(chosen));
    box->setCurrentIndex(at < 0 ? 0 : at);
}

std::uint16_t KxCalcEditorDialog::operandOf(const QComboBox* box) const {
    return static_cast<std::uint16_t>(box->currentData().toInt());
}

void KxCalcEditorDialog::operationChosen(int index) {
    if (index < 0) return;
    if (!rules_.mayChoose(static_cast<std::uint8_t>(index), ui_)) {
        operation_->setCurrentIndex(op_);
        return;
    }
    op_ = index;
    showForOperation();
}

void KxCalcEditorDialog::showForOperation() {
    const auto op = static_cast<std::uint8_t>(op_);
    const bool operands = KxCalcEditRules::usesOperands(op);
    for (QWidget* w : std::initializer_list<QWidget*>{first_, operandLabel_, second_}) {
        w->setVisible(operands);
        w->setEnabled(operands);
    }
    operandLabel_->setText(kxQt(KxCalcEditRules::operandLabel(op)));
    note_->setText(kxQt(KxCalcEditRules::note(op)));
    note_->setVisible(!operands);
}

void KxCalcEditorDialog::applyTo(KxWorkingField& field) const {
    KxCalcEditRules::apply(field, static_cast<std::uint8_t>(op_), operandOf(first_), operandOf(second_));
}

bool KxCalcEditorDialog::edit(QWidget* parent, const KxCalcEditRules& rules, KxWorkingField& field, KxUi& ui) {
    KxCalcEditorDialog dialog(parent, rules, field, ui);
    if (dialog.exec() != QDialog::Accepted) return false;
    dialog.applyTo(field);
    return true;
}
