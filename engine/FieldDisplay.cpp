#include "engine/FieldDisplay.h"

#include "engine/KxDbError.h"
#include "engine/ValueBytes.h"
#include "engine/values/FieldValue.h"

std::uint16_t kxFormFlagsOf(const KxHeaderChunk& header, std::size_t field) {
    if (header.currentLayout() >= header.layouts.size()) return 0;
    for (const auto& item : header.layouts[header.currentLayout()].items)
        if (item.field == field) return item.flags;
    return 0;
}

std::string kxDisplayText(const KxHeaderChunk& header, std::size_t field,
                          std::span<const std::uint8_t> raw) {
    if (raw.empty() || field >= header.fields.size()) return {};
    const KxFieldDef& def = header.fields[field];
    const auto expected = kxFixedValueLength(def.type);
    if (def.type == KxFieldType::LabelOnly || (expected && *expected != raw.size())) return {};
    FieldValue value = FieldValue::newValue(static_cast<int>(def.type));
    value.setRaw(raw);
    const bool hasDecimals = def.type == KxFieldType::Number || def.type == KxFieldType::Calculation;
    return value.displayText(hasDecimals ? static_cast<int>(def.typeOption) : 0, kxFormFlagsOf(header, field));
}
