#include "KxStrings.h"

#include <map>

namespace {
const std::map<int, std::string>& table() {
    static const std::map<int, std::string> strings = {
        {kxStrYes, "Yes"},
        {kxStrNo, "No"},
        {kxStrUnfiled, "Unfiled"},
    };
    return strings;
}
} // namespace

const std::string& kxString(int id) {
    static const std::string none;
    const auto& strings = table();
    const auto it = strings.find(id);
    return it == strings.end() ? none : it->second;
}
