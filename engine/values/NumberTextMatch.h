#pragma once
// Whether the text of a number in the search over all fields (kxRawValueText: fifteen
// decimals, no grouping, no currency symbol) holds a searched text, with the same answers
// as writing the text and looking in it, but without writing the text of every number: a
// searched text with a decimal separator pins down the number's last integer digits and
// its first decimals, which a little arithmetic rules out for nearly every number.

#include "engine/KxLocale.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

class KxNumberTextMatcher {
  public:
    // beginsWith: the text must start the number's text rather than lie anywhere in it.
    KxNumberTextMatcher(std::string_view needle, bool beginsWith, const KxLocale& locale = kxLocale());

    // For raw values of the integer, Number and Calculation types.
    bool matches(int type, std::span<const std::uint8_t> raw) const;

  private:
    bool mayMatchNumber(double value) const;

    std::string needle_;
    bool beginsWith_;
    KxLocale locale_;
    bool never_ = false;        // no number's text can hold the needle
    bool negativeOnly_ = false; // the needle starts with a minus sign
    bool hasSeparator_ = false; // the needle holds the decimal separator
    bool pinned_ = false;       // the needle has a decimal separator: the checks below apply
    bool exactInteger_ = false; // the integer digits must be integerDigits_ (not end with them)
    int integerDigits_ = 0;     // digits before the separator (without the minus sign)
    std::uint64_t integerPart_ = 0;
    int fractionDigits_ = 0;    // digits after the separator
    std::uint64_t fractionPart_ = 0;
    // Worked out once from the above: the fractions the needle's decimals cover, and the
    // modulus that gives an integer's last integerDigits_ digits.
    double fractionLow_ = 0;
    double fractionHigh_ = 0;
    std::uint64_t modulus_ = 1;
    mutable std::string text_;  // reused for the texts that have to be written
};
