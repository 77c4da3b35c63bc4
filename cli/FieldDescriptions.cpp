#include "cli/FieldDescriptions.h"

#include "cli/CliArgs.h"
#include "cli/CliCommand.h"
#include "cli/CliStrings.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <map>

namespace {

const std::map<std::string, KxFieldType>& typeNames() {
    static const std::map<std::string, KxFieldType> names = {
        {"text", KxFieldType::Text},         {"choice", KxFieldType::MultipleChoice},
        {"number", KxFieldType::Number},     {"calc", KxFieldType::Calculation},
        {"date", KxFieldType::Date},         {"time", KxFieldType::Time},
        {"checkbox", KxFieldType::Checkbox}, {"label", KxFieldType::LabelOnly},
    };
    return names;
}

const std::map<std::string, std::uint8_t>& calcOperators() {
    static const std::map<std::string, std::uint8_t> ops = {
        {"add", 0}, {"subtract", 1}, {"multiply", 2}, {"divide", 3},
        {"sum", 4}, {"average", 5},  {"grandtotal", 6},
    };
    return ops;
}

std::vector<std::string> split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (;;) {
        const auto at = text.find(separator, start);
        parts.push_back(text.substr(start, at - start));
        if (at == std::string::npos) return parts;
        start = at + 1;
    }
}

bool sameLabel(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](unsigned char x, unsigned char y) {
               return std::tolower(x) == std::tolower(y);
           });
}

std::uint8_t operandPosition(const std::string& label, const std::vector<KxFieldSpec>& earlier) {
    for (std::size_t i = 0; i < earlier.size(); ++i) {
        const auto t = earlier[i].type;
        if (sameLabel(earlier[i].label, label) && (t == KxFieldType::Number || t == KxFieldType::Calculation))
            return static_cast<std::uint8_t>(i);
    }
    throw CliUsageError(cliText(kxStrCliBadOperand, {label}));
}

void applyOption(KxFieldSpec& spec, const std::string& option, const std::vector<KxFieldSpec>& earlier) {
    const auto eq = option.find('=');
    const std::string name = option.substr(0, eq);
    const std::string value = eq == std::string::npos ? std::string() : option.substr(eq + 1);
    if (name == "decimals") {
        unsigned decimals = 0;
        auto [ptr, ec] = std::from_chars(value.data(), value.data() + value.size(), decimals);
        if (ec != std::errc() || ptr != value.data() + value.size() || decimals > 15)
            throw CliUsageError(cliText(kxStrCliDecimalsRange));
        spec.decimals = decimals;
    } else if (name == "thousands") {
        spec.thousands = true;
    } else if (name == "currency") {
        spec.currency = true;
    } else if (name == "noseconds") {
        spec.hideSeconds = true;
    } else if (name == "hidelabel") {
        spec.showLabel = false;
    } else if (name == "items") {
        for (const auto& item : split(value, '|')) spec.items.push_back(cliToDatabaseText(item));
    } else if (name == "op") {
        auto it = calcOperators().find(value);
        if (it == calcOperators().end()) throw CliUsageError(cliText(kxStrCliUnknownOperator, {value}));
        spec.calcOperator = it->second;
    } else if (name == "a") {
        spec.calcFirst = operandPosition(cliToDatabaseText(value), earlier);
    } else if (name == "b") {
        spec.calcSecond = operandPosition(cliToDatabaseText(value), earlier);
    } else {
        throw CliUsageError(cliText(kxStrCliUnknownFieldOption, {name}));
    }
}

} // namespace

std::vector<KxFieldSpec> parseFieldSpecs(const std::vector<std::string>& specs) {
    std::vector<KxFieldSpec> fields;
    for (const auto& text : specs) {
        const auto first = text.find(':');
        if (first == std::string::npos) throw CliUsageError(cliText(kxStrCliFieldNeedsType, {text}));
        const auto second = text.find(':', first + 1);
        KxFieldSpec spec;
        spec.label = cliToDatabaseText(text.substr(0, first));
        const std::string type = text.substr(first + 1, second == std::string::npos ? std::string::npos : second - first - 1);
        auto it = typeNames().find(type);
        if (it == typeNames().end()) throw CliUsageError(cliText(kxStrCliUnknownFieldType, {type}));
        spec.type = it->second;
        if (spec.type == KxFieldType::Calculation) spec.calcOperator = 4;
        if (second != std::string::npos)
            for (const auto& option : split(text.substr(second + 1), ','))
                if (!option.empty()) applyOption(spec, option, fields);
        fields.push_back(std::move(spec));
    }
    return fields;
}
