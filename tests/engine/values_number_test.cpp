#include "engine/values/NumberFormat.h"
#include "engine/values/NumberParse.h"
#include "tests/engine/values_test_locales.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <random>
#include <string>
#include <limits>

namespace {

struct FormatCase {
    double value;
    int decimals;
    bool currency;
    bool grouping;
    const char* expected;
};

TEST(FormatNumber, DisplaysWithDecimalsGroupingAndCurrency) {
    const KxLocale us = usLocale();
    const FormatCase cases[] = {
        {0, 2, true, true, "$0"},
        {0, 2, false, false, "0"},
        {1234.5, 2, true, true, "$1,234.50"},
        {-1234.5, 2, true, true, "-$1,234.50"},
        {123, 2, false, true, "123.00"},
        {1234567.891, 2, false, true, "1,234,567.89"},
        {1234, 0, false, true, "1,234"},
        {12.5, 15, false, false, "12.500000000000000"},
        {0.5, 0, false, false, "1"},
        {1e-5, 5, false, false, "0.00001"},
        {0.006, 2, false, false, "0.01"},
        {0.004, 2, false, false, "0.00"},
    };
    for (const FormatCase& c : cases)
        EXPECT_EQ(kxFormatNumber(c.value, c.decimals, c.currency, c.grouping, us), c.expected)
            << c.value << " with " << c.decimals << " decimals";
}

TEST(FormatNumber, RoundsHalfUpAtTheLastShownDigit) {
    const KxLocale us = usLocale();
    EXPECT_EQ(kxFormatNumber(12.344, 2, false, false, us), "12.34");
    EXPECT_EQ(kxFormatNumber(12.345, 2, false, false, us), "12.35");
    EXPECT_EQ(kxFormatNumber(10.4, 0, false, false, us), "10");
    EXPECT_EQ(kxFormatNumber(10.04, 1, false, false, us), "10.0");
    EXPECT_EQ(kxFormatNumber(2.5, 0, false, false, us), "3");
    // Exact halves and typed halves that binary arithmetic holds just below the half.
    EXPECT_EQ(kxFormatNumber(66662.75, 1, false, false, us), "66662.8");
    EXPECT_EQ(kxFormatNumber(6.6875, 3, false, false, us), "6.688");
    EXPECT_EQ(kxFormatNumber(1.005, 2, false, false, us), "1.01");
    EXPECT_EQ(kxFormatNumber(-2.675, 2, false, false, us), "-2.68");
}

// The digits past the shown ones decide alone: no first rounding to fifteen digits that
// turns ...46 into ...5 and then up.
TEST(FormatNumber, RoundsOnlyOnce) {
    const KxLocale us = usLocale();
    EXPECT_EQ(kxFormatNumber(0.3839766645063146, 14, false, false, us), "0.38397666450631");
    EXPECT_EQ(kxFormatNumber(0.1234567890123449, 14, false, false, us), "0.12345678901234");
    EXPECT_EQ(kxFormatNumber(0.1000000000000049, 14, false, false, us), "0.10000000000000");
    EXPECT_EQ(kxFormatNumber(0.1000000000000050, 14, false, false, us), "0.10000000000001");
}

TEST(FormatNumber, FifteenDecimalsShowTheShortDecimalOrCutDigits) {
    const KxLocale us = usLocale();
    EXPECT_EQ(kxFormatNumber(0.57, 15, false, false, us), "0.570000000000000");
    EXPECT_EQ(kxFormatNumber(0.43, 15, false, false, us), "0.430000000000000");
    EXPECT_EQ(kxFormatNumber(2.0 / 3.0, 15, false, false, us), "0.666666666666666");
    EXPECT_EQ(kxFormatNumber(0.1 + 0.2, 15, false, false, us), "0.300000000000000");
}

TEST(FormatNumber, CarriesIntoDigitsAlreadyWritten) {
    const KxLocale us = usLocale();
    EXPECT_EQ(kxFormatNumber(99.99999999999999, 15, false, false, us), "100.000000000000000");
    EXPECT_EQ(kxFormatNumber(99.99999999999999, 2, false, false, us), "100.00");
    EXPECT_EQ(kxFormatNumber(9.999, 2, false, false, us), "10.00");
    EXPECT_EQ(kxFormatNumber(999.999, 2, false, true, us), "1,000.00");
}

TEST(FormatNumber, KeepsOnlyFifteenRealDigits) {
    EXPECT_EQ(kxFormatNumber(123456789012345678.0, 0, false, false, usLocale()),
              "123456789012345000");
}

TEST(FormatNumber, OutOfRangeValues) {
    const KxLocale us = usLocale();
    EXPECT_EQ(kxFormatNumber(3e-17, 2, false, false, us), "0.00");
    EXPECT_EQ(kxFormatNumber(-3e-17, 2, true, false, us), "$0.00");
    EXPECT_EQ(kxFormatNumber(-0.001, 2, false, false, us), "0.00");
    EXPECT_EQ(kxNumberText(-1e-16, false, false, us), "0");
    EXPECT_EQ(kxFormatNumber(3e-300, 0, false, false, us), "0");
    EXPECT_EQ(kxFormatNumber(1e31, 2, false, false, us), "");
    EXPECT_EQ(kxFormatNumber(9e30, 0, false, false, us), "9000000000000000000000000000000");
    EXPECT_EQ(kxFormatNumber(std::numeric_limits<double>::infinity(), 2, false, false, us), "");
    EXPECT_EQ(kxFormatNumber(std::numeric_limits<double>::quiet_NaN(), 2, false, false, us), "");
    EXPECT_EQ(kxFormatNumber(std::numeric_limits<double>::denorm_min(), 2, false, false, us), "0.00");
}

TEST(FormatNumber, FollowsTheLocaleSeparators) {
    EXPECT_EQ(kxFormatNumber(-1234567.5, 2, true, true, germanLocale()), "-\x80"
                                                                       "1.234.567,50");
}

TEST(NumberText, ShowsUpToFifteenSignificantDigits) {
    const KxLocale us = usLocale();
    EXPECT_EQ(kxNumberText(1.5, false, false, us), "1.5");
    EXPECT_EQ(kxNumberText(100, false, false, us), "100");
    EXPECT_EQ(kxNumberText(0.25, false, false, us), "0.25");
    EXPECT_EQ(kxNumberText(0.00001, false, false, us), "0.00001");
    EXPECT_EQ(kxNumberText(0, true, false, us), "$0");
    EXPECT_EQ(kxNumberText(2.0 / 3.0, false, false, us), "0.666666666666666");
    EXPECT_EQ(kxNumberText(12345.678901234567, false, false, us), "12345.6789012346");
    EXPECT_EQ(kxNumberText(1e20, false, false, us), "100000000000000000000");
    EXPECT_EQ(kxNumberText(1e-20, false, false, us), "0");
    EXPECT_EQ(kxNumberText(99.99999999999999, false, false, us), "100");
}

TEST(NumberText, GivesTheShortDecimalThatReadsBackExactly) {
    const KxLocale us = usLocale();
    EXPECT_EQ(kxNumberText(2.15, false, false, us), "2.15");
    EXPECT_EQ(kxNumberText(0.43, false, false, us), "0.43");
    EXPECT_EQ(kxNumberText(-2.15, true, false, us), "-$2.15");
    EXPECT_EQ(kxNumberText(0.1 + 0.2, false, false, us), "0.3");
    EXPECT_EQ(kxNumberText(1234567.25, true, true, us), "$1,234,567.25");
    EXPECT_EQ(kxNumberText(1234567.25, false, false, germanLocale()), "1234567,25");
}

TEST(ParseNumber, KeepsFifteenDigitsCorrectlyRounded) {
    const KxLocale us = usLocale();
    EXPECT_EQ(kxParseNumber("0.3", us), 0.3);
    EXPECT_EQ(kxParseNumber("2.15", us), 2.15);
    EXPECT_EQ(kxParseNumber("12345678901234567", us), 123456789012345.0);
    EXPECT_EQ(kxParseNumber("0.1234567890123456789", us), 0.123456789012345);
    EXPECT_EQ(kxParseNumber("-$1,234.50", us), -1234.5);
    EXPECT_EQ(kxParseNumber("$-12", us), -12.0);
    EXPECT_EQ(kxParseNumber("1.2.3", us), 1.2);
    EXPECT_EQ(kxParseNumber("12.000", us), 12.0);
    EXPECT_EQ(kxParseNumber("", us), 0.0);
    EXPECT_FALSE(std::signbit(kxParseNumber("", us)));
    // A minus sign before no digits or zeros only gives a negative zero.
    for (const char* zero : {"-0", "-", "-0.00", "-$0"})
        EXPECT_TRUE(std::signbit(kxParseNumber(zero, us)) && kxParseNumber(zero, us) == 0) << zero;
    EXPECT_EQ(kxParseNumber("1.234,5", germanLocale()), 1234.5);
}

// Texts of up to fifteen digits read as the C library reads them, whatever the split between
// whole and fraction digits.
TEST(ParseNumber, AgreesWithTheCLibraryUpToFifteenDigits) {
    const KxLocale us = usLocale();
    std::mt19937_64 random(15);
    for (int i = 0; i < 20000; ++i) {
        const int whole = static_cast<int>(random() % 9);
        const int fraction = static_cast<int>(random() % (16 - whole));
        std::string text;
        for (int k = 0; k < whole; ++k) text += static_cast<char>('0' + random() % 10);
        if (fraction > 0) text += '.';
        for (int k = 0; k < fraction; ++k) text += static_cast<char>('0' + random() % 10);
        if (text.empty() || text == ".") continue;
        EXPECT_EQ(kxParseNumber(text, us), std::strtod(text.c_str(), nullptr)) << text;
    }
}

TEST(IsNumberText, AcceptsSignCurrencyDigitsAndSeparatorsOnly) {
    const KxLocale us = usLocale();
    for (const char* good : {"", "12", "-$12", "+1,234.5", "$", "-", "1.2.3"})
        EXPECT_TRUE(kxIsNumberText(good, us)) << good;
    for (const char* bad : {"abc", "$ 12", " 12", "1e5", "5%", "$-12", "12-"})
        EXPECT_FALSE(kxIsNumberText(bad, us)) << bad;
}

TEST(IntegerText, ParsesSignedDigitsAndHoldsTheRange) {
    EXPECT_EQ(kxParseInteger("+42"), 42);
    EXPECT_EQ(kxParseInteger("-7"), -7);
    EXPECT_EQ(kxParseInteger("12a"), 0);
    EXPECT_EQ(kxParseInteger("1.5"), 0);
    EXPECT_EQ(kxParseInteger(""), 0);
    EXPECT_EQ(kxParseInteger("99999999999"), 2147483647);
    EXPECT_EQ(kxParseInteger("-99999999999"), -2147483647 - 1);
}

TEST(CheckboxText, YesTrueAndOneInAnyCaseAreChecked) {
    for (const char* on : {"TRUE", "Yes", "yes", "1"})
        EXPECT_TRUE(kxIsCheckedText(on)) << on;
    for (const char* off : {"no", "0", "", "yes ", "checked"})
        EXPECT_FALSE(kxIsCheckedText(off)) << off;
}

} // namespace
