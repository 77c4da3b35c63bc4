// Every file call of an export (text and database) and of the import log made to fail in
// turn: the previous file stays exactly as it was, nothing half written is reported as done,
// the code is the one that belongs to the failing call and no temporary file is left.

#include "print/KxReport.h"
#include "transfer/KxExporter.h"
#include "transfer/KxFieldSelection.h"
#include "transfer/KxImportLog.h"

#include "tests/support/EngineTestSupport.h"
#include "tests/support/FaultInjection.h"
#include "tests/support/ScriptedUi.h"
#include "tests/support/TestDatabase.h"

#include "engine/KxDbError.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const std::vector<std::uint8_t> kPrevious = {'p', 'r', 'e', 'v', 'i', 'o', 'u', 's'};

struct ExportCase {
    const char* name;
    KxExportFileType type;
    bool named;
};

void PrintTo(const ExportCase& c, std::ostream* out) { *out << c.name; }

class ExportFaults : public ::testing::TestWithParam<ExportCase> {
  protected:
    ExportFaults() : t({{KxFieldType::Text, "Name"}, {KxFieldType::Text, "Notes"}}) {
        for (int i = 0; i < 200; ++i) t.addRecord({"record " + std::to_string(i), std::string(400, 'n')});
    }
    TestDatabase t;
    TempDir out;
    ScriptedUi ui;
};

TEST_P(ExportFaults, EveryFailingCallLeavesThePreviousFile) {
    const ExportCase& c = GetParam();
    FixedClock clock(1000000);
    const bool database = c.type == KxExportFileType::Database;
    const std::string path = out.file(database ? "out.rlv" : "out.csv");
    KxDbError thrown = KxDbError::None;
    const auto prepare = [&] {
        for (const auto& name : out.entries()) std::filesystem::remove(out.file(name));
        writeFileBytes(path, kPrevious);
    };
    const auto run = [&] {
        thrown = thrownBy([&] {
            KxExportOptions options;
            options.type = c.type;
            options.path = path;
            KxExporter exporter(t.db, ui);
            exporter.setNewDatabaseIdentity(TestDatabase::kUser, 1000);
            EXPECT_TRUE(exporter.run(options, KxExportSelections(t.db), {}));
        });
        return thrown == KxDbError::None;
    };
    FaultInjector faults;
    faults.refuseUnnamedFiles(c.named);
    prepare();
    ASSERT_TRUE(run());
    const auto exported = readFileBytes(path);
    ASSERT_GT(exported.size(), 70000u) << "large enough for several writes";

    const int injected = sweepFaults(faults, prepare, run, [&](FaultCall call, int nth, bool ok) {
        SCOPED_TRACE(std::string(faultCallName(call)) + " #" + std::to_string(nth));
        EXPECT_TRUE(faults.fired());
        if (ok) {
            // A fault that did not matter (closing the new database after its save): the new
            // file is there whole. A database's stamps differ from run to run.
            EXPECT_EQ(call, FaultCall::Close);
            EXPECT_EQ(readFileBytes(path).size(), exported.size());
            return;
        }
        // A file that cannot be made or put in place is error 7; a failing write or flush is a
        // full disk, a failing close a bad handle.
        const KxDbError expected = call == FaultCall::Write || call == FaultCall::Fsync ? KxDbError::DiskFull
                                   : call == FaultCall::Close                         ? KxDbError::FileHandle
                                                                                      : KxDbError::CannotCreate;
        EXPECT_EQ(thrown, expected);
        EXPECT_EQ(readFileBytes(path), kPrevious);
        EXPECT_EQ(out.entries().size(), 1u) << "no temporary file is left";
    });
    EXPECT_GT(injected, 3);
    RecordProperty("faults", injected);
    std::printf("faults injected (%s): %d\n", c.name, injected);
}

INSTANTIATE_TEST_SUITE_P(
    Exports, ExportFaults,
    ::testing::Values(ExportCase{"text export", KxExportFileType::Comma, false},
                      ExportCase{"text export, named temporary", KxExportFileType::Comma, true},
                      ExportCase{"database export", KxExportFileType::Database, false},
                      ExportCase{"database export, named temporary", KxExportFileType::Database, true}));

class ReportFaults : public ::testing::TestWithParam<bool> {};

