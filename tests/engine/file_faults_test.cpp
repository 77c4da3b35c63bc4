// Every file call of a save made to fail in turn: Save, Save As to a new name and Save As
// over another file, with the system's unnamed temporary files and with named ones. After
// each fault the previous files are exactly as they were, the code is the one that belongs
// to the failing call, and no temporary file is left; a save that goes on in spite of the
// fault (closing the old handle) has written the new file whole.

#include "tests/support/EngineTestSupport.h"
#include "tests/support/FaultInjection.h"
#include "tests/support/RlvBuilder.h"
#include "tests/support/TestFiles.h"

#include "engine/KxFileReplacement.h"
#include "engine/KxRecordHandle.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <optional>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

enum class SaveKind { Save, SaveAsNew, SaveAsOver };

struct SaveCase {
    const char* name;
    SaveKind kind;
    bool named; // named temporary files instead of unnamed ones
};

void PrintTo(const SaveCase& c, std::ostream* out) { *out << c.name; }

// Records of 50000 bytes: 30 of them make a save take two writes of 1 MB blocks.
std::vector<std::uint8_t> makeDatabaseBytes(const TempDir& dir, std::size_t records) {
    const std::string path = dir.file("seed.rlv");
    KxDatabase db;
    db.create(path, "bdXk", kOpenDocument, 1);
    appendField(db, KxFieldType::Text, "Name");
    for (std::size_t i = 0; i < records; ++i) {
        std::size_t position = i;
        db.newRecord(position, false).setRawValue(0, rlv::textValue(std::string(50000, char('a' + i % 26))));
    }
    db.save();
    db.close(true);
    auto bytes = readFileBytes(path);
    ::unlink(path.c_str());
    return bytes;
}

void clearDirectory(const TempDir& dir) {
    for (const auto& name : dir.entries()) std::filesystem::remove_all(dir.file(name));
}

class SaveFaults : public ::testing::TestWithParam<SaveCase> {};

TEST_P(SaveFaults, EveryFailingCallLeavesThePreviousFilesAndTheRightCode) {
    const SaveCase& c = GetParam();
    FixedClock clock(1000000);
    TempDir dir;
    const auto original = makeDatabaseBytes(dir, 30);
    const std::vector<std::uint8_t> other = {'o', 't', 'h', 'e', 'r'};
    const std::string path = dir.file("db.rlv");
    const std::string target = c.kind == SaveKind::Save      ? path
                               : c.kind == SaveKind::SaveAsNew ? dir.file("new.rlv")
                                                               : dir.file("other.rlv");
    std::vector<std::string> before{"db.rlv"};
    if (c.kind == SaveKind::SaveAsOver) before.push_back("other.rlv");

    FaultInjector faults;
    faults.refuseUnnamedFiles(c.named);
    std::optional<KxDatabase> db;
    KxDbError thrown = KxDbError::None;
    const auto prepare = [&] {
        db.reset();
        clearDirectory(dir);
        writeFileBytes(path, original);
        if (c.kind == SaveKind::SaveAsOver) writeFileBytes(target, other);
        db.emplace();
        db->open(path, kOpenDocument, 1);
        db->record(1, true).setRawValue(0, rlv::textValue("changed"));
    };
    const auto save = [&] {
        thrown = thrownBy([&] {
            if (c.kind == SaveKind::Save)
                db->save();
            else
                db->save(target);
        });
        return thrown == KxDbError::None;
    };
    prepare();
    ASSERT_TRUE(save());
    db.reset();
    const auto saved = readFileBytes(target);

    const KxDbError placeError =
        c.kind == SaveKind::SaveAsOver ? KxDbError::CannotReplace : KxDbError::CannotOpenOther;
    const int injected = sweepFaults(faults, prepare, save, [&](FaultCall call, int nth, bool ok) {
        SCOPED_TRACE(std::string(faultCallName(call)) + " #" + std::to_string(nth));
        EXPECT_TRUE(faults.fired());
        if (ok) {
            // Only the old handle's close may fail without stopping the save.
            EXPECT_EQ(call, FaultCall::Close);
            EXPECT_EQ(readFileBytes(target), saved);
        } else {
            const KxDbError expected = call == FaultCall::Write || call == FaultCall::Fsync
                                           ? KxDbError::DiskFull
                                       : call == FaultCall::Open ? KxDbError::CannotOpenOther
                                                                 : placeError;
            EXPECT_EQ(thrown, expected);
            EXPECT_EQ(readFileBytes(path), original);
            if (c.kind == SaveKind::SaveAsOver) {
                EXPECT_EQ(readFileBytes(target), other);
            }
            EXPECT_EQ(dir.entries(), before) << "no temporary file is left";
            EXPECT_EQ(db->fileName(), path);
        }
    });
    EXPECT_GT(injected, 3);
    RecordProperty("faults", injected);
    std::printf("faults injected (%s): %d\n", c.name, injected);
    db.reset();
}

