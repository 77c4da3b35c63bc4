// rolva check FILE: opens the database read-only and reports what it holds, or the error.

#include "cli/CliArgs.h"
#include "cli/CliSession.h"
#include "engine/KxDatabase.h"
#include "cli/CliStrings.h"

#include <ostream>

namespace {
int runCheck(CliContext& c) {
    CliArgs args(c.args, {}, {});
    args.expectPositional(1, 1);
    auto db = cliOpenForReading(args.positional()[0]);
    c.out << cliText(kxStrCliCheckOk, {std::to_string(db->liveCount()), std::to_string(db->deletedCount()),
                                       std::to_string(db->header().fields.size())})
          << "\n";
    return 0;
}
const CliRegistrar registrar({"check", kxStrCliSynopsisCheck, kxStrCliSummaryCheck, runCheck});
} // namespace
