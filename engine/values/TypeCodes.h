#pragma once
// The field type codes as the value layer sees them (the file stores the same numbers).

namespace kxtype {
inline constexpr int LabelOnly = 0;
inline constexpr int Text = 1;
inline constexpr int MultipleChoice = 2;
inline constexpr int Integer = 3; // "Number" held as a signed 32-bit integer
inline constexpr int Number = 4;  // "Number" held as a double
inline constexpr int Date = 5;
inline constexpr int Time = 6;
inline constexpr int Checkbox = 7;
inline constexpr int Unnamed = 8; // no field type offers it; 4 inert bytes
inline constexpr int Calculation = 9;

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
} // namespace kxtype
