// The text of a stored number as the search over all fields matches it: the quick way for
// short decimals must give exactly what the number formatter gives.

#include "engine/values/NumberFormat.h"
#include "engine/values/RawBytes.h"
#include "engine/values/RawValueText.h"
#include "engine/values/TypeCodes.h"

#include <gtest/gtest.h>

#include <random>

namespace {

std::string textOf(double v) {
    std::uint8_t raw[8];
    kx::raw::putF64(raw, v);
    return kxRawValueText(kx::type::Number, std::span<const std::uint8_t>(raw, 8), KxLocale{});
}

TEST(RawValueText, NumbersHaveFifteenDecimalsUntrimmed) {
    EXPECT_EQ(textOf(12.5), "12.500000000000000");
    EXPECT_EQ(textOf(-0.25), "-0.250000000000000");
    EXPECT_EQ(textOf(120), "120.000000000000000");
    EXPECT_EQ(textOf(0), "0");
}

TEST(RawValueText, QuickTextAgreesWithTheFormatter) {
    std::mt19937_64 random(42);
    std::uniform_int_distribution<long long> mantissa(-999999999, 999999999);
    std::uniform_int_distribution<int> scale(0, 12);
    std::uniform_real_distribution<double> any(-1e13, 1e13);
    const KxLocale locale;
    for (int i = 0; i < 20000; ++i) {
        // Typed decimals (a few digits, a few places) and arbitrary doubles.
        const double typed = static_cast<double>(mantissa(random)) / std::pow(10.0, scale(random));
        for (double v : {typed, any(random), typed / 3, 1.0 / (i + 1)})
            ASSERT_EQ(textOf(v), kxFormatNumber(v, 15, false, false, locale)) << v;
    }
}

} // namespace
