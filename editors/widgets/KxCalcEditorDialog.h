#pragma once
// "Calculation Editor": the operation and, for the four two-field operations, the two
// operand fields; for Sum, Average and Grand Total a note instead of the operands.

#include "editors/KxFieldEditRules.h"

#include <QDialog>

class KxUi;
class QComboBox;
class QLabel;

class KxCalcEditorDialog : public QDialog {
    Q_OBJECT
  public:
    static constexpr int kOperandBoxWidth = 220;

    KxCalcEditorDialog(QWidget* parent, const KxCalcEditRules& rules, const KxWorkingField& field, KxUi& ui);

    QComboBox& operationBox() const { return *operation_; }
    QComboBox& firstBox() const { return *first_; }
    QComboBox& secondBox() const { return *second_; }
    QLabel& operandLabel() const { return *operandLabel_; }
    QLabel& noteLabel() const { return *note_; }
    // The dialog's choice written into the field.
    void applyTo(KxWorkingField& field) const;

    // Runs the dialog on the field; true (and the field changed) on OK.
    static bool edit(QWidget* parent, const KxCalcEditRules& rules, KxWorkingField& field, KxUi& ui);

  private:
    void operationChosen(int index);
    void showForOperation();
    void fillOperands(QComboBox* box, std::uint16_t chosen);
    std::uint16_t operandOf(const QComboBox* box) const;

    const KxCalcEditRules& rules_;
    KxUi& ui_;
    std::vector<KxOperandChoice> choices_;
    int op_;
    QComboBox* operation_;
    QComboBox* first_;
    QLabel* operandLabel_;
    QComboBox* second_;
    QLabel* note_;
};
