#include "engine/KxStrings.h"

#include <algorithm>

namespace {
const KxStringTable& engineStrings() {
    static const KxStringTable strings = {
        {kxStrYes, "Yes"},
        {kxStrNo, "No"},
        {kxStrUnfiled, "Unfiled"},
    };
    return strings;
}

// Filled while the program's static objects are made, read only afterwards.
std::vector<const KxStringTable& (*)()>& registered() {
    static std::vector<const KxStringTable& (*)()> tables{&engineStrings};
    return tables;
}
} // namespace

bool kxRegisterStrings(const KxStringTable& (*table)()) {
    auto& tables = registered();
    if (std::find(tables.begin(), tables.end(), table) == tables.end()) tables.push_back(table);
    return true;
}

std::vector<const KxStringTable*> kxStringTables() {
    std::vector<const KxStringTable*> tables;
    for (const auto table : registered()) tables.push_back(&table());
    return tables;
}

const std::string& kxString(int id) {
    static const std::string none;
    for (const auto table : registered()) {
        const auto& strings = table();
        if (const auto it = strings.find(id); it != strings.end()) return it->second;
    }
    return none;
}

std::string kxString(int id, std::string_view argument) {
    std::string text = kxString(id);
    if (const auto at = text.find("%s"); at != std::string::npos) text.replace(at, 2, argument);
    return text;
}
