#include "cli/CliArgs.h"

#include "platform/Cp1252.h"
#include "cli/CliStrings.h"

CliArgs::CliArgs(const std::vector<std::string>& args, std::set<std::string> flags,
                 std::set<std::string> options) {
    bool onlyPositional = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (onlyPositional || a.size() < 2 || a.compare(0, 2, "--") != 0) {
            positional_.push_back(a);
            continue;
        }
        if (a == "--") {
            onlyPositional = true;
            continue;
        }
        std::string name = a.substr(2);
        std::optional<std::string> value;
        if (auto eq = name.find('='); eq != std::string::npos) {
            value = name.substr(eq + 1);
            name.resize(eq);
        }
        if (flags.count(name)) {
            if (value) throw CliUsageError(cliText(kxStrCliNoValueTaken, {name}));
            flags_.insert(name);
        } else if (options.count(name)) {
            if (!value) {
                if (i + 1 >= args.size()) throw CliUsageError(cliText(kxStrCliValueNeeded, {name}));
                value = args[++i];
            }
            options_[name].push_back(*value);
        } else {
            throw CliUsageError(cliText(kxStrCliUnknownOption, {name}));
        }
    }
}

void CliArgs::expectPositional(std::size_t min, std::size_t max) const {
    if (positional_.size() < min) throw CliUsageError(cliText(kxStrCliMissingArguments));
    if (positional_.size() > max) throw CliUsageError(cliText(kxStrCliTooManyArguments));
}

std::optional<std::string> CliArgs::option(const std::string& name) const {
    auto it = options_.find(name);
    if (it == options_.end()) return std::nullopt;
    if (it->second.size() > 1) throw CliUsageError(cliText(kxStrCliGivenTwice, {name}));
    return it->second.front();
}

std::vector<std::string> CliArgs::all(const std::string& name) const {
    auto it = options_.find(name);
    return it == options_.end() ? std::vector<std::string>{} : it->second;
}

std::string cliToDatabaseText(const std::string& utf8) { return kxFromUtf8(utf8); }
std::string cliFromDatabaseText(const std::string& cp1252) { return kxToUtf8(cp1252); }
