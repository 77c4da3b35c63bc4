#include "platform/Cp1252.h"

#include <gtest/gtest.h>

TEST(Cp1252, EveryByteSurvivesTheTripThroughUtf8) {
    std::string all;
    for (int b = 0; b < 256; ++b)
        all.push_back(static_cast<char>(b));
    std::string utf8 = kxToUtf8(all);
    EXPECT_TRUE(kxLooksLikeUtf8(utf8));
    bool lossy = true;
    EXPECT_EQ(kxFromUtf8(utf8, &lossy), all);
    EXPECT_FALSE(lossy);
}

TEST(Cp1252, SpecialCharactersOfTheUpperHalf) {
    EXPECT_EQ(kxToUtf8("\x80"), "\u20AC"); // euro sign
    EXPECT_EQ(kxToUtf8("\x85\x99\x9F"), "\u2026\u2122\u0178");
    EXPECT_EQ(kxToUtf8("caf\xE9"), "caf\u00E9");
    EXPECT_EQ(kxToUtf8("\x81"), "\xC2\x81"); // undefined in 1252: kept as C1 control
    EXPECT_EQ(kxFromUtf8("\u20AC \u201Cq\u201D \u00FF"), "\x80 \x93q\x94 \xFF");
}

TEST(Cp1252, CharactersOutside1252BecomeQuestionMarks) {
    bool lossy = false;
    EXPECT_EQ(kxFromUtf8("a\u65E5\u672Cb", &lossy), "a??b");
    EXPECT_TRUE(lossy);
    EXPECT_EQ(kxFromUtf8("\U0001F600"), "?");
    EXPECT_EQ(kxFromUtf8("\xC2\x80"), "?"); // U+0080 is no 1252 character
    EXPECT_EQ(kxFromUtf8(std::string_view("x\0y", 3)), std::string("x\0y", 3));
}

TEST(Cp1252, MalformedUtf8BecomesOneQuestionMarkPerByte) {
    bool lossy = false;
    EXPECT_EQ(kxFromUtf8("a\xC3", &lossy), "a?"); // cut off at the end
    EXPECT_TRUE(lossy);
    EXPECT_EQ(kxFromUtf8("\xC0\xAF"), "??");      // overlong '/'
    EXPECT_EQ(kxFromUtf8("\xED\xA0\x80"), "???"); // surrogate
    EXPECT_EQ(kxFromUtf8("\xE9t\xE9"), "?t?");    // 1252 text taken for UTF-8
}

TEST(Cp1252, StrictUtf8Validation) {
    EXPECT_TRUE(kxLooksLikeUtf8(""));
    EXPECT_TRUE(kxLooksLikeUtf8("plain ASCII, long enough for the fast path"));
    EXPECT_TRUE(kxLooksLikeUtf8("\u00E9\u20AC\U0010FFFF"));
    EXPECT_FALSE(kxLooksLikeUtf8("caf\xE9"));
    EXPECT_FALSE(kxLooksLikeUtf8("\xC1\xBF"));         // overlong
    EXPECT_FALSE(kxLooksLikeUtf8("\xE0\x80\xAF"));     // overlong three-byte
    EXPECT_FALSE(kxLooksLikeUtf8("\xED\xBF\xBF"));     // surrogate
    EXPECT_FALSE(kxLooksLikeUtf8("\xF4\x90\x80\x80")); // above U+10FFFF
    EXPECT_FALSE(kxLooksLikeUtf8("\x80"));             // stray continuation
}

TEST(Cp1252, TruncatedTailIsAcceptedOnlyWhenAsked) {
    std::string prefix = "ok \xE2\x82"; // a euro sign cut by the end of a read
    EXPECT_FALSE(kxLooksLikeUtf8(prefix));
    EXPECT_TRUE(kxLooksLikeUtf8(prefix, true));
    EXPECT_FALSE(kxLooksLikeUtf8("\xED\xA0", true)); // a surrogate stays wrong even cut short
    EXPECT_EQ(kxDetectEncoding(prefix, false), KxTextEncoding::Utf8);
    EXPECT_EQ(kxDetectEncoding(prefix, true), KxTextEncoding::Cp1252);
}

TEST(Cp1252, ByteOrderMark) {
    EXPECT_TRUE(kxHasUtf8Bom("\xEF\xBB\xBFx"));
    EXPECT_EQ(kxStripUtf8Bom("\xEF\xBB\xBFx"), "x");
    EXPECT_EQ(kxStripUtf8Bom("\xEF\xBB"), "\xEF\xBB");
    // A byte order mark decides even when the rest is not valid UTF-8.
    EXPECT_EQ(kxDetectEncoding("\xEF\xBB\xBF\xE9", true), KxTextEncoding::Utf8);
    EXPECT_EQ(kxDetectEncoding("na\xEFve", true), KxTextEncoding::Cp1252);
}
