#pragma once
// The field type codes as plain integers, as the value layer takes them.

#include "engine/FieldType.h"

namespace kx::type {
inline constexpr int code(KxFieldType type) {
    return static_cast<int>(type);
}
inline constexpr int LabelOnly = code(KxFieldType::LabelOnly);
inline constexpr int Text = code(KxFieldType::Text);
inline constexpr int MultipleChoice = code(KxFieldType::MultipleChoice);
inline constexpr int Integer = code(KxFieldType::Integer);
inline constexpr int Number = code(KxFieldType::Number);
inline constexpr int Date = code(KxFieldType::Date);
inline constexpr int Time = code(KxFieldType::Time);
inline constexpr int Checkbox = code(KxFieldType::Checkbox);
inline constexpr int Unnamed = code(KxFieldType::Unnamed);
inline constexpr int Calculation = code(KxFieldType::Calculation);

inline constexpr bool isText(int type) {
    return type == Text || type == MultipleChoice;
}
inline constexpr bool isDouble(int type) {
    return type == Number || type == Calculation;
}

// Raw byte count of a value of a fixed-size type; 0 for the text types and unknown codes.
inline constexpr int fixedRawSize(int type) {
    switch (type) {
    case Integer:
        return 4;
    case Number:
        return 8;
    case Date:
        return 4;
    case Time:
        return 4;
    case Checkbox:
        return 2;
    case Unnamed:
        return 4;
    case Calculation:
        return 10;
    default:
        return 0;
    }
}
} // namespace kx::type
