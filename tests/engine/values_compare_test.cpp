#include "engine/TextCollation.h"
#include "engine/values/FieldValue.h"
#include "engine/values/ValueCompare.h"
#include "tests/engine/values_test_locales.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

namespace {

std::span<const std::uint8_t> bytes(const char* s, std::size_t n) {
    return {reinterpret_cast<const std::uint8_t*>(s), n};
}

std::vector<std::uint8_t> rawNumber(double d) {
    FieldValue v = FieldValue::newValue(4);
    v.setNumber(d);
    return {v.raw().begin(), v.raw().end()};
}

TEST(TextCollation, CaseInsensitiveWithAccentsBesideTheirLetters) {
    EXPECT_EQ(kxCompareTextNoCase("ABC", "abc"), 0);
    EXPECT_EQ(kxCompareTextNoCase("\xC9mile", "\xE9MILE"), 0); // Émile, éMILE
    EXPECT_EQ(kxCompareTextNoCase("\x8A", "\x9A"), 0);         // Š, š
    EXPECT_EQ(kxCompareTextNoCase("\x9F", "\xFF"), 0);         // Ÿ, ÿ
    EXPECT_LT(kxCompareTextNoCase("apple", "Banana"), 0);
    EXPECT_LT(kxCompareTextNoCase("ab", "abc"), 0);
    EXPECT_LT(kxCompareTextNoCase("e", "\xE9"), 0);
    EXPECT_LT(kxCompareTextNoCase("\xE9", "f"), 0);
    EXPECT_LT(kxCompareTextNoCase("9", "a"), 0);
    EXPECT_LT(kxCompareTextNoCase("-", "0"), 0);
    EXPECT_NE(kxCompareTextNoCase("\xD7", "\xF7"), 0); // × and ÷ are no letters

    std::vector<std::string> words = {"zebra", "\xC9mile", "Emile", "fred", "2nd", "emile!"};
    std::vector<std::string> byKey = words;
    std::sort(words.begin(), words.end(), [](const std::string& a, const std::string& b) {
        return kxCompareTextNoCase(a, b) < 0;
    });
    std::sort(byKey.begin(), byKey.end(), [](const std::string& a, const std::string& b) {
        return kxFoldKey(a) < kxFoldKey(b);
    });
    EXPECT_EQ(words, byKey);
    EXPECT_EQ(words.front(), "2nd");
    EXPECT_EQ(words.back(), "zebra");
    EXPECT_EQ(kxFoldKey("AbC").size(), 3u);
}

TEST(CompareRaw, TextsUpToTheirNul) {
    EXPECT_EQ(kxCompareRaw(1, bytes("abc\0", 4), bytes("ABC\0\0\0", 6)), 0);
    EXPECT_EQ(kxCompareRaw(2, bytes("ab\0\0", 4), bytes("abc\0", 4)), -1);
    EXPECT_EQ(kxCompareRaw(1, bytes("b\0", 2), bytes("A\0", 2)), 1);
}

TEST(CompareRaw, NumbersDatesAndTimes) {
    const std::uint8_t minusOne[] = {0xFF, 0xFF, 0xFF, 0xFF}, one[] = {1, 0, 0, 0};
    EXPECT_EQ(kxCompareRaw(3, minusOne, one), -1);
    EXPECT_EQ(kxCompareRaw(4, rawNumber(-0.5), rawNumber(0.25)), -1);
    EXPECT_EQ(kxCompareRaw(4, rawNumber(0.0), rawNumber(-0.0)), 0);
    EXPECT_EQ(kxCompareRaw(4, rawNumber(std::numeric_limits<double>::quiet_NaN()), rawNumber(-1e300)),
              -1);

    std::vector<std::uint8_t> calcA = rawNumber(2), calcB = rawNumber(2);
    calcA.insert(calcA.end(), {1, 0});
    calcB.insert(calcB.end(), {0, 0});
    EXPECT_EQ(kxCompareRaw(9, calcA, calcB), 0); // the error flag is not looked at

    const std::uint8_t d2000[] = {0xD0, 0x07, 12, 31}, d2001[] = {0xD1, 0x07, 1, 1};
    EXPECT_EQ(kxCompareRaw(5, d2000, d2001), -1);
    const std::uint8_t t1[] = {1, 2, 3, 0}, t1spare[] = {1, 2, 3, 9}, t2[] = {1, 2, 4, 0};
    EXPECT_EQ(kxCompareRaw(6, t1, t1spare), 0);
    EXPECT_EQ(kxCompareRaw(6, t2, t1), 1);
}

TEST(CompareRaw, EveryCheckedValueIsEqual) {
    const std::uint8_t off[] = {0, 0}, on[] = {1, 0}, five[] = {5, 0}, minus[] = {0xFF, 0xFF};
    EXPECT_EQ(kxCompareRaw(7, off, on), -1);
    EXPECT_EQ(kxCompareRaw(7, on, off), 1);
    EXPECT_EQ(kxCompareRaw(7, on, five), 0);
    EXPECT_EQ(kxCompareRaw(7, five, minus), 0);
    const std::uint8_t zero8[] = {0, 0, 0, 0}, seven8[] = {7, 0, 0, 0}, nine8[] = {9, 0, 0, 0};
    EXPECT_EQ(kxCompareRaw(8, zero8, seven8), -1);
    EXPECT_EQ(kxCompareRaw(8, nine8, seven8), 0);
}

TEST(CompareRaw, ShortValuesReadMissingBytesAsZero) {
    const std::uint8_t one[] = {1};
    const std::uint8_t full[] = {1, 0, 0, 0};
    EXPECT_EQ(kxCompareRaw(3, one, full), 0);
    EXPECT_EQ(kxCompareRaw(4, {}, rawNumber(0)), 0);
    EXPECT_EQ(kxCompareRaw(0, one, full), -1);
}

TEST(FieldValueCompare, TypedOrderWithFailedCalculationsFirst) {
    const KxLocale us = usLocale();
    auto make = [&](int type, std::string_view text) {
        FieldValue v = FieldValue::newValue(type);
        v.parseText(text, us);
        return v;
    };
    EXPECT_EQ(make(1, "apple").compare(make(1, "APPLE")), 0);
    EXPECT_EQ(make(1, "").compare(make(1, "a")), -1);
    EXPECT_EQ(make(4, "10").compare(make(4, "9")), 1);
    EXPECT_EQ(make(5, "1/2/2001").compare(make(5, "1/1/2001")), 1);
    EXPECT_EQ(make(6, "x").compare(make(6, "0:00:00")), -1);

    FieldValue failed = FieldValue::newValue(9);
    failed.setCalcResult(0, true);
    EXPECT_EQ(failed.compare(make(9, "-5")), -1);
    EXPECT_EQ(make(9, "-5").compare(failed), 1);
    EXPECT_EQ(make(9, "-5").compare(make(9, "3")), -1);
}

} // namespace
