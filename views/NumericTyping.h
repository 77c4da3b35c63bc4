#pragma once
// What may be typed into a number box. Each typed character is judged on its own against
// the text it would go into, so a box only ever holds text that reads as the number the
// user sees: one sign in front, the currency symbol right after it, one decimal separator,
// thousands separators in the integer part and never two together, at most fifteen digits.

#include "engine/KxLocale.h"

#include <cstddef>
#include <string>
#include <string_view>

struct KxNumericFormat {
    char decimalSeparator = '.';
    char thousandsSeparator = ',';
    std::string currencySymbol = "$";
    bool thousandsAllowed = false; // the form item shows thousands separators
    bool currencyAllowed = false;  // the form item shows the currency symbol

    // The locale's separators and symbol with the form item's choices.
    static KxNumericFormat from(const KxLocale& locale, bool thousands, bool currency);
};

// A number box holds at most this many digits.
inline constexpr int kxMaxNumberDigits = 15;

// The digits that count toward the limit: every digit except a zero that stands alone
// before the decimal separator (as in 0.25). Signs, the currency symbol and separators are
// not digits.
int kxCountedDigits(const KxNumericFormat& format, std::string_view text);

// Whether c may replace the selection [selStart, selEnd) of text (an empty selection is the
// caret). Positions beyond the text are taken as its end.
bool kxNumericAccepts(const KxNumericFormat& format, std::string_view text, std::size_t selStart,
                      std::size_t selEnd, char c);

struct KxNumericEdit {
    std::string text;
    std::size_t caret = 0;
};

// Types every character of typed in turn over the selection, leaving out each one that is
// refused where it would go; pasted and dropped text goes through here.
KxNumericEdit kxNumericType(const KxNumericFormat& format, std::string_view text,
                            std::size_t selStart, std::size_t selEnd, std::string_view typed);
