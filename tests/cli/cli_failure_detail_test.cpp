// The tool's standard error carries the detail the desktop shows beside a failure's message:
// a file that is no database, one another program holds (named), one that is write-protected,
// and a save that fails with the path and the system's reason.

#include "tests/support/CliRun.h"

#include "engine/KxDatabase.h"
#include "engine/KxLocale.h"
#include "engine/PosixFile.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace {

class CliFailureDetail : public ::testing::Test {
  protected:
    void SetUp() override {
        kxSetLocale(KxLocale{});
        path = box.file("items.rlv");
        ASSERT_EQ(box.run({"new", path, "--field", "Name:text"}).status, 0);
    }
    void TearDown() override {
        kx::testing::failWritesAfter(0, 0);
        ::chmod(path.c_str(), 0644);
    }
    std::string quoted(const std::string& file) const { return "\"" + file + "\""; }

    CliSandbox box;
    std::string path;
};

TEST_F(CliFailureDetail, AFileThatIsNoDatabaseIsSaidToBeNone) {
    const std::string notes = box.file("notes.rlv");
    writeFileBytes(notes, {'n', 'o', 't', 'e', 's'});
    const auto r = box.run({"list", notes});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "error 11: The database has been damaged.\n" + quoted(notes) +
                         " is not a Rolva database: it does not begin with the signature that every Rolva database "
                         "carries. None of your databases is damaged.\n");
    // A missing file has its message alone.
    EXPECT_EQ(box.run({"list", box.file("none.rlv")}).err, "error 1: The database could not be opened.\n");
}

TEST_F(CliFailureDetail, AHeldDatabaseNamesTheProgramHoldingIt) {
    KxDatabase holder;
    holder.open(path, kOpenDocument, 1);
    const auto r = box.run({"add", path, "Name=Anvil"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "error 6: The database could not be opened.\nAnother program (test_cli, process " +
                         std::to_string(::getpid()) + ") has " + quoted(path) +
                         " open. Close the database there and try again.\n");
    holder.close(false);
    EXPECT_EQ(box.run({"add", path, "Name=Anvil"}).err, "");
}

TEST_F(CliFailureDetail, AWriteProtectedDatabaseIsSaidToBeSo) {
    const auto before = readFileBytes(path);
    ::chmod(path.c_str(), 0444);
    const auto r = box.run({"add", path, "Name=Anvil"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err.substr(r.err.find('\n') + 1),
              quoted(path) + " is write-protected: you may read it but not change it. Copy it to a folder of your own "
                             "or change its permissions to work with it.\n");
    EXPECT_EQ(readFileBytes(path), before);
}

TEST_F(CliFailureDetail, AFailedSaveGivesThePathAndTheSystemsReason) {
    const std::string nowhere = box.file("gone") + "/copy.rlv";
    auto r = box.run({"save", path, "--as", nowhere});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err.substr(r.err.find('\n') + 1), quoted(nowhere) + " could not be written. No such file or directory.\n");

    kx::testing::failWritesAfter(10, ENOSPC);
    r = box.run({"save", path});
    kx::testing::failWritesAfter(0, 0);
    EXPECT_EQ(r.err, "error 20: There is not enough disk space available  to complete the current operation. \n" +
                         quoted(path) + " could not be written. No space left on device.\n");
}

} // namespace
