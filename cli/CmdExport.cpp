// rolva export FILE OUT [...]: writes the database, or part of it, to a comma- or
// tab-separated file or to a new database file, as the Export Wizard does.

#include "cli/CliArgs.h"
#include "cli/CliEntryChoice.h"
#include "cli/CliSession.h"
#include "cli/CliUi.h"
#include "engine/KxDatabase.h"
#include "platform/NoCase.h"
#include "platform/Paths.h"
#include "transfer/ExportPath.h"
#include "transfer/KxExporter.h"
#include "cli/CliStrings.h"

#include <ostream>

namespace {

KxExportFileType fileType(const std::optional<std::string>& option, std::string_view out) {
    if (option) {
        if (*option == "csv") return KxExportFileType::Comma;
        if (*option == "tab") return KxExportFileType::Tab;
        if (*option == "rlv") return KxExportFileType::Database;
        throw CliUsageError(cliText(kxStrCliTypeChoice));
    }
    const std::string_view name = kxFileNameOf(out);
    const std::string_view stem = kxStripExtension(name);
    const std::string_view extension = name.substr(std::min(name.size(), stem.size() + 1));
    if (kxEqualNoCase(extension, "tab") || kxEqualNoCase(extension, "tsv")) return KxExportFileType::Tab;
    if (kxEqualNoCase(extension, "rlv")) return KxExportFileType::Database;
    return KxExportFileType::Comma;
}

KxExportWhat what(const std::optional<std::string>& option, KxExportView& view) {
    const std::string range = option.value_or("all");
    if (range == "all") return KxExportWhat::Entire;
    if (range == "category") return KxExportWhat::CategoryOrSearch;
    if (range == "found") {
        view.searchResults = true;
        return KxExportWhat::CategoryOrSearch;
    }
    if (range == "selected") return KxExportWhat::Selected;
    if (range == "structure") return KxExportWhat::StructureOnly;
    throw CliUsageError(cliText(kxStrCliExportRangeChoice));
}

KxTextEncoding encoding(const std::optional<std::string>& option) {
    const std::string name = option.value_or("utf-8");
    if (kxEqualNoCase(name, "utf-8") || kxEqualNoCase(name, "utf8")) return KxTextEncoding::Utf8;
    if (kxEqualNoCase(name, "cp1252") || kxEqualNoCase(name, "windows-1252")) return KxTextEncoding::Cp1252;
    throw CliUsageError(cliText(kxStrCliEncodingChoice));
}

int runExport(CliContext& c) {
    CliArgs args(c.args, {"no-labels", "deleted", "yes"}, {"type", "range", "fields", "encoding"});
    args.expectPositional(2, 2);
    const std::string path = args.positional()[0];
    const std::string out = args.positional()[1];

    KxExportOptions options;
    options.type = fileType(args.option("type"), out);
    options.fieldLabels = !args.flag("no-labels");
    options.encoding = encoding(args.option("encoding"));
    KxExportView view;
    options.what = what(args.option("range"), view);
    view.deletedRecords = args.flag("deleted");

    auto db = cliOpenForReading(path);
    view.currentRecord = db->header().currentRecord();
    view.category = db->header().currentCategory();
    KxExportSelections selections(*db);
    selections.plain.setOrder(cliChooseEntries(selections.named, args.all("fields")));

    CliUi ui(c.err, args.flag("yes"));
    const auto target = kxConfirmExportTarget(ui, out, options.type, path);
    if (!target) return 1;
    options.path = *target;

    KxExporter exporter(*db, ui);
    if (options.type == KxExportFileType::Database) exporter.setNewDatabaseIdentity(cliUserId(), cliFreshStamp());
    if (!exporter.run(options, selections, view)) return 1;
    c.out << cliText(kxStrCliExported, {std::to_string(exporter.recordCount()), options.path}) << "\n";
    return 0;
}

const CliRegistrar registrar({"export", kxStrCliSynopsisExport, kxStrCliSummaryExport, runExport});

} // namespace
