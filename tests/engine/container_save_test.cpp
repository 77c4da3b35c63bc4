// Saving: progress, Save As, and what a failed save leaves behind (the previous file exactly
// as it was, no temporary file, and a database that saves on the next try). Also the
// "deny other writers" lock, which must follow the file through a save.

#include "tests/support/EngineTestSupport.h"
#include "tests/support/RlvBuilder.h"
#include "tests/support/TestFiles.h"

#include "engine/KxRecordHandle.h"
#include "engine/KxSearchChunk.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <utility>

namespace {

using Calls = std::vector<std::pair<std::uint32_t, std::uint32_t>>;

// A database of three schema chunks and two records: five chunks.
void makeFiveChunkFile(const std::string& path) {
    KxDatabase db;
    db.create(path, "bdXk", kOpenDocument, 1);
    appendField(db, KxFieldType::Text, "Name");
    for (std::size_t i = 0; i < 2; ++i) {
        std::size_t position = i;
        db.newRecord(position, false).setRawValue(0, rlv::textValue("r" + std::to_string(i)));
    }
    db.save();
}

TEST(ContainerSave, ProgressOfOpenAndSaveCountsEveryChunk) {
    TempDir dir;
    const std::string path = dir.file("db.rlv");
    makeFiveChunkFile(path);
    Calls calls;
    KxDatabase db;
    db.setProgress(
        [&](std::uint32_t done, std::uint32_t total) { calls.emplace_back(done, total); });
    db.open(path, kOpenDocument, 1);
    EXPECT_EQ(calls, (Calls{{1, 6}, {2, 6}, {3, 6}, {4, 6}, {5, 6}, {6, 6}}));
    calls.clear();
    db.save();
    EXPECT_EQ(calls, (Calls{{1, 7}, {2, 7}, {3, 7}, {4, 7}, {5, 7}, {6, 7}, {7, 7}}));
}

TEST(ContainerSave, SaveAsNamesTheDatabaseAfterThePreviousFile) {
    TempDir dir;
    KxDatabase db;
    db.create(dir.file("first.rlv"), "bdXk", kOpenDocument, 1);
    EXPECT_EQ(db.fileHeader().databaseName(), "first");
    db.save();
    db.save(dir.file("second.rlv"));
    EXPECT_EQ(db.fileName(), dir.file("second.rlv"));
    EXPECT_EQ(db.fileHeader().databaseName(), "first");
    db.save(dir.file("third.rlv"));
    EXPECT_EQ(db.fileHeader().databaseName(), "second");

    const auto nameIn = [](const std::string& path) {
        const auto bytes = readFileBytes(path);
        return std::string(reinterpret_cast<const char*>(bytes.data() + 23));
    };
    EXPECT_EQ(nameIn(dir.file("first.rlv")), "first");
    EXPECT_EQ(nameIn(dir.file("second.rlv")), "first");
    EXPECT_EQ(nameIn(dir.file("third.rlv")), "second");
}

TEST(ContainerSave, SaveAsReplacesAnExistingFileOnlyWhenComplete) {
    FailureHooksOff hooksOff;
    TempDir dir;
    const std::vector<std::uint8_t> other = {'k', 'e', 'e', 'p'};
    writeFileBytes(dir.file("other.rlv"), other);
    makeFiveChunkFile(dir.file("db.rlv"));
    KxDatabase db;
    db.open(dir.file("db.rlv"), kOpenDocument, 1);

    kx::testing::failWritesAfter(100, ENOSPC);
    EXPECT_EQ(thrownBy([&] { db.save(dir.file("other.rlv")); }), KxDbError::DiskFull);
    EXPECT_EQ(readFileBytes(dir.file("other.rlv")), other);
    EXPECT_EQ(db.fileName(), dir.file("db.rlv")) << "a failed Save As keeps the old file";
    EXPECT_EQ(db.fileHeader().databaseName(), "db");

    kx::testing::failWritesAfter(0, 0);
    db.save(dir.file("other.rlv"));
    EXPECT_EQ(dir.entries(), (std::vector<std::string>{"db.rlv", "other.rlv"}));
    db.close(true);
    db.open(dir.file("other.rlv"), kOpenReadShared, 0);
    EXPECT_EQ(db.liveCount(), 2u);
}

struct SaveFailure {
    const char* name;
    void (*arm)();
    KxDbError code;
};

void PrintTo(const SaveFailure& f, std::ostream* out) {
    *out << f.name;
}

class ContainerSaveFailure : public ::testing::TestWithParam<SaveFailure> {};

TEST_P(ContainerSaveFailure, LeavesThePreviousFileAndSavesOnTheNextTry) {
    FailureHooksOff hooksOff;
    TempDir dir;
    const std::string path = dir.file("db.rlv");
    makeFiveChunkFile(path);
    const auto before = readFileBytes(path);

    KxDatabase db;
    db.open(path, kOpenDocument, 1);
    db.record(1, true).setRawValue(0, rlv::textValue("changed"));
    GetParam().arm();
    EXPECT_EQ(thrownBy([&] { db.save(); }), GetParam().code);
    EXPECT_EQ(readFileBytes(path), before);
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"db.rlv"}) << "no temporary file is left";
    EXPECT_TRUE(db.isOpen());

    kx::testing::failWritesAfter(0, 0);
    kx::testing::failTempCreation(0);
    db.save();
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"db.rlv"});
    db.close(true);
    db.open(path, kOpenReadShared, 0);
    const auto value = db.record(1, false).rawValue(0);
    EXPECT_EQ(std::vector<std::uint8_t>(value.begin(), value.end()), rlv::textValue("changed"));
}

