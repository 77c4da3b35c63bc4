#include "platform/Crc32.h"
#include "platform/NoCase.h"

#include <gtest/gtest.h>

TEST(Crc32, KnownValues) {
    EXPECT_EQ(kxCrc32(""), 0u);
    EXPECT_EQ(kxCrc32("123456789"), 0xCBF43926u);
    EXPECT_EQ(kxCrc32("The quick brown fox jumps over the lazy dog"), 0x414FA339u);
    EXPECT_EQ(kxCrc32(std::string_view("\0", 1)), 0xD202EF8Du);
}

TEST(Crc32, ContinuesOverPieces) {
    EXPECT_EQ(kxCrc32Update(kxCrc32("12345"), "6789"), 0xCBF43926u);
}

TEST(NoCase, FoldsAsciiAndThe1252Letters) {
    EXPECT_TRUE(kxEqualNoCase("User:ALICE", "user:alice"));
    EXPECT_TRUE(kxEqualNoCase("J\u00DCRGEN", "j\u00FCrgen"));
    EXPECT_TRUE(kxEqualNoCase("\u0160\u0152\u017D\u0178", "\u0161\u0153\u017E\u00FF"));
    EXPECT_FALSE(kxEqualNoCase("\u00D7", "\u00F7")); // multiplication and division signs
    EXPECT_FALSE(kxEqualNoCase("abc", "abcd"));
    EXPECT_TRUE(kxEqualNoCase("\xC3", "\xC3")); // malformed bytes compare as they are
    EXPECT_TRUE(kxStartsWithNoCase("USER:bob", "User:"));
    EXPECT_FALSE(kxStartsWithNoCase("Use", "User:"));
}
