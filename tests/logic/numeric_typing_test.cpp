#include "views/NumericTyping.h"

#include <gtest/gtest.h>

namespace {

KxNumericFormat usFormat(bool thousands = true, bool currency = true) {
    return KxNumericFormat::from(KxLocale{}, thousands, currency);
}

// Types into text with the caret at its end.
bool typedAtEnd(const KxNumericFormat& f, const std::string& text, char c) {
    return kxNumericAccepts(f, text, text.size(), text.size(), c);
}

std::string typeAll(const KxNumericFormat& f, const std::string& typed) {
    return kxNumericType(f, "", 0, 0, typed).text;
}

TEST(NumericTyping, SignOnlyFirstAndOnlyOnce) {
    const KxNumericFormat f = usFormat();
    EXPECT_TRUE(typedAtEnd(f, "", '-'));
    EXPECT_TRUE(typedAtEnd(f, "", '+'));
    EXPECT_TRUE(kxNumericAccepts(f, "12", 0, 0, '-'));
    EXPECT_FALSE(typedAtEnd(f, "1", '-'));
    EXPECT_FALSE(kxNumericAccepts(f, "12", 1, 1, '-'));
    // A second sign in front of the first would make the text no number at all.
    EXPECT_FALSE(kxNumericAccepts(f, "-12", 0, 0, '-'));
    // Replacing the sign is typing the first character again.
    EXPECT_TRUE(kxNumericAccepts(f, "-12", 0, 1, '+'));
}

TEST(NumericTyping, CurrencySymbolOnlyAfterTheSignAndOnlyWhenAllowed) {
    EXPECT_FALSE(typedAtEnd(usFormat(true, false), "", '$'));
    const KxNumericFormat f = usFormat();
    EXPECT_TRUE(typedAtEnd(f, "", '$'));
    EXPECT_TRUE(typedAtEnd(f, "-", '$'));
    EXPECT_TRUE(kxNumericAccepts(f, "12", 0, 0, '$'));
    EXPECT_TRUE(kxNumericAccepts(f, "-12", 1, 1, '$'));
    EXPECT_FALSE(typedAtEnd(f, "1", '$'));
    EXPECT_FALSE(typedAtEnd(f, "$", '$'));
    EXPECT_FALSE(kxNumericAccepts(f, "-12", 0, 0, '$')); // in front of the sign
    EXPECT_EQ(typeAll(f, "-$1"), "-$1");
}

TEST(NumericTyping, LongCurrencySymbolIsTypedOneCharacterAtATime) {
    KxLocale locale;
    locale.currencySymbol = "kr";
    const KxNumericFormat f = KxNumericFormat::from(locale, false, true);
    EXPECT_FALSE(typedAtEnd(f, "", 'r'));
    EXPECT_TRUE(typedAtEnd(f, "", 'k'));
    EXPECT_TRUE(typedAtEnd(f, "k", 'r'));
    EXPECT_FALSE(typedAtEnd(f, "kr", 'k'));
    // Nothing but the rest of the symbol after a part of it: "k5" would read as 0.
    EXPECT_FALSE(typedAtEnd(f, "k", '5'));
    EXPECT_FALSE(typedAtEnd(f, "k", '.'));
    EXPECT_EQ(typeAll(f, "-kr12"), "-kr12");
}

TEST(NumericTyping, NothingGoesInFrontOfTheSignOrTheCurrencySymbol) {
    const KxNumericFormat f = usFormat();
    for (const char c : {'5', '.', ','}) {
        EXPECT_FALSE(kxNumericAccepts(f, "-5", 0, 0, c)) << c;
        EXPECT_FALSE(kxNumericAccepts(f, "$5", 0, 0, c)) << c;
        EXPECT_FALSE(kxNumericAccepts(f, "-$5", 1, 1, c)) << c;
    }
    EXPECT_TRUE(kxNumericAccepts(f, "-$5", 2, 2, '4'));
}

TEST(NumericTyping, OneDecimalSeparator) {
    const KxNumericFormat f = usFormat();
    EXPECT_TRUE(typedAtEnd(f, "12", '.'));
    EXPECT_TRUE(typedAtEnd(f, "", '.'));
    EXPECT_FALSE(typedAtEnd(f, "1.2", '.'));
    EXPECT_FALSE(kxNumericAccepts(f, "1.2", 0, 0, '.'));
    // The separator being replaced does not count.
    EXPECT_TRUE(kxNumericAccepts(f, "1.2", 1, 2, '.'));
    EXPECT_TRUE(kxNumericAccepts(f, "1.23", 0, 4, '.'));
}

TEST(NumericTyping, ThousandsSeparatorRules) {
    EXPECT_FALSE(typedAtEnd(usFormat(false, true), "1", ','));
    const KxNumericFormat f = usFormat();
    EXPECT_TRUE(typedAtEnd(f, "1", ','));
    EXPECT_TRUE(typedAtEnd(f, "1,234", ','));
    EXPECT_FALSE(typedAtEnd(f, "1,", ','));                // after another
    EXPECT_FALSE(kxNumericAccepts(f, "1,234", 1, 1, ',')); // before another
    EXPECT_FALSE(kxNumericAccepts(f, "1,234", 2, 2, ',')); // after another
    EXPECT_FALSE(typedAtEnd(f, "1.2", ','));               // in the fraction
    EXPECT_FALSE(kxNumericAccepts(f, "1.25", 3, 3, ','));
    EXPECT_TRUE(kxNumericAccepts(f, "1234.5", 1, 1, ',')); // in front of the separator
}

TEST(NumericTyping, FifteenDigitsAtMost) {
    const KxNumericFormat f = usFormat();
    EXPECT_EQ(typeAll(f, "1234567890123456"), "123456789012345");
    EXPECT_EQ(typeAll(f, "-$1,234,567,890,123,456"), "-$1,234,567,890,123,45");
    // A zero alone before the decimal separator is not counted.
    EXPECT_EQ(typeAll(f, "0.1234567890123456"), "0.123456789012345");
    // Leading zeros elsewhere are digits like any other.
    EXPECT_EQ(typeAll(f, "00123456789012345"), "001234567890123");
    // At the limit a digit may still replace a digit, never a separator.
    const std::string full = "12345678.9012345";
    EXPECT_TRUE(kxNumericAccepts(f, full, 0, 1, '9'));
    EXPECT_FALSE(kxNumericAccepts(f, full, 8, 9, '9'));
    EXPECT_FALSE(kxNumericAccepts(f, full, 3, 3, '9'));
    // A digit before the uncounted zero of "0." makes it count: 14 counted digits take one
    // more at the end, but not in front.
    const std::string small = "0.12345678901234";
    EXPECT_TRUE(kxNumericAccepts(f, small, small.size(), small.size(), '5'));
    EXPECT_FALSE(kxNumericAccepts(f, small, 0, 0, '5'));
    EXPECT_TRUE(kxNumericAccepts(f, "0.1234567890123", 0, 0, '5'));
}

TEST(NumericTyping, CountedDigits) {
    const KxNumericFormat f = usFormat();
    EXPECT_EQ(kxCountedDigits(f, ""), 0);
    EXPECT_EQ(kxCountedDigits(f, "-$1,234.50"), 6);
    EXPECT_EQ(kxCountedDigits(f, "-$0.05"), 2);
    EXPECT_EQ(kxCountedDigits(f, "10.5"), 3);
}

TEST(NumericTyping, EveryOtherCharacterIsRefused) {
    const KxNumericFormat f = usFormat();
    for (const char c : {'a', 'e', 'E', ' ', '%', '#', '*', '/', '\0', '\x80'})
        EXPECT_FALSE(typedAtEnd(f, "12", c)) << int(c);
}

TEST(NumericTyping, PastedTextKeepsWhatTheRulesAllow) {
    const KxNumericFormat f = usFormat(false, false);
    const KxNumericEdit edit = kxNumericType(f, "", 0, 0, "abc-12.3.4 $");
    EXPECT_EQ(edit.text, "-12.34");
    EXPECT_EQ(edit.caret, 6u);
    // Pasting over a selection replaces it; nothing accepted leaves the text as it was.
    EXPECT_EQ(kxNumericType(f, "1999", 1, 3, "00").text, "1009");
    EXPECT_EQ(kxNumericType(f, "1999", 1, 3, "xy").text, "1999");
}

TEST(NumericTyping, FollowsTheLocaleSeparators) {
    KxLocale german;
    german.decimalSeparator = ',';
    german.thousandsSeparator = '.';
    german.currencySymbol = "\x80";
    const KxNumericFormat f = KxNumericFormat::from(german, true, true);
    EXPECT_EQ(typeAll(f, "-\x80"
                         "1.234,5,6"),
              "-\x80"
              "1.234,56");
    EXPECT_FALSE(typedAtEnd(f, "1,5", '.'));
    EXPECT_FALSE(typedAtEnd(f, "1", '$'));
}

} // namespace
