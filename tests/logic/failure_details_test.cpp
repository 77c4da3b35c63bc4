// What goes beside the product's message when a database file cannot be opened: a file that
// is no database at all, one another program holds, one that is write-protected.

#include "tests/logic/doc_test_support.h"

#include "app/CommandFailure.h"
#include "app/FailureDetails.h"

#include <sys/stat.h>
#include <unistd.h>

TEST_F(DocTest, OpenFailuresSayWhatIsWrongWithTheFile) {
    // Text, or nothing at all: not a database, so nothing of the user's is damaged.
    for (const std::vector<std::uint8_t>& bytes : {std::vector<std::uint8_t>{'n', 'o', 't', 'e', 's'},
                                                   std::vector<std::uint8_t>{}}) {
        const std::string path = dir.file("notes.rlv");
        writeFileBytes(path, bytes);
        const KxDbError code = thrownBy([&] { doc.openDocumentFile(path); });
        ASSERT_EQ(code, KxDbError::Damaged);
        kxShowDbError(ui, kxCode(code));
        EXPECT_EQ(ui.messages.back().text, "The database has been damaged.");
        EXPECT_EQ(ui.messages.back().detail,
                  "\"" + path + "\" is not a Rolva database: it does not begin with the signature that every "
                                "Rolva database carries. None of your databases is damaged.");
    }

    // A database that begins right but breaks later is damaged indeed: no detail.
    const std::string real = createDatabase({"Name"});
    doc.closeDocument();
    std::vector<std::uint8_t> bytes = readFileBytes(real);
    bytes.resize(200);
    const std::string cut = dir.file("cut.rlv");
    writeFileBytes(cut, bytes);
    EXPECT_EQ(kxOpenFailureDetail(cut, KxDbError::Damaged), "");

    // Another program holds the database: here this test program itself, through a second open.
    KxDatabase other;
    other.open(real, kOpenDocument, 1);
    const KxDbError held = thrownBy([&] { doc.openDocumentFile(real); });
    ASSERT_EQ(held, KxDbError::AccessDenied);
    kxShowDbError(ui, kxCode(held));
    EXPECT_EQ(ui.messages.back().detail,
              "Another program (test_logic, process " + std::to_string(::getpid()) + ") has \"" + real +
                  "\" open. Close the database there and try again.");
    other.close(false);

    // A detail goes only with the message of its own code, once.
    ui.noteFailureDetail(kxCode(KxDbError::Damaged), "stale");
    kxShowDbError(ui, kxCode(KxDbError::DiskFull));
    EXPECT_EQ(ui.messages.back().detail, "");
    EXPECT_EQ(ui.takeFailureDetail(kxCode(KxDbError::Damaged)), "");
}

TEST_F(DocTest, AWriteProtectedDatabaseIsNamedSo) {
    const std::string path = createDatabase({"Name"});
    doc.closeDocument();
    ::chmod(path.c_str(), 0444);
    EXPECT_EQ(kxOpenFailureDetail(path, KxDbError::AccessDenied),
              "\"" + path + "\" is write-protected: you may read it but not change it. Copy it to a folder of your "
                            "own or change its permissions to work with it.");
    ::chmod(path.c_str(), 0644);
}
