#pragma once
// How many bytes a stored value of each field type has.

#include "engine/KxHeaderChunk.h"

#include <optional>

// The exact length of a non-empty value of the type; none for Text and Multiple Choice,
// whose values have any even length.
inline std::optional<std::size_t> kxFixedValueLength(KxFieldType type) {
    switch (type) {
    case KxFieldType::Text:
    case KxFieldType::MultipleChoice:
        return std::nullopt;
    case KxFieldType::Integer:
    case KxFieldType::Date:
    case KxFieldType::Time:
    case KxFieldType::Unnamed:
        return 4;
    case KxFieldType::Number:
        return 8;
    case KxFieldType::Checkbox:
        return 2;
    case KxFieldType::Calculation:
        return 10;
    case KxFieldType::LabelOnly:
    default:
        return 0;
    }
}
