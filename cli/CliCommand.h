#pragma once
// The commands of `rolva`. Each command lives in its own file and registers itself with a
// static CliRegistrar; the dispatcher finds it by name.

#include <iosfwd>
#include <stdexcept>
#include <string>
#include <vector>

struct CliContext {
    std::vector<std::string> args; // the command's arguments, without the command name
    std::ostream& out;
    std::ostream& err;
};

struct CliCommand {
    const char* name;
    int usage;   // the numbered argument synopsis, e.g. "FILE [--json]"
    int summary; // the numbered one-line summary
    int (*run)(CliContext&);
};

// Thrown for arguments that do not fit the command; the tool prints the usage and exits 2.
class CliUsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct CliRegistrar {
    explicit CliRegistrar(const CliCommand& command);
};

const std::vector<CliCommand>& cliCommands();

// Runs the tool: 0 on success, 1 on an engine error ("error N: message" on the error
// stream), 2 on a usage error.
int rolvaMain(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
