#include "transfer/KxFieldSelection.h"

#include "engine/FieldDisplay.h"
#include "engine/KxDatabase.h"
#include "engine/KxDbError.h"
#include "transfer/TransferStrings.h"
#include "engine/KxRecordChunk.h"
#include "transfer/DisplayNames.h"
#include "transfer/FormOrder.h"
#include "engine/values/FieldValue.h"
#include "engine/values/NumberFormat.h"

#include <numeric>
#include <optional>

namespace {
constexpr std::uint8_t kCategoryEntry = 255;

// The stored value as an object, or none for an empty field or bytes that do not fit the type.
std::optional<FieldValue> storedValue(KxFieldType type, std::span<const std::uint8_t> raw) {
    if (raw.empty() || type == KxFieldType::LabelOnly) return std::nullopt;
    FieldValue value = FieldValue::newValue(static_cast<int>(type));
    try {
        value.setRaw(raw);
    } catch (KxDbError) {
        return std::nullopt;
    }
    return value;
}
} // namespace

KxFieldSelection::KxFieldSelection(const KxDatabase& db, Options options) : db_(db), options_(options) {
    const KxHeaderChunk& header = db.header();
    entries_ = kxFieldsInFormOrder(header, options.includeLabelOnly);
    for (std::size_t e = 0; e < entries_.size(); ++e) {
        const std::string& label = header.fields[entries_[e]].label;
        labels_.push_back(options.defaultNames ? kxLabelOrDefault(label, e + 1) : label);
    }
    if (options.includeCategory) {
        entries_.push_back(kCategoryEntry);
        labels_.push_back(kxString(kxStrCategory));
    }
    order_.resize(entries_.size());
    std::iota(order_.begin(), order_.end(), std::uint8_t{0});
}

bool KxFieldSelection::entryIsCategory(std::size_t entry) const {
    return options_.includeCategory && entry + 1 == entries_.size();
}

std::uint8_t KxFieldSelection::entryField(std::size_t entry) const {
    return entry < entries_.size() ? entries_[entry] : kSkipped;
}

std::uint8_t KxFieldSelection::fieldAt(std::size_t i) const {
    return i < order_.size() ? entryField(order_[i]) : kSkipped;
}

bool KxFieldSelection::isCategoryAt(std::size_t i) const {
    return i < order_.size() && entryIsCategory(order_[i]);
}

int KxFieldSelection::typeAt(std::size_t i) const {
    if (isCategoryAt(i)) return kCategoryType;
    const std::uint8_t field = fieldAt(i);
    return field == kSkipped ? kSkipped : static_cast<int>(db_.header().fields[field].type);
}

const std::string& KxFieldSelection::labelAt(std::size_t i) const {
    static const std::string none;
    if (i >= order_.size() || order_[i] >= labels_.size()) return none;
    return labels_[order_[i]];
}

std::string KxFieldSelection::valueAt(std::size_t i, const KxRecordChunk& record,
                                      std::uint16_t category) const {
    if (isCategoryAt(i)) return kxCategoryDisplayName(db_, category);
    const std::uint8_t field = fieldAt(i);
    if (field == kSkipped || field >= record.valueCount()) return {};
    const KxHeaderChunk& header = db_.header();
    const KxFieldDef& def = header.fields[field];
    const auto value = storedValue(def.type, record.value(field));
    switch (def.type) {
    case KxFieldType::Checkbox:
        // An empty check box is an unchecked one.
        return value && value->isChecked() ? "1" : "0";
    case KxFieldType::Number:
    case KxFieldType::Calculation: {
        if (!value) return {};
        const std::uint16_t flags = kxFormFlagsOf(header, field);
        if (options_.decimalMode) return value->displayText(static_cast<int>(def.typeOption), flags);
        if (value->type() == static_cast<int>(KxFieldType::Calculation) && value->calcFailed())
            return value->plainText();
        return kxNumberText(value->number(), (flags & kFlagCurrency) != 0, (flags & kFlagThousands) != 0);
    }
    default:
        return value ? value->plainText() : std::string();
    }
}
