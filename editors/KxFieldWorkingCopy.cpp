#include "editors/KxFieldWorkingCopy.h"

#include "engine/Calculation.h"
#include "engine/KxItemListChunk.h"
#include "engine/KxDatabase.h"
#include "transfer/DisplayNames.h"
#include "transfer/FormOrder.h"

#include <algorithm>

namespace {
constexpr std::uint16_t kFlagLabelShown = 0x04;

bool isCalculation(const KxWorkingField& f) { return f.type == KxFieldType::Calculation; }

KxCalcOperation opOf(const KxWorkingField& f) { return static_cast<KxCalcOperation>(f.calcOp); }

// The display flags of the field's first item on the current form; a field that is not on
// the form shows its label and nothing else.
std::uint16_t formFlagsOf(const KxHeaderChunk& header, std::size_t field) {
    if (header.currentLayout() < header.layouts.size())
        for (const KxFormItem& item : header.layouts[header.currentLayout()].items)
            if (item.field == field) return item.flags;
    return kFlagLabelShown;
}

// A schema operand (field position or 255) as a list position.
std::uint16_t listPositionOf(std::uint8_t operand, const std::vector<std::uint8_t>& order) {
    const auto it = std::find(order.begin(), order.end(), operand);
    return it == order.end() ? kxNoOperand : static_cast<std::uint16_t>(it - order.begin());
}
} // namespace

bool kxIsSumLike(const KxWorkingField& field) {
    if (!isCalculation(field)) return false;
    const KxCalcOperation op = opOf(field);
    return op == KxCalcOperation::Sum || op == KxCalcOperation::Average || op == KxCalcOperation::GrandTotal;
}

KxFieldWorkingCopy KxFieldWorkingCopy::load(const KxDatabase& db) {
    KxFieldWorkingCopy copy;
    const KxHeaderChunk& header = db.header();
    const std::vector<std::uint8_t> order = kxFieldsInFormOrder(header, true);
    for (const std::uint8_t position : order) {
        const KxFieldDef& def = header.fields[position];
        const std::uint16_t flags = formFlagsOf(header, position);
        KxWorkingField field;
        field.isNew = false;
        field.id = position;
        field.storedType = def.type;
        field.type = def.type;
        field.label = def.label;
        field.hideLabel = !(flags & kFlagLabelShown);
        if (def.type == KxFieldType::Number || def.type == KxFieldType::Calculation)
            field.decimals = def.typeOption;
        field.thousands = flags & kFlagThousands;
        field.currency = flags & kFlagCurrency;
        field.seconds = !(flags & kFlagHideSeconds);
        if (def.type == KxFieldType::MultipleChoice && def.itemList)
            for (std::size_t i = 0; i < def.itemList->itemCount(); ++i)
                field.items.push_back(def.itemList->itemText(i));
        if (def.calc) {
            field.calcOp = def.calc->op;
            field.first = listPositionOf(def.calc->first, order);
            field.second = listPositionOf(def.calc->second, order);
        }
        copy.fields_.push_back(std::move(field));
    }
    copy.hasRecords_ = db.liveCount() > 0 || db.deletedCount() > 0;
    return copy;
}

template <class Fn> void KxFieldWorkingCopy::forEachOperand(Fn fn) {
    for (KxWorkingField& field : fields_) {
        if (!isCalculation(field)) continue;
        for (std::uint16_t* operand : {&field.first, &field.second})
            if (*operand != kxNoOperand) fn(*operand);
    }
}

// A calculation may use a Calculation above it only: one that names a Calculation placed
// after itself loses that operand.
void KxFieldWorkingCopy::clearForwardCalculationOperands() {
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        KxWorkingField& field = fields_[i];
        if (!isCalculation(field)) continue;
        for (std::uint16_t* operand : {&field.first, &field.second})
            if (*operand != kxNoOperand && *operand > i && *operand < fields_.size() &&
                isCalculation(fields_[*operand]))
                *operand = kxNoOperand;
    }
}

void KxFieldWorkingCopy::add(KxWorkingField field) { insert(fields_.size(), std::move(field)); }

