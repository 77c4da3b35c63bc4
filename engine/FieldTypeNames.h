#pragma once
// The names the program shows for field types. Codes 3 and 4 are both "Number"; code 8
// has no name.

#include "engine/KxHeaderChunk.h"

#include <string_view>

inline std::string_view kxFieldTypeName(KxFieldType type) {
    switch (type) {
    case KxFieldType::LabelOnly: return "Label Only";
    case KxFieldType::Text: return "Text";
    case KxFieldType::MultipleChoice: return "Multiple Choice";
    case KxFieldType::Integer:
    case KxFieldType::Number: return "Number";
    case KxFieldType::Date: return "Date";
    case KxFieldType::Time: return "Time";
    case KxFieldType::Checkbox: return "Checkbox";
    case KxFieldType::Calculation: return "Calculation";
    default: return "";
    }
}
