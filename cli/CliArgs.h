#pragma once
// A small option parser: positional arguments, flags and options with values (repeatable).

#include "cli/CliCommand.h"

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

class CliArgs {
public:
    // `flags` take no value; `options` take one (as "--x VALUE" or "--x=VALUE").
    CliArgs(const std::vector<std::string>& args, std::set<std::string> flags,
            std::set<std::string> options);

    const std::vector<std::string>& positional() const { return positional_; }
    // Exactly n positional arguments, or a usage error.
    void expectPositional(std::size_t min, std::size_t max) const;
    bool flag(const std::string& name) const { return flags_.count(name) > 0; }
    std::optional<std::string> option(const std::string& name) const;
    std::vector<std::string> all(const std::string& name) const;

private:
    std::vector<std::string> positional_;
    std::set<std::string> flags_;
    std::map<std::string, std::vector<std::string>> options_;
};

// Converts command-line text (UTF-8) to the database's text and back.
std::string cliToDatabaseText(const std::string& utf8);
std::string cliFromDatabaseText(const std::string& cp1252);
