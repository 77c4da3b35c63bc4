#include "engine/KxDbError.h"
#include "engine/values/FieldValue.h"
#include "engine/values/RawValueText.h"
#include "tests/engine/values_test_locales.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<std::uint8_t> rawOf(const FieldValue& v) {
    return {v.raw().begin(), v.raw().end()};
}

TEST(FieldValueCreation, LabelOnlyAndUnknownCodesHaveNoValues) {
    for (int code : {0, 10, -1, 255}) {
        try {
            FieldValue::newValue(code);
            ADD_FAILURE() << "code " << code;
        } catch (KxDbError e) {
            EXPECT_EQ(e, KxDbError::OutOfMemory);
        }
    }
    for (int code = 1; code <= 9; ++code)
        EXPECT_EQ(FieldValue::newValue(code).type(), code);
}

TEST(FieldValueRaw, BytesAreStoredLittleEndianAsInTheFile) {
    FieldValue integer = FieldValue::newValue(3);
    integer.setInteger(-2);
    EXPECT_EQ(rawOf(integer), (std::vector<std::uint8_t>{0xFE, 0xFF, 0xFF, 0xFF}));

    FieldValue number = FieldValue::newValue(4);
    number.setNumber(1.0);
    EXPECT_EQ(rawOf(number), (std::vector<std::uint8_t>{0, 0, 0, 0, 0, 0, 0xF0, 0x3F}));

    FieldValue time = FieldValue::newValue(6);
    time.setTime(13, 5, 9);
    EXPECT_EQ(rawOf(time), (std::vector<std::uint8_t>{13, 5, 9, 0}));

    FieldValue box = FieldValue::newValue(7);
    box.setChecked(true);
    EXPECT_EQ(rawOf(box), (std::vector<std::uint8_t>{1, 0}));

    FieldValue calc = FieldValue::newValue(9);
    calc.setCalcResult(5, true);
    EXPECT_EQ(rawOf(calc), (std::vector<std::uint8_t>{0, 0, 0, 0, 0, 0, 0, 0, 1, 0}));
    EXPECT_EQ(FieldValue::newValue(8).rawSize(), 4u);
}

TEST(FieldValueRaw, WrongByteCountIsDamageAndKeepsTheValue) {
    const std::uint8_t bytes[16] = {};
    const struct {
        int type;
        std::size_t wrong;
    } cases[] = {{3, 8}, {4, 4}, {5, 2}, {6, 5}, {7, 4}, {8, 2}, {9, 8}, {1, 0}, {2, 0}};
    for (const auto& c : cases) {
        FieldValue v = FieldValue::newValue(c.type);
        v.parseText("1", usLocale());
        const auto before = rawOf(v);
        EXPECT_THROW(v.setRaw(bytes, c.wrong), KxDbError) << "type " << c.type;
        EXPECT_EQ(rawOf(v), before) << "type " << c.type;
    }
    FieldValue v = FieldValue::newValue(4);
    EXPECT_THROW(v.setRaw(nullptr, 8), KxDbError);
}

TEST(FieldValueRaw, RoundTripsEveryFixedType) {
    const std::uint8_t date[] = {0xD1, 0x07, 3, 5};
    FieldValue v = FieldValue::newValue(5);
    v.setRaw(date, 4);
    EXPECT_TRUE(v.isValid());
    EXPECT_EQ(v.year(), 2001);
    EXPECT_EQ(rawOf(v), (std::vector<std::uint8_t>{0xD1, 0x07, 3, 5}));

    const std::uint8_t calc[] = {0, 0, 0, 0, 0, 0, 0x29, 0x40, 0, 0};
    FieldValue c = FieldValue::newValue(9);
    c.setRaw(calc, 10);
    EXPECT_EQ(c.number(), 12.5);
    EXPECT_FALSE(c.calcFailed());
}

