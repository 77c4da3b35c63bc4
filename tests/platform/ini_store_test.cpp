#include "platform/KxIniStore.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::vector<std::string> filesIn(const std::string& dir) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir))
        names.push_back(entry.path().filename());
    std::sort(names.begin(), names.end());
    return names;
}

ino_t inodeOf(const std::string& path) {
    struct stat st {};
    ::stat(path.c_str(), &st);
    return st.st_ino;
}

} // namespace

TEST(IniStore, WriteCreatesFileAndParentsAndLeavesNoTemporaryFiles) {
    TempDir dir;
    KxIniStore store(dir.file("config/rolva/rolvadesk.ini"));
    EXPECT_FALSE(store.fileExists());
    EXPECT_FALSE(store.read("Rolva", "Version"));
    ASSERT_TRUE(store.write("Rolva", "Version", "1.0"));
    EXPECT_EQ(readFileText(store.path()), "[Rolva]\nVersion=1.0\n");
    EXPECT_EQ(store.read("rolva", "VERSION"), "1.0");
    EXPECT_EQ(filesIn(dir.file("config/rolva")), std::vector<std::string>{"rolvadesk.ini"});
}

TEST(IniStore, DeletingFromAMissingFileDoesNotCreateIt) {
    TempDir dir;
    KxIniStore store(dir.file("s.ini"));
    EXPECT_TRUE(store.removeKey("A", "k"));
    EXPECT_TRUE(store.removeSection("A"));
    EXPECT_FALSE(store.fileExists());
}

TEST(IniStore, NullValueDeletesTheKeyAndRefusedWritesLeaveTheFileAlone) {
    TempDir dir;
    KxIniStore store(dir.file("s.ini"));
    ASSERT_TRUE(store.write("A", "k", "v"));
    ASSERT_TRUE(store.write("A", "j", "w"));
    ASSERT_TRUE(store.write("A", "K", std::nullopt));
    EXPECT_FALSE(store.read("A", "k"));
    EXPECT_FALSE(store.write("A", "j", "line\nbreak"));
    EXPECT_EQ(readFileText(store.path()), "[A]\nj=w\n");
    ASSERT_TRUE(store.removeSection("a"));
    EXPECT_TRUE(store.sectionNames().empty());
}

TEST(IniStore, UnchangedContentIsNotRewritten) {
    TempDir dir;
    KxIniStore store(dir.file("s.ini"));
    ASSERT_TRUE(store.write("A", "k", "v"));
    ino_t before = inodeOf(store.path());
    ASSERT_TRUE(store.write("a", "K", "v"));
    EXPECT_EQ(inodeOf(store.path()), before);
}

TEST(IniStore, ReplacingKeepsPermissionsAndSymbolicLinks) {
    TempDir dir;
    std::string real = dir.file("real.ini");
    writeFileText(real, "[A]\nk=1\n");
    ::chmod(real.c_str(), 0640);
    std::string link = dir.file("link.ini");
    ASSERT_EQ(::symlink("real.ini", link.c_str()), 0);

    KxIniStore store(link);
    ASSERT_TRUE(store.write("A", "k", "2"));
    struct stat st {};
    ASSERT_EQ(::lstat(link.c_str(), &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode));
    ASSERT_EQ(::stat(real.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    EXPECT_EQ(readFileText(real), "[A]\nk=2\n");
}

TEST(IniStore, UnreadableOrOversizedFilesAreNeverOverwritten) {
    TempDir dir;
    std::string asDirectory = dir.file("dir.ini");
    std::filesystem::create_directory(asDirectory);
    KxIniStore odd(asDirectory);
    EXPECT_FALSE(odd.read("A", "k"));
    EXPECT_FALSE(odd.write("A", "k", "v"));

    std::string big = dir.file("big.ini");
    std::string content = "[A]\nk=" + std::string(KxIniStore::kMaxFileSize, 'x') + "\n";
    writeFileText(big, content);
    KxIniStore huge(big);
    EXPECT_FALSE(huge.read("A", "k"));
    EXPECT_FALSE(huge.write("A", "k", "v"));
    EXPECT_EQ(std::filesystem::file_size(big), content.size());
}

TEST(IniStore, AFailedWriteKeepsTheOldFile) {
    TempDir dir;
    KxIniStore store(dir.file("s.ini"));
    ASSERT_TRUE(store.write("A", "k", "old"));

    // Make the disk "full" for this process: writes past 4 KiB fail.
    struct rlimit saved {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    auto previous = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit limited = saved;
    limited.rlim_cur = 4096;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limited), 0);
    bool written = store.write("A", "k", std::string(8192, 'n'));
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previous);

    EXPECT_FALSE(written);
    EXPECT_EQ(store.read("A", "k"), "old");
    EXPECT_EQ(filesIn(dir.path()), std::vector<std::string>{"s.ini"});
}

TEST(IniStore, UpdateWritesSeveralChangesAtOnceOrNothing) {
    TempDir dir;
    KxIniStore store(dir.file("s.ini"));
    ASSERT_TRUE(store.update([](KxIniDocument& doc) {
        return doc.setValue("User:Ann", "Sales", "Installed=0 ") &&
               doc.setValue("DB:Sales", "File", "/d/Sales.rlv");
    }));
    EXPECT_EQ(store.sectionNames(), (std::vector<std::string>{"User:Ann", "DB:Sales"}));
    EXPECT_FALSE(store.update([](KxIniDocument& doc) {
        doc.removeSection("User:Ann");
        return false;
    }));
    EXPECT_EQ(store.entries("user:ann").size(), 1u);
}
