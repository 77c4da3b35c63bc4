// What the tool never does to a file: new --force losing the old database before the new one
// is written, export writing over a database held by another program, a directory or a
// database as text, a file-size limit killing the tool without a word, and a category name
// cut on one command and refused on the next.

#include "tests/support/CliRun.h"

#include "platform/FileSizeSignal.h"
#include "engine/KxDatabase.h"
#include "engine/KxLocale.h"
#include "engine/PosixFile.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

class CliFileSafety : public ::testing::Test {
  protected:
    void SetUp() override {
        kxSetLocale(KxLocale{});
        path = box.file("items.rlv");
        ASSERT_EQ(box.run({"new", path, "--field", "Name:text"}).status, 0);
        ASSERT_EQ(box.run({"add", path, "Name=Anvil"}).status, 0);
        original = readFileBytes(path);
    }
    void TearDown() override { kx::testing::failWritesAfter(0, 0); }

    CliSandbox box;
    std::string path;
    std::vector<std::uint8_t> original;
};

TEST_F(CliFileSafety, NewForceReplacesTheOldDatabaseOnlyOnceTheNewOneIsWritten) {
    kx::testing::failWritesAfter(10, ENOSPC);
    auto r = box.run({"new", path, "--force", "--field", "Other:text"});
    kx::testing::failWritesAfter(0, 0);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "error 20: There is not enough disk space available  to complete the current operation. \n\"" +
                         path + "\" could not be written. No space left on device.\n");
    EXPECT_EQ(readFileBytes(path), original);
    EXPECT_EQ(box.dir().entries(), (std::vector<std::string>{"items.rlv", "rolvadesk.ini"}));
    {
        KxDatabase holder;
        holder.open(path, kOpenDocument, 1);
        r = box.run({"new", path, "--force", "--field", "Other:text"});
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.err, "error 9: An error was encountered while saving the database.\nAnother program (test_cli, "
                         "process " + std::to_string(::getpid()) + ") has \"" + path +
                         "\" open. Close the database there and try again.\n");
    }
    EXPECT_EQ(readFileBytes(path), original);
    const std::string folder = box.file("folder.rlv");
    std::filesystem::create_directory(folder);
    EXPECT_EQ(box.run({"new", folder, "--force", "--field", "A:text"}).status, 1);
    EXPECT_TRUE(std::filesystem::is_directory(folder));
    ASSERT_EQ(box.run({"new", path, "--force", "--field", "Other:text"}).status, 0);
    EXPECT_EQ(box.run({"check", path}).out, "ok: 0 records (0 deleted), 1 fields\n");
}

TEST_F(CliFileSafety, ExportNeverWritesOverAHeldDatabaseADirectoryOrADatabaseAsText) {
    const std::string other = box.file("other.rlv");
    ASSERT_EQ(box.run({"new", other, "--field", "A:text"}).status, 0);
    const auto otherBytes = readFileBytes(other);
    {
        KxDatabase holder;
        holder.open(other, kOpenDocument, 1);
        const auto r = box.run({"export", path, other, "--yes"});
        EXPECT_EQ(r.status, 1);
        // The product's message, then who holds the file.
        EXPECT_EQ(r.err.rfind("The database could not be opened.\nAnother program (", 0), 0u) << r.err;
        EXPECT_NE(r.err.find("has \"" + other + "\" open."), std::string::npos) << r.err;
        EXPECT_EQ(box.run({"export", path, other, "--type", "csv", "--yes"}).status, 1);
    }
    EXPECT_EQ(readFileBytes(other), otherBytes);
    const auto text = box.run({"export", path, other, "--type", "csv", "--yes"});
    EXPECT_EQ(text.status, 1);
    EXPECT_EQ(text.err, other + " already exists and is read-only. Save the file to another file name or location.\n");
    EXPECT_EQ(readFileBytes(other), otherBytes);

    const std::string folder = box.file("folder.csv");
    std::filesystem::create_directory(folder);
    EXPECT_EQ(box.run({"export", path, folder, "--yes"}).status, 1);
    EXPECT_TRUE(std::filesystem::is_directory(folder));
}

TEST_F(CliFileSafety, AFailedExportKeepsThePreviousOne) {
    const std::string out = box.file("out.csv");
    ASSERT_EQ(box.run({"export", path, out}).status, 0);
    const auto previous = readFileBytes(out);
    ASSERT_EQ(box.run({"add", path, "Name=Bolt"}).status, 0);
    kx::testing::failWritesAfter(5, ENOSPC);
    const auto r = box.run({"export", path, out, "--yes"});
    kx::testing::failWritesAfter(0, 0);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(readFileBytes(out), previous);
    EXPECT_EQ(box.dir().entries(), (std::vector<std::string>{"items.rlv", "out.csv", "rolvadesk.ini"}));
}

TEST_F(CliFileSafety, AFileSizeLimitGivesError20AndKeepsTheFile) {
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        kxIgnoreFileSizeSignal();
        const rlimit limit{200, 200};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        const auto r = box.run({"add", path, "Name=" + std::string(300, 'x')});
        const bool right = r.status == 1 && r.err.rfind("error 20: ", 0) == 0;
        ::_exit(right && readFileBytes(path) == original ? 0 : 3);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status)) << "killed by signal " << WTERMSIG(status);
    EXPECT_EQ(WEXITSTATUS(status), 0);
}

TEST_F(CliFileSafety, ALongCategoryNameIsCutTheSameWayEverywhereAndSaidSo) {
    const std::string name = "Garden and shed tools";
    auto r = box.run({"add", path, "Name=Rake", "--category", name});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "category name cut to 15 characters: 'Garden and shed'\n");
    r = box.run({"list", path, "--category", name});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("Rake"), std::string::npos);
    EXPECT_EQ(box.run({"add", path, "Name=Hoe", "--category", name}).status, 0);
    r = box.run({"category", path, "--list"});
    EXPECT_EQ(r.out, "1\tGarden and shed\t2\n") << "one category, not two";
    EXPECT_EQ(box.run({"category", path, "--add", name}).status, 1) << "the cut name exists";
    EXPECT_EQ(box.run({"category", path, "--rename", name, "Outdoor things and more"}).status, 0);
    EXPECT_EQ(box.run({"category", path, "--list"}).out, "1\tOutdoor things \t2\n");
}

} // namespace
