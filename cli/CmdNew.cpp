// rolva new FILE --field SPEC ...: creates a database the way a new database gets its schema.

#include "cli/CliArgs.h"
#include "cli/CliSession.h"
#include "cli/FieldDescriptions.h"
#include "engine/KxDatabase.h"
#include "editors/KxSchemaBuilder.h"
#include "cli/CliStrings.h"

#include <ostream>
#include <sys/stat.h>

namespace {
// The New Database defaults: check boxes editable in the list, a read-only record view mode.
constexpr std::uint16_t kNewDatabaseAttributes = kAttrEditableCheckboxes | kAttrReadOnlyMode;

int runNew(CliContext& c) {
    CliArgs args(c.args, {"force"}, {"field"});
    args.expectPositional(1, 1);
    const std::string path = args.positional()[0];
    const auto specs = parseFieldSpecs(args.all("field"));
    struct stat st {};
    if (stat(path.c_str(), &st) == 0 && !args.flag("force"))
        throw CliUsageError(path + " exists (use --force to replace it)");
    // The new database is written beside any old file and replaces it only once complete;
    // a file another writer holds, a directory or a device is refused by the save.
    KxDatabase db;
    db.createUnsaved(path, kRolvaTypeTag, kOpenDocument, cliUserId());
    db.header().setModificationStamp(cliFreshStamp());
    kxBuildNewDatabaseSchema(db, specs, kNewDatabaseAttributes);
    cliSave(db);
    c.out << cliText(kxStrCliCreated, {path, std::to_string(specs.size())}) << "\n";
    return 0;
}
const CliRegistrar registrar({"new", kxStrCliSynopsisNew, kxStrCliSummaryNew, runNew});
} // namespace
