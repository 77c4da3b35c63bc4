#include "engine/values/NumberFormat.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <optional>

namespace {

// A double carries fifteen decimal digits reliably; digits after them show as 0.
constexpr int kRealDigits = 15;
constexpr int kMaxExponent = 30;
constexpr int kMinExponent = -15;
constexpr int kMaxDecimals = 60;
// Room for the leading digit, a carry into a new one, kMaxExponent and kMaxDecimals.
constexpr int kMaxDigits = 2 + kMaxExponent + kMaxDecimals;

// Powers of ten 10^0 .. 10^-20, written as literals so that each is the closest double.
constexpr double kNegPow10[] = {1e0,   1e-1,  1e-2,  1e-3,  1e-4,  1e-5,  1e-6,
                                1e-7,  1e-8,  1e-9,  1e-10, 1e-11, 1e-12, 1e-13,
                                1e-14, 1e-15, 1e-16, 1e-17, 1e-18, 1e-19, 1e-20};

double negPow10(int k) {
    return k >= 0 && k <= 20 ? kNegPow10[k] : std::pow(10.0, -k);
}

// Decimal digits of a magnitude: digit[i] is worth 10^(exponent - i); positions beyond
// count are 0. count 0 is a magnitude that shows as zero.
struct Digits {
    std::array<std::uint8_t, kMaxDigits> digit{};
    int count = 0;
    int exponent = 0;
};

// Builds the text from digits: sign, currency symbol, integer part (grouped from four
// integer digits on), decimal separator and exactly `decimals` fraction digits.
std::string compose(bool negative, const Digits& d, int decimals, bool currency, bool grouping,
                    const KxLocale& locale) {
    std::string out;
    out.reserve(static_cast<std::size_t>(8 + std::max(d.exponent, 0) * 2 + decimals) +
                locale.currencySymbol.size());
    // A value that shows as zero shows no sign.
    const bool showsDigit = std::any_of(d.digit.begin(), d.digit.begin() + d.count,
                                        [](std::uint8_t v) { return v != 0; });
    if (negative && showsDigit) out += '-';
    if (currency) out += locale.currencySymbol;
    auto digitAt = [&](int power) -> char {
        const int index = d.exponent - power;
        return static_cast<char>('0' + (index >= 0 && index < d.count ? d.digit[index] : 0));
    };
    if (d.count == 0 || d.exponent < 0) {
        out += '0';
    } else {
        const bool group = grouping && d.exponent >= 3;
        for (int power = d.exponent; power >= 0; --power) {
            out += digitAt(power);
            if (group && power > 0 && power % 3 == 0) out += locale.thousandsSeparator;
        }
    }
    if (decimals > 0) {
        out += locale.decimalSeparator;
        for (int power = -1; power >= -decimals; --power)
            out += digitAt(power);
    }
    return out;
}

// Carries digits above 9 into the digits before them; a carry out of the leading digit
// makes a new leading digit.
void propagateCarries(Digits& d) {
    for (int i = d.count - 1; i > 0; --i) {
        if (d.digit[i] > 9) {
            d.digit[i] -= 10;
            ++d.digit[i - 1];
        }
    }
    if (d.count > 0 && d.digit[0] > 9) {
        d.digit[0] -= 10;
        std::copy_backward(d.digit.begin(), d.digit.begin() + d.count,
                           d.digit.begin() + d.count + 1);
        d.digit[0] = 1;
        ++d.count;
        ++d.exponent;
    }
}

// The digits of a magnitude in scientific notation from std::to_chars: with the given
// number of digits after the first, or the shortest that reads back when precision < 0.
Digits decimalDigits(double magnitude, int precision) {
    char buf[48];
    const auto result = precision < 0 ? std::to_chars(buf, buf + sizeof buf, magnitude,
                                                      std::chars_format::scientific)
                                      : std::to_chars(buf, buf + sizeof buf, magnitude,
                                                      std::chars_format::scientific, precision);
    Digits d;
    const char* p = buf;
    for (; p < result.ptr && *p != 'e'; ++p)
        if (*p >= '0' && *p <= '9' && d.count < kMaxDigits)
            d.digit[d.count++] = static_cast<std::uint8_t>(*p - '0');
    if (p < result.ptr) {
        const char* exponent = p + 1;
        if (exponent < result.ptr && *exponent == '+') ++exponent;
        std::from_chars(exponent, result.ptr, d.exponent);
    }
    while (d.count > 1 && d.digit[d.count - 1] == 0)
        --d.count;
    return d;
}

// Rounding half up at the last shown digit, once, from the shortest decimal that reads back
// as the value: in binary arithmetic halves such as 66662.75 or 1.005 come out just below
// and would round down, and rounding first to fifteen digits and then to the shown ones
// would round twice (0.3839766645063146 would show ...632 at 14 decimals, not ...631).
Digits roundedDigits(double magnitude, int decimals) {
    Digits d = decimalDigits(magnitude, -1);
    const int n = decimals + d.exponent; // digits shown after the leading one
    if (n < -1) {
        d.count = 0;
        return d;
    }
    const bool up = n + 1 < d.count && d.digit[n + 1] >= 5;
    if (n == -1) {
        // The leading digit lies just past the last shown place; only rounding reaches it.
        d.count = up ? 1 : 0;
        d.digit[0] = 1;
        ++d.exponent;
        return d;
    }
    d.count = std::min(d.count, n + 1);
    if (up) {
        for (int i = d.count; i <= n; ++i)
            d.digit[i] = 0;
        d.count = n + 1;
        ++d.digit[n];
        propagateCarries(d);
    }
    return d;
}

// Cut digits of a normalised mantissa m (1 <= m < 10, exponent e) when fourteen or more
// digits are wanted after the leading one. Only fifteen are real; the nudges keep division
// errors from turning ...5 into ...4999: a value of 10 or more gains 2e-15 on the mantissa
// and, at its tens digit, 0.2 of the last real digit's unit.
Digits cutDigits(double m, int e, int decimals) {
    Digits d;
    d.exponent = e;
    const int n = decimals + e;
    if (e >= 1) m += 2e-15;
    const int k = (n > kRealDigits ? kRealDigits - 1 : n) - e;
    const double nudge = 0.2 * negPow10(k + 1);
    d.count = std::min(n + 1, kMaxDigits - 1);
    for (int i = 0; i < d.count; ++i) {
        if (i >= kRealDigits) {
            d.digit[i] = 0;
            continue;
        }
        const int digit = static_cast<int>(m);
        m -= digit;
        if (e - i == 1) m += nudge;
        m *= 10;
        d.digit[i] = static_cast<std::uint8_t>(digit);
    }
    propagateCarries(d);
    return d;
}

// The digits kxFormatNumber shows for a positive finite magnitude, or nothing when its
// exponent is out of range (10^31 and above). A magnitude too small to reach the shown
// decimals has no digits: it shows as zero.
std::optional<Digits> generateDigits(double magnitude, int decimals) {
    // Normalise to a mantissa in [1, 10) by repeated division or multiplication.
    double m = magnitude;
    int e = 0;
    while (m >= 10 && e <= kMaxExponent) {
        m /= 10;
        ++e;
    }
    if (e > kMaxExponent) return std::nullopt;
    while (m < 1 && e >= kMinExponent - 1) {
        m *= 10;
        --e;
    }
    Digits d;
    if (m < 1) return d; // far below every shown place

    // Fewer than fourteen digits after the leading one: rounded to the shown decimals.
    // Otherwise cut: a value that a decimal of at most fifteen digits reads back exactly
    // shows that decimal (0.57 is not 0.569999999999999), any other its first fifteen.
    if (decimals + e < 14) {
        d = roundedDigits(magnitude, decimals);
    } else {
        d = decimalDigits(magnitude, -1);
        if (d.count > kRealDigits) d = cutDigits(m, e, decimals);
    }
    if (d.exponent > kMaxExponent) return std::nullopt;
    if (d.exponent < kMinExponent) d.count = 0;
    return d;
}

// Removes trailing zeros of the fraction and a separator left at the end; false when the
// text has no fraction at all.
bool trimFraction(std::string& text, std::size_t separator) {
    if (separator == std::string::npos) return false;
    std::size_t end = text.size();
    while (end > separator + 1 && text[end - 1] == '0')
        --end;
    if (end == separator + 1) end = separator;
    text.resize(end);
    return true;
}

} // namespace

