#include "engine/values/Conversion.h"
#include "tests/engine/values_test_locales.h"

#include <gtest/gtest.h>

namespace {

constexpr KxConversion L = KxConversion::Lossless;
constexpr KxConversion Y = KxConversion::Lossy;
constexpr KxConversion X = KxConversion::Impossible;

TEST(ConversionKind, TableOfEveryPair) {
    // Rows: from 0..9; columns: to 0..9.
    const KxConversion table[10][10] = {
        {L, L, L, L, L, L, L, L, L, L}, // Label Only
        {X, L, L, Y, Y, Y, Y, Y, X, Y}, // Text
        {X, L, L, Y, Y, Y, Y, Y, X, Y}, // Multiple Choice
        {X, L, L, L, L, X, X, X, X, L}, // integer
        {X, L, L, Y, L, X, X, X, X, X}, // Number
        {X, L, L, X, X, L, X, X, X, X}, // Date
        {X, L, L, X, X, X, L, X, X, X}, // Time
        {X, L, L, X, X, X, X, L, X, X}, // Checkbox
        {X, L, L, X, X, X, X, X, L, X}, // type 8
        {X, L, L, Y, X, X, X, X, X, L}, // Calculation
    };
    for (int from = 0; from < 10; ++from)
        for (int to = 0; to < 10; ++to)
            EXPECT_EQ(kxConversionKind(from, to), table[from][to]) << from << " -> " << to;
}

FieldValue make(int type, std::string_view text) {
    FieldValue v = FieldValue::newValue(type);
    v.parseText(text, usLocale());
    return v;
}

TEST(ConvertValue, ThroughTextBothWays) {
    const KxLocale us = usLocale();
    auto text = kxConvertValue(make(7, "yes"), 1, us);
    ASSERT_TRUE(text);
    EXPECT_EQ(text->text(), "Yes");
    auto back = kxConvertValue(*text, 7, us);
    ASSERT_TRUE(back);
    EXPECT_TRUE(back->isChecked());

    EXPECT_EQ(kxConvertValue(make(5, "2001-03-05"), 2, us)->text(), "3/5/2001");
    auto date = kxConvertValue(make(1, "3/5/2001"), 5, us);
    EXPECT_EQ(date->month(), 3);
    EXPECT_FALSE(kxConvertValue(make(1, "soon"), 5, us)->isValid());
    EXPECT_EQ(kxConvertValue(make(1, "soon"), 6, us)->rawSize(), 0u);
    EXPECT_TRUE(kxConvertValue(make(2, "0:00:00"), 6, us)->isValid());

    FieldValue failed = FieldValue::newValue(9);
    failed.setCalcResult(0, true);
    EXPECT_EQ(kxConvertValue(failed, 1, us)->text(), "###############");
    EXPECT_EQ(kxConvertValue(make(4, "2.15"), 1, us)->text(), "2.15");
    EXPECT_EQ(kxConvertValue(make(1, "1,234.5"), 9, us)->number(), 1234.5);
    EXPECT_EQ(kxConvertValue(make(1, "12 apples"), 4, us)->number(), 0.0);
    EXPECT_EQ(kxConvertValue(make(1, "-17"), 3, us)->integer(), -17);
    EXPECT_FALSE(kxConvertValue(FieldValue::newValue(8), 1, us)->hasText());
    EXPECT_FALSE(kxConvertValue(make(1, ""), 2, us)->hasText());
}

TEST(ConvertValue, DoublesToIntegerTruncateAndHoldTheRange) {
    const KxLocale us = usLocale();
    EXPECT_EQ(kxConvertValue(make(4, "12.75"), 3, us)->integer(), 12);
    EXPECT_EQ(kxConvertValue(make(4, "-12.75"), 3, us)->integer(), -12);
    EXPECT_EQ(kxConvertValue(make(4, "30000000000"), 3, us)->integer(), 2147483647);
    EXPECT_EQ(kxConvertValue(make(4, "-30000000000"), 3, us)->integer(), -2147483647 - 1);
    EXPECT_EQ(kxConvertValue(make(9, "7.9"), 3, us)->integer(), 7);
    FieldValue failed = FieldValue::newValue(9);
    failed.setCalcResult(0, true);
    EXPECT_EQ(kxConvertValue(failed, 3, us)->integer(), 0);
}

TEST(ConvertValue, IntegerToDoubles) {
    const KxLocale us = usLocale();
    auto number = kxConvertValue(make(3, "-5"), 4, us);
    EXPECT_EQ(number->number(), -5.0);
    auto calc = kxConvertValue(make(3, "5"), 9, us);
    EXPECT_EQ(calc->number(), 5.0);
    EXPECT_FALSE(calc->calcFailed());
}

TEST(ConvertValue, SameTypeCopiesAndImpossiblePairsGiveNothing) {
    const KxLocale us = usLocale();
    FieldValue failed = FieldValue::newValue(9);
    failed.setCalcResult(0, true);
    EXPECT_TRUE(kxConvertValue(failed, 9, us)->calcFailed());
    EXPECT_FALSE(kxConvertValue(make(4, "1"), 9, us));
    EXPECT_FALSE(kxConvertValue(make(9, "1"), 4, us));
    EXPECT_FALSE(kxConvertValue(make(7, "yes"), 5, us));
    EXPECT_FALSE(kxConvertValue(make(5, "3/5/2001"), 4, us));
    EXPECT_FALSE(kxConvertValue(make(1, "x"), 0, us));
    EXPECT_FALSE(kxConvertValue(make(1, "x"), 8, us));
}

} // namespace
