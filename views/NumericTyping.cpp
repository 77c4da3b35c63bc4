#include "views/NumericTyping.h"

#include <algorithm>

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool isSign(char c) {
    return c == '+' || c == '-';
}

// Where the number proper begins: after an optional sign and as much of the currency
// symbol as the text holds there.
struct Prefix {
    std::size_t sign = 0;     // 0 or 1
    std::size_t currency = 0; // characters of the currency symbol present
    std::size_t end() const { return sign + currency; }
};

Prefix prefixOf(const KxNumericFormat& format, std::string_view text) {
    Prefix p;
    if (!text.empty() && isSign(text[0])) p.sign = 1;
    const std::string& symbol = format.currencySymbol;
    while (p.currency < symbol.size() && p.sign + p.currency < text.size() &&
           text[p.sign + p.currency] == symbol[p.currency])
        ++p.currency;
    return p;
}

} // namespace

KxNumericFormat KxNumericFormat::from(const KxLocale& locale, bool thousands, bool currency) {
    KxNumericFormat f;
    f.decimalSeparator = locale.decimalSeparator;
    f.thousandsSeparator = locale.thousandsSeparator;
    f.currencySymbol = locale.currencySymbol;
    f.thousandsAllowed = thousands;
    f.currencyAllowed = currency;
    return f;
}

int kxCountedDigits(const KxNumericFormat& format, std::string_view text) {
    int digits = static_cast<int>(std::count_if(text.begin(), text.end(), isDigit));
    const std::string_view number =
        text.substr(std::min(prefixOf(format, text).end(), text.size()));
    if (number.size() >= 2 && number[0] == '0' && number[1] == format.decimalSeparator) --digits;
    return digits;
}

bool kxNumericAccepts(const KxNumericFormat& format, std::string_view text, std::size_t selStart,
                      std::size_t selEnd, char c) {
    selEnd = std::min(selEnd, text.size());
    selStart = std::min(selStart, selEnd);
    // The character goes into what is left once the selection is gone.
    std::string rest(text.substr(0, selStart));
    rest.append(text.substr(selEnd));
    const std::size_t at = selStart;
    const Prefix prefix = prefixOf(format, rest);
    const std::string& symbol = format.currencySymbol;

    if (isSign(c)) return at == 0 && prefix.sign == 0;

    if (format.currencyAllowed && prefix.currency < symbol.size() && at == prefix.end() &&
        c == symbol[prefix.currency])
        return true;

    // Digits and separators belong after the sign and a whole currency symbol: a half-typed
    // symbol would make the text read as no number at all.
    if (at < prefix.end()) return false;
    if (prefix.currency != 0 && prefix.currency < symbol.size()) return false;

    const std::size_t decimalAt = rest.find(format.decimalSeparator);
    if (c == format.decimalSeparator) return decimalAt == std::string::npos;

    if (c == format.thousandsSeparator) {
        if (!format.thousandsAllowed) return false;
        if (decimalAt != std::string::npos && decimalAt < at) return false;
        if (at > 0 && rest[at - 1] == c) return false;
        if (at < rest.size() && rest[at] == c) return false;
        return true;
    }

    if (isDigit(c)) {
        // Counted as the text will be: a digit typed before the zero of "0." makes that
        // zero count too.
        std::string after = rest;
        after.insert(at, 1, c);
        return kxCountedDigits(format, after) <= kxMaxNumberDigits;
    }

    return false;
}

KxNumericEdit kxNumericType(const KxNumericFormat& format, std::string_view text,
                            std::size_t selStart, std::size_t selEnd, std::string_view typed) {
    selEnd = std::min(selEnd, text.size());
    selStart = std::min(selStart, selEnd);
    KxNumericEdit edit{std::string(text), selStart};
    for (const char c : typed) {
        if (!kxNumericAccepts(format, edit.text, edit.caret, selEnd, c)) continue;
        edit.text.replace(edit.caret, selEnd - edit.caret, 1, c);
        selEnd = ++edit.caret;
    }
    return edit;
}
