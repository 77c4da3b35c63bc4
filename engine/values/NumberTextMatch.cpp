#include "engine/values/NumberTextMatch.h"

#include "engine/values/RawBytes.h"
#include "engine/values/RawValueText.h"
#include "engine/values/TypeCodes.h"

#include <cmath>

namespace {

bool allDigits(std::string_view text) {
    for (char c : text)
        if (c < '0' || c > '9') return false;
    return true;
}

std::uint64_t digitsValue(std::string_view digits) {
    std::uint64_t value = 0;
    for (char c : digits) value = value * 10 + static_cast<std::uint64_t>(c - '0');
    return value;
}

std::uint64_t pow10(int n) {
    std::uint64_t p = 1;
    while (n-- > 0) p *= 10;
    return p;
}

// Numbers from here on are not checked by arithmetic: their texts are written.
constexpr double kLargestChecked = 1e14;

} // namespace

KxNumberTextMatcher::KxNumberTextMatcher(std::string_view needle, bool beginsWith, const KxLocale& locale)
    : needle_(needle), beginsWith_(beginsWith), locale_(locale) {
    // A number's text is [-]digits[<separator>fifteen digits], or "0", or nothing.
    std::string_view rest = needle;
    if (rest.starts_with('-')) {
        negativeOnly_ = true;
        rest.remove_prefix(1);
    }
    const std::size_t separator = rest.find(locale.decimalSeparator);
    if (separator == std::string_view::npos) {
        never_ = !allDigits(rest);
        return;
    }
    hasSeparator_ = true;
    const std::string_view integer = rest.substr(0, separator);
    const std::string_view fraction = rest.substr(separator + 1);
    if (!allDigits(integer) || !allDigits(fraction) || fraction.size() > 15) {
        never_ = true;
        return;
    }
    // Up to sixteen digits either side fit the arithmetic below; longer ones are written.
    if (integer.size() > 16) return;
    pinned_ = true;
    // After a minus sign, or at the start of the text, the integer digits are all of them.
    exactInteger_ = negativeOnly_ || beginsWith_;
    integerDigits_ = static_cast<int>(integer.size());
    integerPart_ = digitsValue(integer);
    fractionDigits_ = static_cast<int>(fraction.size());
    fractionPart_ = digitsValue(fraction);
    if (exactInteger_ && integer.empty()) never_ = true; // the integer part has a digit
    fractionLow_ = static_cast<double>(fractionPart_) / static_cast<double>(pow10(fractionDigits_));
    fractionHigh_ = static_cast<double>(fractionPart_ + 1) / static_cast<double>(pow10(fractionDigits_));
    modulus_ = pow10(integerDigits_);
}

// Whether the text of the value can hold the needle, allowing for the digits shown being
// a little off the value (fifteen real digits, cut or rounded): true whenever it might.
bool KxNumberTextMatcher::mayMatchNumber(double value) const {
    if (negativeOnly_ && !(value < 0)) return false;
    if (!pinned_) return true;
    const double magnitude = std::fabs(value);
    if (!(magnitude < kLargestChecked)) return true;
    const double slack = magnitude * 1e-12 + 1e-14;
    const double low = std::max(0.0, magnitude - slack);
    const double high = magnitude + slack;
    const double fractionLow = fractionLow_;
    const double fractionHigh = fractionHigh_;
    const std::uint64_t modulus = modulus_;
    for (auto whole = static_cast<std::uint64_t>(std::floor(low)); static_cast<double>(whole) <= high; ++whole) {
        // Some value within [whole + fractionLow, whole + fractionHigh) lies in [low, high]
        // (checked first: it rules out nearly every number without a division).
        if (!(static_cast<double>(whole) + fractionLow <= high && static_cast<double>(whole) + fractionHigh >= low))
            continue;
        const bool integerFits = exactInteger_ ? whole == integerPart_
                                               : integerDigits_ == 0 || whole % modulus == integerPart_;
        if (integerFits) return true;
    }
    return false;
}

bool KxNumberTextMatcher::matches(int type, std::span<const std::uint8_t> raw) const {
    if (never_) return false;
    if (type == kx::type::Integer && hasSeparator_) return false; // an integer's text has none
    if ((type == kx::type::Number || type == kx::type::Calculation) &&
        raw.size() == static_cast<std::size_t>(kx::type::fixedRawSize(type)) && !mayMatchNumber(kx::raw::f64(raw.data())))
        return false;
    text_.clear();
    kxAppendRawValueText(type, raw, text_, locale_);
    const std::string_view text = text_;
    return beginsWith_ ? text.starts_with(needle_) : text.find(needle_) != std::string_view::npos;
}
