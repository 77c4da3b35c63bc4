#include "cli/FieldRef.h"

#include "cli/CliArgs.h"
#include "engine/TextCollation.h"
#include "cli/CliStrings.h"

#include <charconv>

std::size_t cliResolveField(const KxHeaderChunk& header, const std::string& reference) {
    if (reference.size() > 1 && reference[0] == '#') {
        std::size_t n = 0;
        auto [ptr, ec] = std::from_chars(reference.data() + 1, reference.data() + reference.size(), n);
        if (ec == std::errc() && ptr == reference.data() + reference.size() && n >= 1 && n <= header.fields.size())
            return n - 1;
        throw CliUsageError(cliText(kxStrCliNoFieldNumber, {reference}));
    }
    const std::string label = cliToDatabaseText(reference);
    for (std::size_t p = 0; p < header.fields.size(); ++p)
        if (kxEqualTextNoCase(header.fields[p].label, label)) return p;
    throw CliUsageError(cliText(kxStrCliNoFieldNamed, {reference}));
}
