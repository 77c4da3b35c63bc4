#include "engine/values/NumberParse.h"

#include "engine/TextCollation.h"

#include <limits>

namespace {

constexpr int kMaxCountedDigits = 15;

// The powers of ten a fraction of counted digits can need, all exact doubles.
constexpr double kExactPowersOfTen[kMaxCountedDigits + 1] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                             1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

bool kxIsNumberText(std::string_view text, const KxLocale& locale) {
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    for (std::size_t j = 0;
         i < text.size() && j < locale.currencySymbol.size() && text[i] == locale.currencySymbol[j];
         ++i, ++j) {
    }
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (!isDigit(c) && c != locale.decimalSeparator && c != locale.thousandsSeparator)
            return false;
    }
    return true;
}

double kxParseNumber(std::string_view text, const KxLocale& locale) {
    const std::string_view currency = locale.currencySymbol;
    std::size_t i = 0;
    auto skipFiller = [&] {
        for (;;) {
            if (i < text.size() && text[i] == ' ')
                ++i;
            else if (!currency.empty() && text.substr(i).starts_with(currency))
                i += currency.size();
            else
                break;
        }
    };
    skipFiller();
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
        skipFiller();
    }

    // The counted digits, and how many of them follow the decimal separator.
    char buf[kMaxCountedDigits];
    int counted = 0;
    int fraction = 0;
    bool inFraction = false;
    for (; i < text.size() && counted < kMaxCountedDigits; ++i) {
        const char c = text[i];
        if (isDigit(c)) {
            buf[counted++] = c;
            if (inFraction) ++fraction;
        } else if (c == locale.decimalSeparator) {
            if (inFraction) break;
            if (text.find_first_not_of('0', i + 1) == std::string_view::npos) break;
            inFraction = true;
            bool zeroSoFar = true;
            for (int k = 0; k < counted; ++k)
                zeroSoFar = zeroSoFar && buf[k] == '0';
            if (zeroSoFar) counted = 0;
        } else if (c != locale.thousandsSeparator) {
            break;
        }
    }
    // A sign with no digits, or zeros only, is a signed zero: "-0" and "-" read as -0.0.
    const double zero = negative ? -0.0 : 0.0;
    if (counted == 0) return zero;
    // At most fifteen digits are below 2^53 and at most fifteen of them follow the separator,
    // so the digits and the power of ten are exact doubles and their quotient is the
    // correctly rounded number.
    std::int64_t digits = 0;
    for (int k = 0; k < counted; ++k) digits = digits * 10 + (buf[k] - '0');
    const double value = static_cast<double>(digits) / kExactPowersOfTen[fraction];
    if (value == 0) return zero;
    return negative ? -value : value;
}

bool kxIsIntegerText(std::string_view text) {
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    for (; i < text.size(); ++i)
        if (!isDigit(text[i])) return false;
    return true;
}

std::int32_t kxParseInteger(std::string_view text) {
    if (!kxIsIntegerText(text)) return 0;
    const bool negative = !text.empty() && text[0] == '-';
    const std::int64_t limit =
        negative ? -static_cast<std::int64_t>(std::numeric_limits<std::int32_t>::min())
                 : std::numeric_limits<std::int32_t>::max();
    std::int64_t value = 0;
    for (char c : text) {
        if (!isDigit(c)) continue;
        value = value * 10 + (c - '0');
        if (value >= limit) {
            value = limit;
            break;
        }
    }
    return static_cast<std::int32_t>(negative ? -value : value);
}

bool kxIsCheckedText(std::string_view text) {
    return kxEqualTextNoCase(text, "yes") || kxEqualTextNoCase(text, "true") ||
           kxEqualTextNoCase(text, "1");
}
