// rolva list FILE [--category NAME|all] [--deleted] [--found] [--all-fields] [--json]

#include "cli/CliArgs.h"
#include "cli/CliStrings.h"
#include "cli/CliCategory.h"
#include "cli/CliSession.h"
#include "engine/KxDatabase.h"
#include "cli/RecordTable.h"

namespace {
int runList(CliContext& c) {
    CliArgs args(c.args, {"deleted", "found", "all-fields", "json"}, {"category"});
    args.expectPositional(1, 1);
    auto db = cliOpenForReading(args.positional()[0]);
    CliRecordSelection selection;
    selection.deleted = args.flag("deleted");
    selection.foundOnly = args.flag("found");
    selection.allFields = args.flag("all-fields");
    if (auto name = args.option("category")) selection.category = cliCategoryFilter(*db, *name, c.err);
    cliPrintRecords(*db, selection, args.flag("json"), c.out);
    return 0;
}
const CliRegistrar registrar({"list", kxStrCliSynopsisList, kxStrCliSummaryList, runList});
} // namespace
