// The search over all fields looks for a text in numbers' texts without writing most of
// them: its answers must be exactly those of writing the text and looking in it, above all
// for numbers whose shown digits differ from their value (cut, rounded, carried).

#include "engine/values/NumberTextMatch.h"
#include "engine/values/RawBytes.h"
#include "engine/values/RawValueText.h"
#include "engine/values/TypeCodes.h"
#include "tests/engine/values_test_locales.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <vector>

namespace {

std::vector<std::uint8_t> numberRaw(double v, int type) {
    std::vector<std::uint8_t> raw(static_cast<std::size_t>(kx::type::fixedRawSize(type)), 0);
    kx::raw::putF64(raw.data(), v);
    return raw;
}

// Writes the text and looks in it: what the matcher must agree with.
bool written(const std::string& needle, bool beginsWith, int type, const std::vector<std::uint8_t>& raw,
             const KxLocale& locale) {
    const std::string text = kxRawValueText(type, raw, locale);
    return beginsWith ? text.starts_with(needle) : text.find(needle) != std::string::npos;
}

void expectSameAnswers(const std::vector<double>& numbers, const std::vector<std::string>& needles,
                       const KxLocale& locale) {
    for (const std::string& needle : needles)
        for (bool beginsWith : {false, true}) {
            const KxNumberTextMatcher matcher(needle, beginsWith, locale);
            for (double v : numbers)
                for (int type : {kx::type::Number, kx::type::Calculation}) {
                    const auto raw = numberRaw(v, type);
                    ASSERT_EQ(matcher.matches(type, raw), written(needle, beginsWith, type, raw, locale))
                        << "needle '" << needle << "' in " << kxRawValueText(type, raw, locale) << " ("
                        << v << ")" << (beginsWith ? " at the start" : "");
                }
        }
}

const std::vector<double> kTricky = {
    12.25, 112.25, -12.25, 12.2499999999999, 12.2500000000001, std::nextafter(12.25, 0.0),
    std::nextafter(12.25, 100.0), 0.1 + 0.2, 2.0 / 3.0, 99.99999999999999, 9.999999999999999,
    0.3839766645063146, 0.1234567890123449, 0.1000000000000049, 1e-5, 0.000012, 1e-15, 4e-16,
    -3e-17, 1e13 + 0.25, 123456789012.25, 99999999999999.98, 1e14, 9.99e14, 1e30, 1e31,
    std::numeric_limits<double>::denorm_min(), 0.0, -0.0, 5.0, 1225, 0.5, 10.05, 1.005,
    std::numeric_limits<double>::infinity(), std::numeric_limits<double>::quiet_NaN(),
};

TEST(NumberTextMatch, AgreesWithTheWrittenTextOnTrickyNumbers) {
    const std::vector<std::string> needles = {
        "12.25", "2.2", ".25", "12.", "-12.25", "-.", ".", "0.0", "25", "-1", "00000", "9.9", "1.2.3",
        "-",     "0",   "5",   "3",   "0.3",    "100.0", "0.38397666450631", "0.10000000000000", "",
        "-0.0",  "1a",  "5.000000000000000", "05.2", "0000000000000000.0", "1-2", "10000000000000.25"};
    expectSameAnswers(kTricky, needles, usLocale());
    expectSameAnswers(kTricky, {"12,25", ",25", "12.25", "-12,2", "0,0", ","}, germanLocale());
}

// Needles cut from the numbers' own texts, so that most of them are found.
TEST(NumberTextMatch, AgreesWithTheWrittenTextOnRandomNumbers) {
    std::mt19937_64 random(7);
    std::uniform_int_distribution<long long> mantissa(-99999999, 99999999);
    std::uniform_int_distribution<int> scale(0, 10);
    std::uniform_real_distribution<double> any(-1e9, 1e9);
    const KxLocale locale = usLocale();
    std::vector<double> numbers;
    for (int i = 0; i < 50; ++i) {
        const double typed = static_cast<double>(mantissa(random)) / std::pow(10.0, scale(random));
        numbers.insert(numbers.end(), {typed, any(random), typed / 7, typed + 0.1, 1.0 / (i + 1)});
    }
    std::vector<std::string> needles;
    for (std::size_t i = 0; i < numbers.size(); i += 25) {
        const std::string text = kxRawValueText(kx::type::Number, numberRaw(numbers[i], kx::type::Number), locale);
        const std::size_t from = i % std::max<std::size_t>(text.size(), 1);
        needles.push_back(text.substr(from, 1 + i % 7));
        needles.push_back(text.substr(0, 4 + i % 9));
    }
    expectSameAnswers(numbers, needles, locale);
}

TEST(NumberTextMatch, IntegersHaveNoDecimalSeparator) {
    std::vector<std::uint8_t> raw(4);
    kx::raw::putI32(raw.data(), -1225);
    EXPECT_TRUE(KxNumberTextMatcher("-12", false).matches(kx::type::Integer, raw));
    EXPECT_TRUE(KxNumberTextMatcher("225", false).matches(kx::type::Integer, raw));
    EXPECT_FALSE(KxNumberTextMatcher("12.25", false).matches(kx::type::Integer, raw));
    EXPECT_FALSE(KxNumberTextMatcher("12", true).matches(kx::type::Integer, raw));
}

} // namespace
