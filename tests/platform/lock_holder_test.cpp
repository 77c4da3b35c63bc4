// Naming the program that holds a file's lock: the kernel's list of locks read for the file's
// device and inode, the holder a child process or another open description of this one.

#include "platform/KxLockHolder.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <fstream>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

std::string makeFile(const TempDir& dir) {
    const std::string path = dir.file("held.rlv");
    std::ofstream(path) << "x";
    return path;
}

} // namespace

TEST(LockHolder, TheListNamesTheExclusiveHolderOfThatFileOnly) {
    const std::string locks = "1: POSIX  ADVISORY  WRITE 700 fe:00:42 0 EOF\n"
                              "2: FLOCK  ADVISORY  READ  701 fe:00:42 0 EOF\n"
                              "3: FLOCK  ADVISORY  WRITE 702 fe:01:42 0 EOF\n"
                              "3: -> FLOCK  ADVISORY  WRITE 703 fe:00:42 0 EOF\n"
                              "4: FLOCK  ADVISORY  WRITE 0 fe:00:42 0 EOF\n"
                              "5: FLOCK  ADVISORY  WRITE 1234 fe:00:42 0 EOF\n"
                              "6: FLOCK  ADVISORY  WRITE 1235 fe:00:4200 0 EOF\n";
    EXPECT_EQ(kxLockHolderPidIn(locks, 0xfe, 0, 42), 1234);
    EXPECT_EQ(kxLockHolderPidIn(locks, 0xfe, 0, 4200), 1235);
    EXPECT_EQ(kxLockHolderPidIn(locks, 0xfe, 0, 43), std::nullopt);
    EXPECT_EQ(kxLockHolderPidIn("", 0xfe, 0, 42), std::nullopt);
    EXPECT_EQ(kxLockHolderPidIn("garbage\n1: FLOCK ADVISORY WRITE x y\n", 0xfe, 0, 42), std::nullopt);
}

TEST(LockHolder, AnotherOpenOfThisProcessIsFound) {
    TempDir dir;
    const std::string path = makeFile(dir);
    EXPECT_EQ(kxFindLockHolder(path), std::nullopt);
    const int fd = ::open(path.c_str(), O_RDWR | O_CLOEXEC);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::flock(fd, LOCK_EX | LOCK_NB), 0);
    const auto holder = kxFindLockHolder(path);
    ASSERT_TRUE(holder.has_value());
    EXPECT_EQ(holder->pid, ::getpid());
    EXPECT_FALSE(holder->name.empty());
    ::close(fd);
    EXPECT_EQ(kxFindLockHolder(path), std::nullopt);
    EXPECT_EQ(kxFindLockHolder(dir.file("missing.rlv")), std::nullopt);
}

TEST(LockHolder, AChildProcessIsNamedWithItsId) {
    TempDir dir;
    const std::string path = makeFile(dir);
    int ready[2], release[2];
    ASSERT_EQ(::pipe(ready), 0);
    ASSERT_EQ(::pipe(release), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::close(ready[0]);
        ::close(release[1]); // the parent's end: closing it lets the child go
        ::prctl(PR_SET_NAME, "lockkeeper");
        const int fd = ::open(path.c_str(), O_RDWR);
        const char ok = fd >= 0 && ::flock(fd, LOCK_EX | LOCK_NB) == 0 ? '1' : '0';
        (void)!::write(ready[1], &ok, 1);
        char done = 0;
        (void)!::read(release[0], &done, 1); // until the parent has looked
        ::_exit(0);
    }
    ::close(ready[1]);
    ::close(release[0]);
    char ok = 0;
    const bool told = ::read(ready[0], &ok, 1) == 1;
    const auto holder = told ? kxFindLockHolder(path) : std::nullopt;
    ::close(release[1]);
    ::close(ready[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(told);
    ASSERT_EQ(ok, '1');
    ASSERT_TRUE(holder.has_value());
    EXPECT_EQ(holder->pid, child);
    EXPECT_EQ(holder->name, "lockkeeper");
}
