// The export command around its wizard: the default name from the last export directory,
// the checks after the wizard, the remembered directory and the commit.

#include "transfer/ExportCommand.h"

#include "tests/support/ScriptedUi.h"
#include "tests/support/TestDatabase.h"

#include "base/KxSettings.h"

#include <gtest/gtest.h>

namespace {

class ExportCommandTest : public ::testing::Test {
protected:
    ExportCommandTest() : t({{KxFieldType::Text, "Name"}}), settings(out.file("rolvadesk.ini")) {
        t.addRecord({"a"});
        settings.write(kxSettingLastExportDir, out.path() + "/");
    }

    bool run() {
        KxExportCommandHooks hooks;
        hooks.wizard = [this](KxExportOptions& options, KxExportSelections&) {
            proposed = options.path;
            if (chosen.empty()) return false;
            options.path = chosen;
            return true;
        };
        hooks.commit = [this] { ++commits; };
        return kxRunExportCommand(t.db, ui, settings, {}, hooks, 1, 2);
    }

    TestDatabase t;
    TempDir out;
    KxSettings settings;
    ScriptedUi ui;
    std::string proposed, chosen;
    int commits = 0;
};

TEST_F(ExportCommandTest, ProposesANameInTheLastDirectoryAndRemembersTheChosenOne) {
    TempDir elsewhere;
    chosen = elsewhere.file("list.csv");
    EXPECT_TRUE(run());
    EXPECT_EQ(proposed, out.path() + "/Test_Export1.csv");
    EXPECT_EQ(settings.read(kxSettingLastExportDir), elsewhere.path() + "/");
    EXPECT_EQ(commits, 1);
    const auto bytes = readFileBytes(chosen);
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()),
              "\"Name\",\"Category\"\r\n\"a\",\"Unfiled\"\r\n");
}

TEST_F(ExportCommandTest, CancelledWizardOrVanishedDirectoryWritesNothing) {
    EXPECT_FALSE(run());
    chosen = out.file("gone/list.csv");
    EXPECT_FALSE(run());
    EXPECT_EQ(ui.lastMessage(), "Path does not exist.\nPlease verify the correct path was given.");
    EXPECT_EQ(commits, 0);
    EXPECT_EQ(settings.read(kxSettingLastExportDir), out.path() + "/");
}

} // namespace
