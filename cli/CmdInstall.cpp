// rolva install FILE --user NAME ... | --list [--all]: the handheld installation schedule of a
// database, as the desktop program's Save/Install on Handheld writes and shows it.

#include "cli/CliArgs.h"
#include "cli/CliSession.h"
#include "engine/KxDatabase.h"
#include "platform/NoCase.h"
#include "install/HandheldNameFetch.h"
#include "install/KxInstallSchedule.h"
#include "cli/CliStrings.h"

#include <algorithm>
#include <filesystem>
#include <ostream>

namespace {
// The handheld user's name as the users' list spells it.
std::string knownUser(const std::vector<std::string>& known, const std::string& name) {
    const auto it = std::find_if(known.begin(), known.end(),
                                 [&](const std::string& k) { return kxEqualNoCase(k, name); });
    if (it == known.end()) throw CliUsageError(cliText(kxStrCliUnknownUser, {name}));
    return *it;
}

int runInstall(CliContext& c) {
    CliArgs args(c.args, {"list", "all"}, {"user"});
    args.expectPositional(1, 1);
    const std::vector<std::string> chosen = args.all("user");
    if (args.flag("list") == !chosen.empty()) throw CliUsageError(cliText(kxStrCliInstallUsage));
    if (args.flag("all") && !args.flag("list")) throw CliUsageError(cliText(kxStrCliAllWithList));

    const std::string path = std::filesystem::absolute(args.positional()[0]).lexically_normal().string();
    const std::string settingsPath = cliSettingsPath();
    KxInstallSchedule schedule{KxSettings(settingsPath), path};
    if (args.flag("list")) {
        for (const KxScheduledUser& user : schedule.users())
            if (user.pending || args.flag("all"))
                c.out << user.name << "\t" << kxString(user.pending ? kxStrCliPending : kxStrCliNotPending) << "\n";
        return 0;
    }
    cliOpenForReading(path); // only a database can be installed
    const std::vector<std::string> known = kxHandheldUserNames(KxHandheldUsersFile::forSettingsFile(settingsPath));
    std::vector<std::string> users;
    for (const std::string& name : chosen) users.push_back(knownUser(known, name));
    schedule.schedule(users);
    return 0;
}
const CliRegistrar registrar({"install", kxStrCliSynopsisInstall, kxStrCliSummaryInstall, runInstall});
} // namespace
