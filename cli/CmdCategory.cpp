// rolva category FILE --list | --add NAME | --rename OLD NEW | --delete NAME [--records]

#include "cli/CliArgs.h"
#include "cli/CliCategory.h"
#include "cli/CliSession.h"
#include "cli/CliUi.h"
#include "engine/KxDatabase.h"
#include "editors/KxCategoryEditing.h"
#include "cli/CliStrings.h"

#include <ostream>

namespace {
std::size_t namedSlot(const KxDatabase& db, const std::string& name, std::ostream& err) {
    const std::uint16_t slot = cliCategoryFilter(db, name, err);
    if (slot == 0 || slot == 255) throw CliUsageError(cliText(kxStrCliNotNamedCategory, {name}));
    return slot;
}

int runCategory(CliContext& c) {
    CliArgs args(c.args, {"list", "records", "yes"}, {"add", "rename", "delete"});
    const int actions = args.flag("list") + args.option("add").has_value() + args.option("rename").has_value() +
                        args.option("delete").has_value();
    if (actions != 1) throw CliUsageError(cliText(kxStrCliOneCategoryAction));
    if (args.flag("list")) {
        args.expectPositional(1, 1);
        auto db = cliOpenForReading(args.positional()[0]);
        CliUi ui(c.err);
        for (const auto& [slot, name] : KxCategoryEditing(*db, ui).list()) {
            std::size_t count = 0;
            for (std::size_t i = 0; i < db->liveCount(); ++i) count += db->liveCategory(i) == slot;
            c.out << slot << "\t" << cliFromDatabaseText(name) << "\t" << count << "\n";
        }
        return 0;
    }
    args.expectPositional(1, args.option("rename") ? 2 : 1);
    auto db = cliOpenForWriting(args.positional()[0]);
    CliUi ui(c.err, args.flag("yes"));
    KxCategoryEditing editing(*db, ui);
    bool done = false;
    if (const auto added = args.option("add")) {
        done = editing.add(cliCategoryText(*added, c.err)).has_value();
    } else if (const auto old = args.option("rename")) {
        if (args.positional().size() != 2) throw CliUsageError(cliText(kxStrCliRenameUsage));
        done = editing.rename(namedSlot(*db, *old, c.err), cliCategoryText(args.positional()[1], c.err)).has_value();
    } else if (const auto doomed = args.option("delete")) {
        done = editing.remove(namedSlot(*db, *doomed, c.err), args.flag("records"));
    }
    if (!done) return 1;
    cliSaveChanged(*db);
    return 0;
}
const CliRegistrar registrar({"category", kxStrCliSynopsisCategory, kxStrCliSummaryCategory, runCategory});
} // namespace
