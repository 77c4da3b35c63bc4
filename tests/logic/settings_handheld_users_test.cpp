#include "install/HandheldNameFetch.h"
#include "install/HandheldUsers.h"

#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

using Names = std::vector<std::string>;

TEST(HandheldUsersFile, OneNamePerLine) {
    EXPECT_EQ(KxHandheldUsersFile::parse("Ann\r\n\r\n  Bob Jones \nCarl"),
              (Names{"Ann", "Bob Jones", "Carl"}));
    EXPECT_EQ(KxHandheldUsersFile::parse("\xEF\xBB\xBFJ\u00FCrgen\n"), (Names{"J\u00FCrgen"}));
    // A file that is not UTF-8 is taken as Windows-1252.
    EXPECT_EQ(KxHandheldUsersFile::parse("J\xFCrgen\n"), (Names{"J\u00FCrgen"}));
    EXPECT_TRUE(KxHandheldUsersFile::parse("").empty());
    // A name too long to announce through a 16-bit buffer size is left out.
    EXPECT_EQ(KxHandheldUsersFile::parse(std::string(70000, 'x') + "\nAnn"), (Names{"Ann"}));
}

TEST(HandheldUsersFile, CountAndNameIntoTheCallersBuffer) {
    TempDir dir;
    std::string list = dir.file(std::string(KxHandheldUsersFile::kFileName));
    writeFileText(list, "Ann\n" + std::string(120, 'L') + "\n");
    KxHandheldUsersFile users(list);
    ASSERT_EQ(users.userCount(), 2);

    char buffer[100];
    std::uint16_t size = sizeof buffer;
    EXPECT_EQ(users.userName(0, buffer, &size), 0);
    EXPECT_STREQ(buffer, "Ann");

    EXPECT_EQ(users.userName(1, buffer, &size), KxHandheldUserSource::kBufferTooSmall);
    EXPECT_EQ(size, 121);
    std::vector<char> larger(size);
    EXPECT_EQ(users.userName(1, larger.data(), &size), 0);
    EXPECT_EQ(std::string(larger.data()), std::string(120, 'L'));

    size = sizeof buffer;
    EXPECT_LT(users.userName(2, buffer, &size), 0);
    EXPECT_LT(users.userName(-1, buffer, &size), 0);
    EXPECT_LT(users.userName(0, buffer, nullptr), 0);
}

TEST(HandheldUsersFile, NoFileMeansNoUsers) {
    TempDir dir;
    KxHandheldUsersFile users(dir.file("missing.txt"));
    EXPECT_EQ(users.userCount(), 0);
    EXPECT_TRUE(kxHandheldUserNames(users).empty());
    EXPECT_FALSE(kxFirstHandheldUser(users));
}

TEST(HandheldUsersFile, AFifoMeansNoUsersAtOnce) {
    TempDir dir;
    const std::string fifo = dir.file("users.fifo");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    KxHandheldUsersFile users(fifo); // would wait for a writer for ever if it blocked
    EXPECT_EQ(users.userCount(), 0);
}

TEST(HandheldUsersFile, WhereTheListLives) {
    EXPECT_EQ(KxHandheldUsersFile::pathFor("/opt/rolva/rolvadesk.ini", ""),
              "/opt/rolva/handheld-users.txt");
    EXPECT_EQ(KxHandheldUsersFile::pathFor("/opt/rolva/rolvadesk.ini", "/tmp/u.txt"), "/tmp/u.txt");
}

TEST(HandheldNameFetcher, TheLargerBufferStaysInUse) {
    TempDir dir;
    std::string list = dir.file("users.txt");
    writeFileText(list, "Ann\n" + std::string(150, 'x') + "\nBob\n");
    KxHandheldUsersFile users(list);

    KxHandheldNameFetcher fetcher(users);
    EXPECT_EQ(fetcher.fetch(0), "Ann");
    EXPECT_EQ(fetcher.bufferSize(), 100);
    EXPECT_EQ(fetcher.fetch(1), std::string(150, 'x'));
    EXPECT_EQ(fetcher.bufferSize(), 151);
    EXPECT_EQ(fetcher.fetch(2), "Bob");
    EXPECT_EQ(fetcher.bufferSize(), 151);
    EXPECT_FALSE(fetcher.fetch(3));

    EXPECT_EQ(kxHandheldUserNames(users), (Names{"Ann", std::string(150, 'x'), "Bob"}));
}