TEST(TextValue, StoresWithoutCarriageReturnAndShowsWithThem) {
    FieldValue v = FieldValue::newValue(1);
    v.parseText("line1\r\nline2", usLocale());
    EXPECT_EQ(v.text(), "line1\nline2");
    EXPECT_EQ(v.plainText(), "line1\r\nline2");
    EXPECT_EQ(v.rawSize(), 12u);

    v.setText("abc");
    EXPECT_EQ(rawOf(v), (std::vector<std::uint8_t>{'a', 'b', 'c', 0}));
    v.setText("ab");
    EXPECT_EQ(rawOf(v), (std::vector<std::uint8_t>{'a', 'b', 0, 0}));
    v.parseText("", usLocale());
    EXPECT_FALSE(v.hasText());
    EXPECT_EQ(v.rawSize(), 0u);

    // A stored text that already has carriage returns is shown as stored.
    const char stored[] = "a\r\nb\nc";
    v.setRaw(stored, sizeof stored);
    EXPECT_EQ(v.displayForm(), "a\r\nb\nc");
    EXPECT_EQ(v.rawSize(), 8u);
}

TEST(NumberValue, TextsForDisplayAndDefault) {
    const KxLocale us = usLocale();
    FieldValue v = FieldValue::newValue(4);
    v.parseText("-$1,234.5", us);
    EXPECT_EQ(v.plainText(us), "-1234.5");
    EXPECT_EQ(v.displayText(2, 0x180, us), "-$1,234.50");
    EXPECT_EQ(v.displayText(2, 0x80, us), "-1,234.50");
    EXPECT_EQ(v.displayText(0, 0, us), "-1235");

    v.parseText("12 apples", us);
    EXPECT_EQ(v.rawSize(), 8u);
    EXPECT_EQ(v.number(), 0.0);
    v.parseText("$ 12", us);
    EXPECT_EQ(v.number(), 0.0);
    v.parseText("12345678901234567", us);
    EXPECT_EQ(v.number(), 123456789012345.0);
}

TEST(CalculationValue, FailureShowsNumberSignsAndParsingClearsIt) {
    const KxLocale us = usLocale();
    FieldValue v = FieldValue::newValue(9);
    v.setCalcResult(42, true);
    EXPECT_EQ(v.number(), 0.0);
    EXPECT_EQ(v.plainText(us), "###############");
    EXPECT_EQ(v.displayText(2, 0x180, us), "###############");
    EXPECT_EQ(v.displayText(0, 0, us), "###############");
    v.parseText("7.5", us);
    EXPECT_FALSE(v.calcFailed());
    EXPECT_EQ(v.displayText(2, 0, us), "7.50");
}

TEST(OtherValues, DefaultTexts) {
    const KxLocale us = usLocale();
    FieldValue integer = FieldValue::newValue(3);
    integer.parseText("-42", us);
    EXPECT_EQ(integer.plainText(us), "-42");
    integer.parseText("4.2", us);
    EXPECT_EQ(integer.plainText(us), "0");

    FieldValue box = FieldValue::newValue(7);
    box.parseText("TRUE", us);
    EXPECT_EQ(box.plainText(us), "Yes");
    box.parseText("", us);
    EXPECT_EQ(box.rawSize(), 2u);
    EXPECT_EQ(box.plainText(us), "No");

    EXPECT_EQ(FieldValue::newValue(8).plainText(us), "");
}

TEST(RawValueText, WhatTheSearchOverAllFieldsReads) {
    const KxLocale us = usLocale();
    FieldValue number = FieldValue::newValue(4);
    number.setNumber(12.5);
    EXPECT_EQ(kxRawValueText(4, number.raw(), us), "12.500000000000000");
    FieldValue calc = FieldValue::newValue(9);
    calc.setCalcResult(0.25, false);
    EXPECT_EQ(kxRawValueText(9, calc.raw(), us), "0.250000000000000");
    FieldValue date = FieldValue::newValue(5);
    date.setDate(2001, 3, 5);
    EXPECT_EQ(kxRawValueText(5, date.raw(), us), "3/5/2001");
    const std::uint8_t checked[] = {5, 0};
    EXPECT_EQ(kxRawValueText(7, checked, us), "Yes");
    const std::uint8_t zero[] = {0, 0, 0, 0};
    EXPECT_EQ(kxRawValueText(8, zero, us), "No");
    const char text[] = "Hello";
    EXPECT_EQ(kxRawValueText(1, std::span(reinterpret_cast<const std::uint8_t*>(text), 6), us),
              "Hello");
    EXPECT_EQ(kxRawValueText(4, std::span(zero, 4), us), "");
}

} // namespace
