#pragma once
// Runs the command-line tool in the test process and keeps what it printed. Every test gets
// its own settings file, so the tool never touches the user's.

#include "cli/CliCommand.h"
#include "tests/support/TestFiles.h"

#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

struct CliResult {
    int status = 0;
    std::string out;
    std::string err;
};

class CliSandbox {
public:
    CliSandbox() { ::setenv("ROLVA_SETTINGS", dir_.file("rolvadesk.ini").c_str(), 1); }
    ~CliSandbox() { ::unsetenv("ROLVA_SETTINGS"); }

    std::string file(const std::string& name) const { return dir_.file(name); }
    const TempDir& dir() const { return dir_; }

    CliResult run(std::vector<std::string> args) const {
        std::ostringstream out, err;
        const int status = rolvaMain(args, out, err);
        return {status, out.str(), err.str()};
    }

private:
    TempDir dir_;
};