INSTANTIATE_TEST_SUITE_P(
    Saves, SaveFaults,
    ::testing::Values(SaveCase{"save", SaveKind::Save, false},
                      SaveCase{"save, named temporary", SaveKind::Save, true},
                      SaveCase{"save as", SaveKind::SaveAsNew, false},
                      SaveCase{"save as, named temporary", SaveKind::SaveAsNew, true},
                      SaveCase{"save as over another file", SaveKind::SaveAsOver, false},
                      SaveCase{"save as over another file, named temporary", SaveKind::SaveAsOver,
                               true}));

class SaveTargets : public ::testing::Test {
  protected:
    void SetUp() override {
        writeFileBytes(dir.file("real.rlv"), makeDatabaseBytes(dir, 2));
        original = readFileBytes(dir.file("real.rlv"));
    }
    TempDir dir;
    std::vector<std::uint8_t> original;
};

TEST_F(SaveTargets, SavingThroughALinkWritesTheFileItPointsTo) {
    ASSERT_EQ(::symlink("real.rlv", dir.file("link.rlv").c_str()), 0);
    KxDatabase db;
    db.open(dir.file("link.rlv"), kOpenDocument, 1);
    db.record(0, true).setRawValue(0, rlv::textValue("through the link"));
    db.save();
    db.close(true);
    struct stat st {};
    ASSERT_EQ(::lstat(dir.file("link.rlv").c_str(), &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode)) << "the link stays a link";
    EXPECT_NE(readFileBytes(dir.file("real.rlv")), original) << "the file it points to is saved";
    EXPECT_EQ(dir.entries(), (std::vector<std::string>{"link.rlv", "real.rlv"}));
}

TEST_F(SaveTargets, LeftoversOfAKilledSaveGoOnTheNextSaveAndOnlyThey) {
    // What a save killed half way leaves, a temporary file another save is writing (it holds
    // its lock), and names that only look alike.
    for (const char* name : {".real.rlv.Ab12Cd", ".real.rlv.zzzzzz", ".real.rlv.busy01",
                             ".real.rlv.toolong1", ".other.rlv.Ab12Cd", "real.rlv.Ab12Cd"})
        writeFileBytes(dir.file(name), {'x'});
    const int busy = ::open(dir.file(".real.rlv.busy01").c_str(), O_RDONLY);
    ASSERT_EQ(::flock(busy, LOCK_EX), 0);
    KxDatabase db;
    db.open(dir.file("real.rlv"), kOpenDocument, 1);
    db.save();
    db.close(true);
    ::close(busy);
    EXPECT_EQ(dir.entries(), (std::vector<std::string>{".other.rlv.Ab12Cd", ".real.rlv.busy01",
                                                       ".real.rlv.toolong1", "real.rlv",
                                                       "real.rlv.Ab12Cd"}));
}

TEST_F(SaveTargets, ADirectoryOrAFifoIsNeverReplacedNorWaitedOn) {
    KxDatabase db;
    db.open(dir.file("real.rlv"), kOpenDocument, 1);
    std::filesystem::create_directory(dir.file("folder.rlv"));
    EXPECT_EQ(thrownBy([&] { db.save(dir.file("folder.rlv")); }), KxDbError::CannotReplace);
    EXPECT_TRUE(std::filesystem::is_directory(dir.file("folder.rlv")));
    ASSERT_EQ(::mkfifo(dir.file("pipe.rlv").c_str(), 0600), 0);
    EXPECT_EQ(thrownBy([&] { db.save(dir.file("pipe.rlv")); }), KxDbError::CannotReplace);
    db.close(true);
    // Opening one as the database is refused at once instead of blocking for a writer.
    EXPECT_EQ(thrownBy([&] { db.open(dir.file("pipe.rlv"), kOpenReadShared, 0); }),
              KxDbError::CannotOpenOther);
    EXPECT_EQ(thrownBy([&] { db.open(dir.file("pipe.rlv"), kOpenDocument, 1); }),
              KxDbError::CannotOpenOther);
}

TEST_F(SaveTargets, ANewDatabaseReplacesAnOldFileOnlyWhenWrittenAndNeverALockedOne) {
    const std::string path = dir.file("real.rlv");
    KxDatabase fresh;
    fresh.createUnsaved(path, "bdXk", kOpenDocument, 2);
    EXPECT_EQ(readFileBytes(path), original) << "nothing is written before the save";
    {
        KxDatabase holder;
        holder.open(path, kOpenDocument, 1);
        EXPECT_EQ(thrownBy([&] { fresh.save(); }), KxDbError::CannotReplace);
    }
    EXPECT_EQ(readFileBytes(path), original);
    kx::testing::failWritesAfter(10, ENOSPC);
    EXPECT_EQ(thrownBy([&] { fresh.save(); }), KxDbError::DiskFull);
    kx::testing::failWritesAfter(0, 0);
    EXPECT_EQ(readFileBytes(path), original);
    fresh.save();
    EXPECT_NE(readFileBytes(path), original);
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"real.rlv"});
    // One in a directory that does not exist cannot be created.
    KxDatabase nowhere;
    nowhere.createUnsaved(dir.file("no/such.rlv"), "bdXk", kOpenDocument, 2);
    EXPECT_EQ(thrownBy([&] { nowhere.save(); }), KxDbError::CannotCreate);
}

} // namespace
