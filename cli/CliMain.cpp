#include "cli/CliCommand.h"

#include "cli/CliArgs.h"
#include "cli/CliSession.h"
#include "engine/KxDbError.h"
#include "cli/CliStrings.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <ostream>

namespace {
std::vector<CliCommand>& registry() {
    static std::vector<CliCommand> commands;
    return commands;
}

void printUsage(std::ostream& os) {
    os << kxString(kxStrCliUsageHead) << "\n\n" << kxString(kxStrCliCommandsHead) << "\n";
    auto commands = cliCommands();
    std::sort(commands.begin(), commands.end(),
              [](const CliCommand& a, const CliCommand& b) { return std::strcmp(a.name, b.name) < 0; });
    for (const auto& c : commands)
        os << cliText(kxStrCliCommandLine, {c.name, kxString(c.usage), kxString(c.summary)}) << "\n";
    os << "\n" << kxString(kxStrCliExitStatus) << "\n";
}
} // namespace

CliRegistrar::CliRegistrar(const CliCommand& command) { registry().push_back(command); }

const std::vector<CliCommand>& cliCommands() { return registry(); }

int rolvaMain(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.empty() || args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        printUsage(args.empty() ? err : out);
        return args.empty() ? 2 : 0;
    }
    const auto& commands = cliCommands();
    auto it = std::find_if(commands.begin(), commands.end(),
                           [&](const CliCommand& c) { return args[0] == c.name; });
    if (it == commands.end()) {
        err << cliText(kxStrCliUnknownCommand, {args[0]}) << "\n\n";
        printUsage(err);
        return 2;
    }
    CliContext context{std::vector<std::string>(args.begin() + 1, args.end()), out, err};
    (void)cliTakeFailureDetail(KxDbError::None); // nothing of an earlier run in this process
    try {
        return it->run(context);
    } catch (const CliUsageError& e) {
        err << cliText(kxStrCliCommandFailed, {it->name, e.what()}) << "\n"
            << cliText(kxStrCliCommandUsage, {it->name, kxString(it->usage)}) << "\n";
        return 2;
    } catch (KxDbError code) {
        err << cliText(kxStrCliErrorLine, {std::to_string(kxCode(code)), kxDbErrorMessage(code)}) << "\n";
        if (const std::string detail = cliTakeFailureDetail(code); !detail.empty())
            err << cliFromDatabaseText(detail) << "\n";
        return 1;
    } catch (const std::bad_alloc&) {
        const KxDbError code = KxDbError::OutOfMemory;
        err << cliText(kxStrCliErrorLine, {std::to_string(kxCode(code)), kxDbErrorMessage(code)}) << "\n";
        return 1;
    }
}
