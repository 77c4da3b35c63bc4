#include "cli/CliEntryChoice.h"

#include "cli/CliArgs.h"
#include "engine/TextCollation.h"
#include "transfer/KxFieldSelection.h"
#include "cli/CliStrings.h"

#include <charconv>
#include <sstream>

namespace {

std::uint8_t entryOf(const KxFieldSelection& selection, const std::string& reference) {
    if (reference.size() > 1 && reference[0] == '#') {
        std::size_t n = 0;
        const char* end = reference.data() + reference.size();
        auto [ptr, ec] = std::from_chars(reference.data() + 1, end, n);
        if (ec == std::errc() && ptr == end && n >= 1 && n <= selection.entryCount())
            return static_cast<std::uint8_t>(n - 1);
        throw CliUsageError(cliText(kxStrCliNoEntryNumber, {reference}));
    }
    const std::string label = cliToDatabaseText(reference);
    for (std::size_t e = 0; e < selection.entryCount(); ++e)
        if (kxEqualTextNoCase(selection.entryLabel(e), label)) return static_cast<std::uint8_t>(e);
    throw CliUsageError(cliText(kxStrCliNoEntryNamed, {reference}));
}

} // namespace

std::vector<std::uint8_t> cliChooseEntries(const KxFieldSelection& selection,
                                           const std::vector<std::string>& options) {
    if (options.empty() || (options.size() == 1 && options[0] == "all")) return selection.order();
    std::vector<std::uint8_t> order;
    for (const std::string& option : options) {
        std::istringstream items(option);
        std::string item;
        while (std::getline(items, item, ','))
            if (!item.empty()) order.push_back(entryOf(selection, item));
    }
    return order;
}
