// rolva info FILE [--json]: everything the database file holds.

#include "cli/CliArgs.h"
#include "cli/CliStrings.h"
#include "cli/CliSession.h"
#include "cli/DatabaseInfo.h"
#include "engine/KxDatabase.h"

#include <ostream>

namespace {
int runInfo(CliContext& c) {
    CliArgs args(c.args, {"json"}, {});
    args.expectPositional(1, 1);
    auto db = cliOpenForReading(args.positional()[0]);
    const JsonValue info = describeDatabase(*db);
    if (args.flag("json")) {
        info.writeJson(c.out);
        c.out << "\n";
    } else {
        info.writeText(c.out);
    }
    return 0;
}
const CliRegistrar registrar({"info", kxStrCliSynopsisInfo, kxStrCliSummaryInfo, runInfo});
} // namespace
