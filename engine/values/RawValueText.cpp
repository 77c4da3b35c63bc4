#include "engine/values/RawValueText.h"

#include "engine/values/FieldValue.h"
#include "engine/KxStrings.h"
#include "engine/values/NumberFormat.h"
#include "engine/values/RawBytes.h"
#include "engine/values/TypeCodes.h"

#include <charconv>
#include <cmath>

namespace {

// The search over all fields turns every number into its text with fifteen decimals. Most
// stored numbers are short decimals, and for those the text is the decimal itself padded with
// zeros, which the shortest round-trip form gives directly. Anything else goes the long way.
void appendFifteenDecimals(double value, const KxLocale& locale, std::string& out) {
    constexpr int kDecimals = 15;
    const double magnitude = std::fabs(value);
    if (!(magnitude >= 1e-4 && magnitude < 1e14)) {
        out += kxFormatNumber(value, kDecimals, false, false, locale);
        return;
    }
    char digits[64];
    const auto [end, ec] = std::to_chars(digits, digits + sizeof digits, magnitude, std::chars_format::fixed);
    if (ec != std::errc()) {
        out += kxFormatNumber(value, kDecimals, false, false, locale);
        return;
    }
    const std::string_view text(digits, static_cast<std::size_t>(end - digits));
    const auto point = text.find('.');
    const std::string_view whole = text.substr(0, point);
    const std::string_view fraction = point == std::string_view::npos ? std::string_view() : text.substr(point + 1);
    std::size_t significant = whole == "0" ? 0 : whole.size();
    if (whole == "0") {
        const auto first = fraction.find_first_not_of('0');
        significant = first == std::string_view::npos ? 0 : fraction.size() - first;
    } else {
        significant += fraction.size();
    }
    if (significant > 15 || fraction.size() > static_cast<std::size_t>(kDecimals)) {
        out += kxFormatNumber(value, kDecimals, false, false, locale);
        return;
    }
    if (value < 0) out += '-';
    out += whole;
    out += locale.decimalSeparator;
    out += fraction;
    out.append(kDecimals - fraction.size(), '0');
}

} // namespace

std::string kxRawValueText(int type, std::span<const std::uint8_t> raw, const KxLocale& locale) {
    if (kx::type::isText(type)) return std::string(kx::raw::text(raw));
    if (type < kx::type::Integer || type > kx::type::Calculation ||
        raw.size() != static_cast<std::size_t>(kx::type::fixedRawSize(type)))
        return {};
    switch (type) {
    case kx::type::Number:
    case kx::type::Calculation:
    {
        std::string out;
        appendFifteenDecimals(kx::raw::f64(raw.data()), locale, out);
        return out;
    }
    case kx::type::Checkbox:
        return kxString(kx::raw::i16(raw.data()) != 0 ? kxStrYes : kxStrNo);
    case kx::type::Unnamed:
        return kxString(kx::raw::i32(raw.data()) != 0 ? kxStrYes : kxStrNo);
    default: {
        FieldValue value = FieldValue::newValue(type);
        value.setRaw(raw);
        return value.plainText(locale);
    }
    }
}

void kxAppendRawValueText(int type, std::span<const std::uint8_t> raw, std::string& out,
                        const KxLocale& locale) {
    if ((type == kx::type::Number || type == kx::type::Calculation) &&
        raw.size() == static_cast<std::size_t>(kx::type::fixedRawSize(type))) {
        appendFifteenDecimals(kx::raw::f64(raw.data()), locale, out);
    } else if (type == kx::type::Integer && raw.size() == 4) {
        char digits[16];
        const auto [end, ec] = std::to_chars(digits, digits + sizeof digits, kx::raw::i32(raw.data()));
        out.append(digits, static_cast<std::size_t>(end - digits));
        (void)ec;
    } else {
        out += kxRawValueText(type, raw, locale);
    }
}