std::string kxFormatNumber(double value, int decimals, bool currency, bool grouping,
                         const KxLocale& locale) {
    if (!std::isfinite(value)) return {};
    decimals = std::clamp(decimals, 0, kMaxDecimals);
    if (value == 0) return currency ? locale.currencySymbol + "0" : std::string("0");
    const bool negative = value < 0;
    const std::optional<Digits> digits = generateDigits(std::fabs(value), decimals);
    if (!digits) return {};
    return compose(negative, *digits, decimals, currency, grouping, locale);
}

std::string kxNumberText(double value, bool currency, bool grouping, const KxLocale& locale) {
    std::string text = kxFormatNumber(value, kRealDigits, currency, grouping, locale);
    const std::size_t prefix =
        (text.starts_with('-') ? 1 : 0) + (currency ? locale.currencySymbol.size() : 0);
    const std::size_t separator = text.find(locale.decimalSeparator, prefix);
    if (!trimFraction(text, separator) || separator >= text.size()) return text;

    // Digits shown: every digit after the sign and currency symbol, except the 0 before
    // the separator of a value below 1.
    int shown = 0;
    for (std::size_t i = prefix; i < text.size(); ++i)
        if (text[i] >= '0' && text[i] <= '9') ++shown;
    if (text.compare(prefix, 1, "0") == 0 && prefix + 1 == separator) --shown;
    if (shown <= kRealDigits) return text;

    const int fraction = static_cast<int>(text.size() - separator - 1);
    text = kxFormatNumber(value, std::max(0, fraction - (shown - kRealDigits)), currency, grouping,
                        locale);
    trimFraction(text, text.find(locale.decimalSeparator, prefix));
    return text;
}
