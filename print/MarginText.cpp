#include "print/MarginText.h"

#include <charconv>
#include <cmath>

namespace {
// No sheet of paper has margins wider than this; anything more is a typing error.
constexpr double kMaxInches = 100.0;
} // namespace

std::optional<double> kxMarginInches(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    std::string number(text);
    for (char& c : number)
        if (c == ',') c = '.';
    double value = 0;
    const char* end = number.data() + number.size();
    const auto [ptr, ec] = std::from_chars(number.data(), end, value, std::chars_format::fixed);
    if (number.empty() || ec != std::errc() || ptr != end || !std::isfinite(value) || value < 0 ||
        value > kMaxInches)
        return std::nullopt;
    return value;
}

std::string kxMarginText(double inches) {
    char buffer[64];
    const auto [ptr, ec] = std::to_chars(buffer, buffer + sizeof buffer, inches, std::chars_format::fixed, 6);
    return ec == std::errc() ? std::string(buffer, ptr) : std::string("0.000000");
}
