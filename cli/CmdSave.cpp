// rolva save FILE [--as NEWFILE]: writes the database again, as Save or Save As does.

#include "cli/CliArgs.h"
#include "cli/CliSession.h"
#include "engine/KxDatabase.h"
#include "cli/CliStrings.h"

#include <ostream>

namespace {
int runSave(CliContext& c) {
    CliArgs args(c.args, {}, {"as"});
    args.expectPositional(1, 1);
    auto db = cliOpenForWriting(args.positional()[0]);
    const auto target = args.option("as");
    cliSave(*db, target);
    c.out << cliText(kxStrCliSaved, {db->fileName()}) << "\n";
    return 0;
}
const CliRegistrar registrar({"save", kxStrCliSynopsisSave, kxStrCliSummarySave, runSave});
} // namespace