INSTANTIATE_TEST_SUITE_P(
    Failures, ContainerSaveFailure,
    ::testing::Values(
        SaveFailure{"disk full in the header", [] { kx::testing::failWritesAfter(10, ENOSPC); },
                    KxDbError::DiskFull},
        SaveFailure{"disk full in the last chunk",
                    [] { kx::testing::failWritesAfter(600, ENOSPC); }, KxDbError::DiskFull},
        SaveFailure{"bad file handle", [] { kx::testing::failWritesAfter(0, EBADF); },
                    KxDbError::FileHandle},
        SaveFailure{"directory not writable", [] { kx::testing::failTempCreation(EACCES); },
                    KxDbError::AccessDenied}),
    NameFromDescription());

// Nothing the engine writes may be refused when it is read back: a chunk past 65280 bytes
// stops the save before the file is touched.
TEST(ContainerSave, ChunkPastItsLimitIsRefusedBeforeAnythingIsWritten) {
    TempDir dir;
    const std::string path = dir.file("db.rlv");
    makeFiveChunkFile(path);
    const auto before = readFileBytes(path);
    KxDatabase db;
    db.open(path, kOpenDocument, 1);
    KxStoredSearch search;
    search.criteria = {{0, 1, std::string(65280 - 12 - 32 - 10 + 1, 'v')}};
    db.searchChunk().searches = {search};
    EXPECT_EQ(thrownBy([&] { db.save(); }), KxDbError::TooLarge);
    EXPECT_EQ(readFileBytes(path), before);
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"db.rlv"});

    db.searchChunk().searches[0].criteria[0].value.pop_back();
    db.save();
    db.close(true);
    db.open(path, kOpenReadShared, 0);
    EXPECT_EQ(db.searchChunk().byteSize(), 65280u);
}

TEST(ContainerSave, SecondWriterIsRefusedWhileTheFirstHoldsTheFile) {
    TempDir dir;
    const std::string path = dir.file("db.rlv");
    makeFiveChunkFile(path);
    KxDatabase first;
    first.open(path, kOpenDocument, 1);
    KxDatabase second;
    EXPECT_EQ(thrownBy([&] { second.open(path, kOpenDocument, 2); }), KxDbError::AccessDenied);
    EXPECT_FALSE(second.isOpen());

    // The save puts a new file in place; the lock goes with it.
    first.save();
    EXPECT_EQ(thrownBy([&] { second.open(path, kOpenDocument, 2); }), KxDbError::AccessDenied);
    KxDatabase reader;
    EXPECT_EQ(thrownBy([&] { reader.open(path, kOpenReadShared, 0); }), KxDbError::None);

    first.close(false);
    EXPECT_EQ(thrownBy([&] { second.open(path, kOpenDocument, 2); }), KxDbError::None);
}

TEST(ContainerSave, OpenKeepsTheFileOpenUntilClose) {
    TempDir dir;
    const std::string path = dir.file("db.rlv");
    makeFiveChunkFile(path);
    KxDatabase db;
    std::uint16_t flags = 0;
    EXPECT_FALSE(db.isOpen(&flags));
    db.open(path, kOpenDocument, 1);
    EXPECT_TRUE(db.isOpen(&flags));
    EXPECT_EQ(flags, kOpenDocument);
    db.close(false);
    EXPECT_FALSE(db.isOpen());
    EXPECT_EQ(db.directorySize(), 0u);
    EXPECT_EQ(thrownBy([&] { db.create(path, "bdXk", kOpenDocument, 1); }), KxDbError::FileExists);
}

} // namespace
