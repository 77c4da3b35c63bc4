#include "editors/KxFieldEditRules.h"

#include "editors/EditorStrings.h"
#include "base/KxUi.h"
#include "transfer/DisplayNames.h"
#include "engine/values/Conversion.h"

namespace {
constexpr std::uint8_t kGrandTotal = 6;
} // namespace

bool KxFieldEditRules::okToContinue(int text) {
    return ui_.message(kxString(text), KxUi::kCaption, KxButtons::OkCancel, KxIcon::Warning,
                       KxAnswer::Cancel) == KxAnswer::Ok;
}

bool KxFieldEditRules::mayAddField() {
    if (!copy_.full()) return true;
    ui_.inform(kxString(kxStrMaxFields, std::to_string(KxFieldWorkingCopy::kMaxFields)));
    return false;
}

bool KxFieldEditRules::confirmDelete(std::size_t position) {
    if (position >= copy_.size() || copy_.at(position).isNew || !copy_.hasRecords()) return true;
    return ui_.message(kxString(kxStrConfirmFieldDelete), kxString(kxStrConfirmFieldDeleteCaption),
                       KxButtons::OkCancel, KxIcon::Warning, KxAnswer::Cancel) == KxAnswer::Ok;
}

bool KxFieldEditRules::confirmCancel() {
    if (!copy_.modified()) return true;
    return ui_.message(kxString(kxStrConfirmFieldCancel), kxString(kxStrFieldEditorTitle),
                       KxButtons::YesNo, KxIcon::Question, KxAnswer::No) == KxAnswer::Yes;
}

const std::vector<KxFieldType>& KxFieldEditRules::typeChoices() {
    using T = KxFieldType;
    static const std::vector<KxFieldType> types{T::Text, T::MultipleChoice, T::Number, T::Calculation,
                                                T::Date, T::Time, T::Checkbox, T::LabelOnly};
    return types;
}

bool KxFieldEditRules::changeType(const KxFieldEditPlace& place, KxWorkingField& edited, KxFieldType type) {
    if (type == edited.type) return true;
    const std::uint16_t number = copy_.firstNumberField(place.self());
    if (type == KxFieldType::Calculation && number == kxNoOperand) {
        ui_.inform(kxString(kxStrNoNumberFields));
        return false;
    }
    if (place.listed && copy_.calculationDependsOn(place.position, edited) &&
        !okToContinue(kxStrCalcDepends))
        return false;
    if (!edited.isNew && copy_.hasRecords()) {
        const auto kind = kxConversionKind(static_cast<int>(edited.storedType), static_cast<int>(type));
        if (kind == KxConversion::Lossy && !okToContinue(kxStrTypeChangeLossy)) return false;
        if (kind == KxConversion::Impossible && !okToContinue(kxStrTypeChangeImpossible)) return false;
    }
    edited.type = type;
    if (type == KxFieldType::Calculation && edited.first == kxNoOperand && edited.second == kxNoOperand)
        edited.first = edited.second = number;
    return true;
}

bool KxFieldEditRules::mayEditCalculation(const KxFieldEditPlace& place) {
    if (copy_.firstNumberField(place.self()) != kxNoOperand) return true;
    ui_.inform(kxString(kxStrNoNumberFields));
    return false;
}

std::string KxCalcEditRules::operationText(std::uint8_t op) {
    static const char* const texts[] = {"Add", "Subtract", "Multiply", "Divide",
                                        "Sum (number fields above)", "Average (number fields above)",
                                        "Grand Total (sum of sums)"};
    return op < kOperationCount ? texts[op] : std::string();
}

std::string KxCalcEditRules::operandLabel(std::uint8_t op) {
    static const char* const labels[] = {"&Plus:", "&Minus:", "&Times:", "&Divided by:"};
    return usesOperands(op) ? labels[op] : std::string();
}

std::string KxCalcEditRules::note(std::uint8_t op) {
    switch (op) {
    case 4: return kxString(kxStrNoteSum);
    case 5: return kxString(kxStrNoteAverage);
    case 6: return kxString(kxStrNoteGrandTotal);
    default: return {};
    }
}

std::vector<KxOperandChoice> KxCalcEditRules::operandChoices() const {
    std::vector<KxOperandChoice> choices;
    for (std::size_t i = 0; i < copy_.size(); ++i) {
        const KxWorkingField& field = copy_.at(i);
        if (place_.listed && i == place_.position) continue;
        const bool number = field.type == KxFieldType::Number;
        const bool calculationAbove = field.type == KxFieldType::Calculation && i < place_.position;
        if (number || calculationAbove)
            choices.push_back({static_cast<std::uint16_t>(i), kxLabelOrDefault(field.label, i + 1)});
    }
    return choices;
}

bool KxCalcEditRules::mayChoose(std::uint8_t op, KxUi& ui) const {
    if (op != kGrandTotal || copy_.hasSumField(place_.self())) return true;
    ui.inform(kxString(kxStrNoSumFields));
    return false;
}

void KxCalcEditRules::apply(KxWorkingField& edited, std::uint8_t op, std::uint16_t first, std::uint16_t second) {
    edited.calcOp = op;
    const bool operands = usesOperands(op);
    edited.first = operands ? first : kxNoOperand;
    edited.second = operands ? second : kxNoOperand;
}
