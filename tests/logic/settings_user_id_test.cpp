#include "app/DesktopUserId.h"

#include "tests/support/TestFiles.h"
#include "platform/Crc32.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

// A user source that answers like the install-aide library and records every call.
class ScriptedUsers : public KxHandheldUserSource {
  public:
    std::vector<std::string> names;
    std::int32_t failWith = 0; // non-zero: every name call fails with this
    mutable std::vector<std::uint16_t> sizesOffered;

    std::int32_t userCount() const override { return static_cast<std::int32_t>(names.size()); }
    std::int32_t userName(std::int32_t index, char* buffer, std::uint16_t* size) const override {
        sizesOffered.push_back(*size);
        if (failWith) return failWith;
        const std::string& name = names.at(static_cast<std::size_t>(index));
        if (*size < name.size() + 1) {
            *size = static_cast<std::uint16_t>(name.size() + 1);
            return kBufferTooSmall;
        }
        std::memcpy(buffer, name.c_str(), name.size() + 1);
        return 0;
    }
};

constexpr std::int64_t kNow = 1700000000;

} // namespace

TEST(DesktopUserId, FreshIdIsTimePlusCrcOfTheFirstUser) {
    ScriptedUsers users;
    users.names = {"Ann Smith", "Bob"};
    EXPECT_EQ(kxFreshUserId(users, kNow), static_cast<std::uint32_t>(kNow) + kxCrc32("Ann Smith"));
    EXPECT_EQ(users.sizesOffered, std::vector<std::uint16_t>{100});
}

TEST(DesktopUserId, ALongNameIsFetchedAgainWithTheSizeAskedFor) {
    ScriptedUsers users;
    users.names = {std::string(150, 'n')};
    EXPECT_EQ(kxFreshUserId(users, kNow),
              static_cast<std::uint32_t>(kNow) + kxCrc32(users.names[0]));
    EXPECT_EQ(users.sizesOffered, (std::vector<std::uint16_t>{100, 151}));
}

TEST(DesktopUserId, TimeAloneWithoutAUsableName) {
    ScriptedUsers none;
    EXPECT_EQ(kxFreshUserId(none, kNow), static_cast<std::uint32_t>(kNow));

    ScriptedUsers failing;
    failing.names = {"Ann"};
    failing.failWith = -7;
    EXPECT_EQ(kxFreshUserId(failing, kNow), static_cast<std::uint32_t>(kNow));
}

TEST(DesktopUserId, TheTimeIsCutTo32Bits) {
    ScriptedUsers none;
    EXPECT_EQ(kxFreshUserId(none, 0x1'0000'0005LL), 5u);
    ScriptedUsers one;
    one.names = {"x"};
    EXPECT_EQ(kxFreshUserId(one, 0xFFFFFFFFLL), 0xFFFFFFFFu + kxCrc32("x")); // wraps
}

TEST(DesktopUserId, MadeOnceAndStored) {
    TempDir dir;
    KxSettings settings(dir.file("s.ini"));
    ScriptedUsers users;
    users.names = {"Ann"};
    std::uint32_t expected = static_cast<std::uint32_t>(kNow) + kxCrc32("Ann");

    EXPECT_EQ(kxDesktopUserId(settings, users, [] { return kNow; }), expected);
    EXPECT_EQ(settings.read(kxSettingUserId), expected);
    // Later calls read the stored id; neither the clock nor the users matter any more.
    users.names = {"Someone else"};
    EXPECT_EQ(kxDesktopUserId(settings, users, [] { return kNow + 1000; }), expected);
}

TEST(DesktopUserId, AStoredZeroCountsAsMissing) {
    TempDir dir;
    writeFileText(dir.file("s.ini"), "[Rolva]\nUserId=0\n");
    KxSettings settings(dir.file("s.ini"));
    ScriptedUsers none;
    EXPECT_EQ(kxDesktopUserId(settings, none, [] { return kNow; }),
              static_cast<std::uint32_t>(kNow));
    EXPECT_EQ(readFileText(dir.file("s.ini")), "[Rolva]\nUserId=6553f100\n");
}
