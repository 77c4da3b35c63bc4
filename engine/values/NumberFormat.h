#pragma once
// Numbers as text: the display of Number and Calculation values.

#include "engine/KxLocale.h"

#include <string>

// The value with the given number of decimals (0..60), the locale's decimal separator,
// thousands separators when grouping (four or more integer digits only) and the currency
// symbol after the sign when asked. Only fifteen significant digits are real; later
// digits show as 0. While fewer than fifteen digits show, the value is rounded half up at
// the last one, once, from the shortest decimal that reads back as it; otherwise the
// digits are cut. Exactly 0 shows as "0" without
// decimals. A value too small for the shown decimals shows as zero with them; a value of
// 10^31 or more, infinity or NaN gives an empty text.
std::string kxFormatNumber(double value, int decimals, bool currency, bool grouping,
                         const KxLocale& locale = kxLocale());

// The plain display of a Number: as many decimals as needed (at most fifteen) and at most
// fifteen significant digits. A value that a decimal of at most fifteen significant digits
// reads back exactly shows as that decimal (2.15, 0.43); any other value shows its first
// fifteen significant digits, cut (2/3 is 0.666666666666666).
std::string kxNumberText(double value, bool currency, bool grouping,
                       const KxLocale& locale = kxLocale());