void KxFieldWorkingCopy::insert(std::size_t position, KxWorkingField field) {
    position = std::min(position, fields_.size());
    forEachOperand([&](std::uint16_t& operand) {
        if (operand >= position) ++operand;
    });
    // The new field's own operands were chosen from the list as it was before the insert.
    for (std::uint16_t* operand : {&field.first, &field.second})
        if (*operand != kxNoOperand && *operand >= position) ++*operand;
    fields_.insert(fields_.begin() + static_cast<std::ptrdiff_t>(position), std::move(field));
    modified_ = true;
}

void KxFieldWorkingCopy::remove(std::size_t position) {
    if (position >= fields_.size()) return;
    if (!fields_[position].isNew) deleted_.push_back(fields_[position].id);
    fields_.erase(fields_.begin() + static_cast<std::ptrdiff_t>(position));
    forEachOperand([&](std::uint16_t& operand) {
        if (operand == position) operand = kxNoOperand;
        else if (operand > position) --operand;
    });
    modified_ = true;
}

void KxFieldWorkingCopy::move(std::size_t from, std::size_t to) {
    if (from >= fields_.size() || to >= fields_.size() || from == to) return;
    forEachOperand([&](std::uint16_t& operand) {
        if (operand == from) operand = static_cast<std::uint16_t>(to);
        else if (from < to && operand > from && operand <= to) --operand;
        else if (to < from && operand >= to && operand < from) ++operand;
    });
    KxWorkingField moved = std::move(fields_[from]);
    fields_.erase(fields_.begin() + static_cast<std::ptrdiff_t>(from));
    fields_.insert(fields_.begin() + static_cast<std::ptrdiff_t>(to), std::move(moved));
    clearForwardCalculationOperands();
    modified_ = true;
}

void KxFieldWorkingCopy::modify(std::size_t position, KxWorkingField field) {
    if (position >= fields_.size() || fields_[position] == field) return;
    const bool numeric = field.type == KxFieldType::Number || isCalculation(field);
    fields_[position] = std::move(field);
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        KxWorkingField& calc = fields_[i];
        if (!isCalculation(calc)) continue;
        // A field that can no longer be computed with is dropped from every calculation; a
        // Calculation stays usable only by the calculations below it.
        const bool drop = !numeric || (isCalculation(fields_[position]) && i < position);
        for (std::uint16_t* operand : {&calc.first, &calc.second})
            if (drop && *operand == position) *operand = kxNoOperand;
    }
    modified_ = true;
}

bool KxFieldWorkingCopy::calculationDependsOn(std::size_t position) const {
    return position < fields_.size() && calculationDependsOn(position, fields_[position]);
}

bool KxFieldWorkingCopy::calculationDependsOn(std::size_t position, const KxWorkingField& edited) const {
    if (position >= fields_.size()) return false;
    const bool number = edited.type == KxFieldType::Number;
    if (!number && !isCalculation(edited)) return false;
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        const KxWorkingField& calc = fields_[i];
        if (i == position || !isCalculation(calc)) continue;
        if (calc.first == position || calc.second == position) return true;
        const KxCalcOperation op = opOf(calc);
        if ((op == KxCalcOperation::Sum || op == KxCalcOperation::Average) && i > position &&
            (number || !kxIsSumLike(edited)))
            return true;
        if (op == KxCalcOperation::GrandTotal && isCalculation(edited) && opOf(edited) == KxCalcOperation::Sum)
            return true;
    }
    return false;
}

std::uint16_t KxFieldWorkingCopy::firstNumberField(std::size_t except) const {
    for (std::size_t i = 0; i < fields_.size(); ++i)
        if (i != except && fields_[i].type == KxFieldType::Number) return static_cast<std::uint16_t>(i);
    return kxNoOperand;
}

bool KxFieldWorkingCopy::hasSumField(std::size_t except) const {
    for (std::size_t i = 0; i < fields_.size(); ++i)
        if (i != except && isCalculation(fields_[i]) && opOf(fields_[i]) == KxCalcOperation::Sum) return true;
    return false;
}

std::string KxFieldWorkingCopy::displayName(std::size_t position) const {
    return kxLabelOrDefault(fields_.at(position).label, position + 1);
}
