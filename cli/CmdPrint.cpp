// rolva print FILE OUT.html [...]: fills a print template with the chosen fields of the
// records in range, as the Print Settings dialog does, and writes the HTML.

#include "cli/CliArgs.h"
#include "cli/CliEntryChoice.h"
#include "cli/CliPdf.h"
#include "cli/CliSession.h"
#include "cli/CliUi.h"
#include "platform/Cp1252.h"
#include "engine/KxDatabase.h"
#include "print/PrintStrings.h"
#include "platform/Paths.h"
#include "print/KxPrintSession.h"
#include "print/KxPrintSettings.h"
#include "print/KxReport.h"
#include "transfer/ExportPath.h"
#include "transfer/KxFieldSelection.h"
#include "cli/CliStrings.h"

#include <charconv>
#include <ostream>

namespace {

int rangeMode(const std::optional<std::string>& option, int stored) {
    if (!option) return stored >= 0 && stored <= 3 ? stored : 1;
    if (*option == "all") return 0;
    if (*option == "category") return 1;
    if (*option == "found") return 2;
    if (*option == "selected") return 3;
    throw CliUsageError(cliText(kxStrCliPrintRangeChoice));
}

int limit(const std::optional<std::string>& option) {
    if (!option) return -1;
    int n = 0;
    const char* end = option->data() + option->size();
    auto [ptr, ec] = std::from_chars(option->data(), end, n);
    if (ec != std::errc() || ptr != end || n < -1) throw CliUsageError(cliText(kxStrCliLimitNumber));
    return n;
}

int runPrint(CliContext& c) {
    CliArgs args(c.args, {"deleted", "yes"}, {"template", "title", "range", "limit", "fields"});
    args.expectPositional(2, 2);
    const std::string path = args.positional()[0];
    const std::string out = args.positional()[1];
    const bool pdf = cliIsPdfName(out);
    const std::string html = pdf ? cliPrintScratchPath() : out;
    if (html.empty()) throw CliUsageError(cliText(kxStrCliNoHtmlFolder));

    auto db = cliOpenForReading(path);
    const KxPrintSettings settings(*db);
    KxFieldSelection selection(*db, kxPrintSelectionOptions());
    selection.setOrder(cliChooseEntries(selection, args.all("fields")));
    if (selection.count() == 0) throw CliUsageError(cliText(kxStrCliNoPrintFields));

    const auto title = args.option("title");
    const std::string titleText = title ? cliToDatabaseText(*title) : settings.title();
    const int mode = rangeMode(args.option("range"), settings.range());
    const int records = limit(args.option("limit"));
    const bool deleted = args.flag("deleted");

    CliUi ui(c.err, args.flag("yes"));
    // Asked before anything is generated, as export asks: the database itself, a directory
    // or device, a read-only file or one another writer holds is never replaced.
    if (!kxConfirmOutputTarget(ui, out, path)) return 1;
    KxDatabaseHtmlReport report(ui, *db, selection,
                                {db->header().currentRecord(), db->header().currentCategory()});
    const auto box = ui.waitBox(kxString(kxStrGeneratingPrintout));
    // A template given as a path on the command line is the user's own choice; a name, given
    // or stored in the database, is looked up among the installed templates only.
    const auto given = args.option("template");
    int result = 0;
    if (given && given->find('/') != std::string::npos) {
        result = report.generate(box.get(), *given, html, titleText, mode, deleted, records);
    } else {
        const std::string name = given ? *given : kxToUtf8(settings.templateName());
        result = report.generateNamed(box.get(), name, kxTemplateDirectories(kxDirectoryOf(kxProgramPath())),
                                      html, titleText, mode, deleted, records);
    }
    if (result != 0) return 1;
    std::string error;
    if (pdf && !cliWritePdf(*db, html, out, titleText, error)) {
        c.err << cliText(kxStrCliCommandFailed, {"print", error}) << "\n";
        return 1;
    }
    c.out << cliText(kxStrCliPrinted, {out}) << "\n";
    return 0;
}

const CliRegistrar registrar({"print", kxStrCliSynopsisPrint, kxStrCliSummaryPrint, runPrint});

} // namespace
