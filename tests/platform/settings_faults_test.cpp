// Every file call of a settings write made to fail in turn, and settings and handheld-user
// files that are FIFOs: the write leaves the old file and no temporary one, the read refuses
// at once instead of waiting for a writer.

#include "platform/AtomicFile.h"
#include "tests/support/FaultInjection.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sys/stat.h>

namespace {

std::string readAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::size_t entryCount(const TempDir& dir) {
    return static_cast<std::size_t>(
        std::distance(std::filesystem::directory_iterator(dir.path()), {}));
}

class SettingsFaults : public ::testing::TestWithParam<bool> {};

TEST_P(SettingsFaults, EveryFailingCallKeepsTheOldFile) {
    TempDir dir;
    const std::string path = dir.file("rolvadesk.ini");
    const std::string old = "[Settings]\nUserName=old\n";
    const std::string next = "[Settings]\nUserName=new\n";
    const auto prepare = [&] {
        for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
            std::filesystem::remove(entry.path());
        std::ofstream(path, std::ios::binary) << old;
    };
    const auto run = [&] { return kxWriteFileAtomically(path, next); };
    FaultInjector faults;
    faults.refuseUnnamedFiles(GetParam());
    prepare();
    ASSERT_TRUE(run());
    const int injected = sweepFaults(faults, prepare, run, [&](FaultCall call, int nth, bool ok) {
        SCOPED_TRACE(std::string(faultCallName(call)) + " #" + std::to_string(nth));
        EXPECT_TRUE(faults.fired());
        EXPECT_FALSE(ok);
        EXPECT_EQ(readAll(path), old);
        EXPECT_EQ(entryCount(dir), 1u) << "no temporary file is left";
    });
    EXPECT_GT(injected, 3);
    std::printf("faults injected (settings write%s): %d\n", GetParam() ? ", named temporary" : "",
                injected);
}

INSTANTIATE_TEST_SUITE_P(Writes, SettingsFaults, ::testing::Bool());

TEST(SettingsFiles, AFifoIsRefusedAtOnceNeitherReadNorReplaced) {
    TempDir dir;
    const std::string path = dir.file("rolvadesk.ini");
    ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
    EXPECT_EQ(kxReadWholeFile(path, 1 << 20).status, KxReadStatus::Failed);
    EXPECT_FALSE(kxWriteFileAtomically(path, "[Settings]\n"));
    struct stat st {};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode));
    EXPECT_EQ(entryCount(dir), 1u);
}

} // namespace
