#pragma once
// What the field list and the field dialog refuse and ask before they change the working
// copy. The questions go through KxUi; the widgets only show the outcome.

#include "editors/KxFieldWorkingCopy.h"

#include <cstddef>
#include <limits>
#include <optional>
#include <string>
#include <vector>

class KxUi;

// The field a dialog edits: where it sits (or will sit, for a new one) in the list.
struct KxFieldEditPlace {
    std::size_t position = 0;
    bool listed = false; // an entry of the list (Modify), not one being added
    // The list entry the field replaces, or past the end for a new field.
    std::size_t self() const { return listed ? position : std::numeric_limits<std::size_t>::max(); }
};

class KxFieldEditRules {
  public:
    KxFieldEditRules(const KxFieldWorkingCopy& copy, KxUi& ui) : copy_(copy), ui_(ui) {}

    // Add and Insert: refused at 250 fields.
    bool mayAddField();
    // Delete: an existing field of a database with records asks first.
    bool confirmDelete(std::size_t position);
    // Cancel of the editor with changes asks first.
    bool confirmCancel();

    // The type list of the field dialog, in the order it shows them.
    static const std::vector<KxFieldType>& typeChoices();
    // A change of type in the field dialog, with its refusal and questions in order; true
    // when `edited` took the new type (a new Calculation gets its operands), false when the
    // old type stays.
    bool changeType(const KxFieldEditPlace& place, KxWorkingField& edited, KxFieldType type);
    // "&Edit Calculation": refused when there is no other Number field.
    bool mayEditCalculation(const KxFieldEditPlace& place);

  private:
    bool okToContinue(int text);

    const KxFieldWorkingCopy& copy_;
    KxUi& ui_;
};

// One entry of a Calculation Editor operand box.
struct KxOperandChoice {
    std::uint16_t position = kxNoOperand; // in the working list
    std::string name;
};

// The Calculation Editor's rules.
class KxCalcEditRules {
  public:
    KxCalcEditRules(const KxFieldWorkingCopy& copy, const KxFieldEditPlace& place)
        : copy_(copy), place_(place) {}

    static constexpr std::uint8_t kOperationCount = 7;
    static std::string operationText(std::uint8_t op);
    // "&Plus:" and so on; empty for the operations without operands.
    static std::string operandLabel(std::uint8_t op);
    // The note shown instead of the operands; empty for the two-operand operations.
    static std::string note(std::uint8_t op);
    static bool usesOperands(std::uint8_t op) { return op < 4; }

    // Every Number field but the edited one and every Calculation above it, in list order.
    std::vector<KxOperandChoice> operandChoices() const;
    // Grand Total needs a Sum field; false (with the message) when there is none.
    bool mayChoose(std::uint8_t op, KxUi& ui) const;
    // Takes over the dialog's choice; the operations without operands clear both.
    static void apply(KxWorkingField& edited, std::uint8_t op, std::uint16_t first, std::uint16_t second);

  private:
    const KxFieldWorkingCopy& copy_;
    KxFieldEditPlace place_;
};
