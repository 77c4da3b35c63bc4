#pragma once
// Text to numbers: what the user typed or an import supplied for Number, Calculation,
// integer and Checkbox values. Bad text never fails; it gives 0.

#include "engine/KxLocale.h"

#include <cstdint>
#include <string_view>

// A valid number text: an optional + or -, an optional currency symbol (matched character
// by character), then only digits, decimal separators and thousands separators. An empty
// text is valid (it reads as 0). Blanks, exponents and percent signs are not.
bool kxIsNumberText(std::string_view text, const KxLocale& locale = kxLocale());

// The number of a valid number text. Blanks and currency symbols before and after the sign
// are skipped; thousands separators are ignored; a second decimal separator ends the
// number; only the first fifteen counted digits are kept (a seventeen-digit integer loses
// its last two digits and its magnitude), leading zeros before the separator restarting
// the count. The kept digits give the correctly rounded double (0.3 is the double 0.3).
double kxParseNumber(std::string_view text, const KxLocale& locale = kxLocale());

// An optional + or -, then only the digits 0 to 9.
bool kxIsIntegerText(std::string_view text);

// The value of an integer text, held to the 32-bit range; 0 for any other text.
std::int32_t kxParseInteger(std::string_view text);

// Whether a text means a checked box: "yes", "true" or "1" in any case.
bool kxIsCheckedText(std::string_view text);
