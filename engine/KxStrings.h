#pragma once
// The program's texts that are keyed by number, as the product numbers its messages.

#include <string>
#include <string_view>

inline constexpr int kxStrYes = 101;
inline constexpr int kxStrNo = 102;
inline constexpr int kxStrUnfiled = 103;

// Export.
inline constexpr int kxStrExportingFile = 6001;
inline constexpr int kxStrPathDoesNotExist = 6002;
inline constexpr int kxStrReadOnlyTarget = 6003;      // %s: the path
inline constexpr int kxStrTargetIsOpenDatabase = 6004; // %s: the path
inline constexpr int kxStrReplaceFile = 6005;         // %s: the path
inline constexpr int kxStrInvalidFileName = 6006;     // %s: the longest name allowed
// Printing.
inline constexpr int kxStrCannotOpenTemplate = 6101;  // %s: the template
inline constexpr int kxStrCannotCreatePrintOutput = 6102; // %s: the output path
inline constexpr int kxStrPrintoutTooLarge = 6103;
inline constexpr int kxStrGeneratingPrintout = 6104;

// The text with the given number; an empty text for a number that has none.
const std::string& kxString(int id);
// The text with its first "%s" replaced by the argument.
std::string kxString(int id, std::string_view argument);
