#pragma once
// The program's texts that are keyed by number, as the product numbers its messages.

#include <string>

inline constexpr int kxStrYes = 101;
inline constexpr int kxStrNo = 102;
inline constexpr int kxStrUnfiled = 103;

// The text with the given number; an empty text for a number that has none.
const std::string& kxString(int id);
