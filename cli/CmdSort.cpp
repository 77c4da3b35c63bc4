// rolva sort FILE --by FIELD[:asc|:desc] ...: the List Options dialog's sort, then saved.

#include "cli/CliArgs.h"
#include "cli/CliCategory.h"
#include "cli/CliSession.h"
#include "cli/FieldRef.h"
#include "engine/KxDatabase.h"
#include "engine/Sort.h"
#include "cli/CliStrings.h"

#include <ostream>

namespace {
constexpr std::size_t kMaxColumns = 5; // the List Options dialog's five columns

int runSort(CliContext& c) {
    CliArgs args(c.args, {}, {"by"});
    args.expectPositional(1, 1);
    const auto by = args.all("by");
    if (by.empty()) throw CliUsageError(cliText(kxStrCliSortUsage));
    if (by.size() > kMaxColumns) throw CliUsageError(cliText(kxStrCliTooManySortColumns));
    auto db = cliOpenForWriting(args.positional()[0]);
    std::vector<KxListOptionsColumn> columns;
    for (const auto& spec : by) {
        std::string field = spec;
        KxSortDirection direction = KxSortDirection::Ascending;
        if (const auto colon = spec.rfind(':'); colon != std::string::npos) {
            const std::string suffix = spec.substr(colon + 1);
            if (suffix == "asc" || suffix == "desc") {
                direction = suffix == "asc" ? KxSortDirection::Ascending : KxSortDirection::Descending;
                field = spec.substr(0, colon);
            }
        }
        const std::size_t position = cliResolveField(db->header(), field);
        if (db->header().fields[position].type == KxFieldType::LabelOnly)
            throw CliUsageError(cliText(kxStrCliLabelOnlySort));
        columns.push_back({static_cast<std::uint8_t>(position), direction});
    }
    if (db->header().listSets.empty()) throw CliUsageError(cliText(kxStrCliNoListOptions));
    kxApplyListOptions(*db, columns, false);
    kxSortRecords(*db);
    cliSaveChanged(*db);
    c.out << cliText(kxStrCliSorted, {std::to_string(db->liveCount())}) << "\n";
    return 0;
}
const CliRegistrar registrar({"sort", kxStrCliSynopsisSort, kxStrCliSummarySort, runSort});
} // namespace
