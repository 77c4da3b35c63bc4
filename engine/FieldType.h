#pragma once
// The field type codes, as the file stores them.

#include <cstdint>

enum class KxFieldType : std::uint8_t {
    LabelOnly = 0,
    Text = 1,
    MultipleChoice = 2,
    Integer = 3,     // "Number" stored as a 32-bit integer
    Number = 4,      // "Number" stored as a double, with decimal places
    Date = 5,
    Time = 6,
    Checkbox = 7,
    Unnamed = 8,     // no field type offers it; 4 inert bytes
    Calculation = 9,
};
