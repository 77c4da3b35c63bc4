// Running another program: its exit status comes back, a program that cannot start or dies
// of a signal gives -1, and it never waits for input from ours.

#include "platform/ChildProcess.h"
#include "platform/Paths.h"

#include <gtest/gtest.h>

TEST(ChildProcess, ExitStatusFailureToStartAndSignals) {
    EXPECT_EQ(kxRunProgram("/bin/sh", {"-c", "exit 0"}), 0);
    EXPECT_EQ(kxRunProgram("/bin/sh", {"-c", "exit 7"}), 7);
    EXPECT_EQ(kxRunProgram("/bin/sh", {"-c", "kill -9 $$"}), -1);
    EXPECT_EQ(kxRunProgram("/nonexistent/program", {}), -1);
    // Arguments arrive as they are, with no shell in between.
    EXPECT_EQ(kxRunProgram("/bin/sh", {"-c", "[ \"$1\" = 'a b;$c' ]", "sh", "a b;$c"}), 0);
    // Its input is empty: a program reading it ends at once instead of waiting.
    EXPECT_EQ(kxRunProgram("/bin/sh", {"-c", "read line; exit $?"}), 1);
}

TEST(ChildProcess, HelperProgramsBesideTheProgramThenInTheInstallPrefix) {
    EXPECT_EQ(kxHelperProgramPaths("rolva-pdf", "/opt/rolva/", "/usr"),
              (std::vector<std::string>{"/opt/rolva/rolva-pdf", "/usr/libexec/rolva/rolva-pdf"}));
    EXPECT_EQ(kxHelperProgramPaths("rolva-pdf", "", ""),
              (std::vector<std::string>{"/usr/local/libexec/rolva/rolva-pdf"}));
}