TEST_P(ReportFaults, EveryFailingCallLeavesThePreviousOutputAndNothingToPrint) {
    TestDatabase t({{KxFieldType::Text, "Name"}});
    for (int i = 0; i < 300; ++i) t.addRecord({std::string(300, char('a' + i % 26))});
    KxFieldSelection::Options options;
    options.includeCategory = true;
    KxFieldSelection selection(t.db, options);
    ScriptedUi ui;
    KxDatabaseHtmlReport report(ui, t.db, selection, {});
    TempDir dir;
    const std::string tmpl = dir.file("rows.htm");
    writeFileBytes(tmpl, {'<', '%', 'B', 'E', 'G', 'I', 'N', '_', 'R', 'E', 'C', 'O', 'R', 'D', 'S', '%', '>',
                          '<', '%', 'P', 'R', 'I', 'M', 'A', 'R', 'Y', '_', 'F', 'I', 'E', 'L', 'D', '%', '>',
                          '<', '%', 'E', 'N', 'D', '_', 'R', 'E', 'C', 'O', 'R', 'D', 'S', '%', '>'});
    const std::string path = dir.file("out.htm");
    const auto prepare = [&] {
        for (const auto& name : dir.entries())
            if (name != "rows.htm") std::filesystem::remove(dir.file(name));
        writeFileBytes(path, kPrevious);
        ui.messages.clear();
    };
    const auto run = [&] { return report.generate(nullptr, tmpl, path, "T", 0, false, -1) == 0; };
    FaultInjector faults;
    faults.refuseUnnamedFiles(GetParam());
    prepare();
    ASSERT_TRUE(run());
    ASSERT_GT(readFileBytes(path).size(), 70000u) << "large enough for several writes";
    const int injected = sweepFaults(faults, prepare, run, [&](FaultCall call, int nth, bool ok) {
        SCOPED_TRACE(std::string(faultCallName(call)) + " #" + std::to_string(nth));
        EXPECT_TRUE(faults.fired());
        EXPECT_FALSE(ok);
        EXPECT_EQ(readFileBytes(path), kPrevious);
        EXPECT_EQ(dir.entries().size(), 2u) << "no temporary file is left";
        ASSERT_EQ(ui.messages.size(), 1u);
        // Creating the file is told as such; anything after it says that writing failed.
        const std::string told = call == FaultCall::Open ? "Could not create the temporary print output file "
                                                         : "Could not write the print output file ";
        EXPECT_EQ(ui.messages[0].text.rfind(told + path, 0), 0u) << ui.messages[0].text;
    });
    EXPECT_GT(injected, 3);
    std::printf("faults injected (report%s): %d\n", GetParam() ? ", named temporary" : "", injected);
}

INSTANTIATE_TEST_SUITE_P(Reports, ReportFaults, ::testing::Bool());

class ImportLogFaults : public ::testing::TestWithParam<bool> {};

TEST_P(ImportLogFaults, EveryFailingCallLeavesThePreviousLogAndSaysThereIsNone) {
    TempDir dir;
    const std::string path = dir.file("db.rlv.import.log");
    bool exists = false;
    const auto prepare = [&] {
        for (const auto& name : dir.entries()) std::filesystem::remove(dir.file(name));
        writeFileBytes(path, kPrevious);
    };
    const auto run = [&] {
        KxImportLog log(path);
        for (int i = 0; i < 3; ++i) log.write("Row " + std::to_string(i) + " was not imported.");
        log.close();
        exists = log.exists();
        return exists;
    };
    FaultInjector faults;
    faults.refuseUnnamedFiles(GetParam());
    prepare();
    ASSERT_TRUE(run());
    const auto written = readFileBytes(path);
    const int injected = sweepFaults(faults, prepare, run, [&](FaultCall call, int nth, bool ok) {
        SCOPED_TRACE(std::string(faultCallName(call)) + " #" + std::to_string(nth));
        EXPECT_TRUE(faults.fired());
        EXPECT_FALSE(ok);
        EXPECT_EQ(readFileBytes(path), kPrevious);
        EXPECT_EQ(dir.entries().size(), 1u) << "no temporary file is left";
    });
    (void)written;
    EXPECT_GT(injected, 3);
    std::printf("faults injected (import log%s): %d\n", GetParam() ? ", named temporary" : "", injected);
}

INSTANTIATE_TEST_SUITE_P(Logs, ImportLogFaults, ::testing::Bool());

TEST(ImportLogFile, ALinkAtTheLogsNameIsNeverFollowed) {
    TempDir dir;
    const std::string victim = dir.file("precious.txt");
    writeFileBytes(victim, kPrevious);
    const std::string path = dir.file("db.rlv.import.log");
    ASSERT_EQ(::symlink(victim.c_str(), path.c_str()), 0);
    KxImportLog log(path);
    log.write("Row 1 was not imported.");
    log.close();
    EXPECT_FALSE(log.exists());
    EXPECT_EQ(log.lineCount(), 1u) << "the run goes on and counts its lines";
    EXPECT_EQ(readFileBytes(victim), kPrevious);
    struct stat st {};
    ASSERT_EQ(::lstat(path.c_str(), &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode));
    EXPECT_EQ(dir.entries().size(), 2u);
}

TEST(ImportLogFile, ANewLogReplacesTheOldOneAndAnEmptyOneGoes) {
    TempDir dir;
    const std::string path = dir.file("log.txt");
    writeFileBytes(path, kPrevious);
    {
        KxImportLog log(path);
        log.write("first");
        log.close();
        EXPECT_TRUE(log.exists());
    }
    EXPECT_EQ(readFileBytes(path), (std::vector<std::uint8_t>{'f', 'i', 'r', 's', 't', '\n'}));
    KxImportLog empty(path);
    empty.close();
    empty.remove();
    EXPECT_TRUE(dir.entries().empty());
}

} // namespace
