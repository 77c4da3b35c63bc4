// rolva import FILE SRC [--type csv|tab|rlv] [--order N,N,...] [--category NAME]: adds the
// rows of a delimited file or another database as new records, as the Import Wizard does.

#include "cli/CliArgs.h"
#include "cli/CliCategory.h"
#include "cli/CliSession.h"
#include "cli/CliUi.h"
#include "engine/KxDatabase.h"
#include "app/AppStrings.h"
#include "transfer/ImportCommand.h"
#include "transfer/ImportHeaderRow.h"
#include "transfer/ImportRun.h"
#include "transfer/KxImporter.h"
#include "cli/CliStrings.h"

#include <algorithm>
#include <ostream>
#include <sstream>

namespace {

KxImportType importType(const std::optional<std::string>& option, const std::string& sourcePath) {
    if (!option) return kxImportTypeForPath(sourcePath, KxImportType::Comma);
    if (*option == "csv") return KxImportType::Comma;
    if (*option == "tab") return KxImportType::Tab;
    if (*option == "rlv") return KxImportType::Database;
    throw CliUsageError(cliText(kxStrCliTypeChoice));
}

// "N,N,...": for each column the selection entry it goes to, 255 or "-" for a column that is
// not imported; each entry at most once, as the wizard's field list gives it.
std::vector<std::uint8_t> parseOrder(const std::string& text, std::size_t entryCount) {
    std::vector<std::uint8_t> order;
    std::istringstream items(text);
    std::string item;
    while (std::getline(items, item, ',')) {
        if (item == "-" || item == "255") {
            order.push_back(KxFieldSelection::kSkipped);
            continue;
        }
        const bool digits = !item.empty() && item.size() <= 3 &&
                            std::all_of(item.begin(), item.end(), [](char c) { return c >= '0' && c <= '9'; });
        const std::size_t entry = digits ? std::stoul(item) : entryCount;
        if (entry >= entryCount)
            throw CliUsageError(cliText(kxStrCliOrderNoEntry, {item, std::to_string(entryCount - 1)}));
        if (std::find(order.begin(), order.end(), entry) != order.end())
            throw CliUsageError(cliText(kxStrCliOrderTwice, {item}));
        order.push_back(static_cast<std::uint8_t>(entry));
    }
    if (order.empty()) throw CliUsageError(cliText(kxStrCliOrderEmpty));
    return order;
}

// --header yes|no|auto: whether the first row holds field labels; auto when every value of
// it is a field's label.
bool firstRowHoldsLabels(const std::optional<std::string>& option, const KxImporter& source, const KxDatabase& db) {
    const std::string choice = option.value_or("auto");
    if (choice == "yes") return true;
    if (choice == "no") return false;
    if (choice == "auto") return kxFirstRowHoldsLabels(source, db);
    throw CliUsageError(cliText(kxStrCliHeaderChoice));
}

// Whether the import left anything to save: records, or categories it made.
struct Snapshot {
    explicit Snapshot(const KxDatabase& db)
        : records(db.liveCount()), categories(db.fileHeader().namedCategoryMask()) {}
    bool operator==(const Snapshot&) const = default;
    std::size_t records;
    std::uint16_t categories;
};

int runImport(CliContext& c) {
    CliArgs args(c.args, {}, {"type", "order", "category", "header"});
    args.expectPositional(2, 2);
    const std::string path = args.positional()[0];
    const std::string& sourcePath = args.positional()[1];
    const KxImportType type = importType(args.option("type"), sourcePath);

    auto db = cliOpenForWriting(path);
    CliUi ui(c.err);
    const auto category = args.option("category");
    const std::uint16_t listCategory = category ? cliCategoryFilter(*db, *category, c.err) : kAllCategories;
    KxFieldSelection selection(*db, kxImportSelectionOptions(listCategory));
    if (kxImportFieldEntries(selection, listCategory) == 0) {
        ui.inform(kxString(kxStrNoFormFields));
        return 1;
    }
    const auto order = args.option("order");
    if (order) selection.setOrder(parseOrder(*order, selection.entryCount()));

    std::string source = sourcePath;
    const auto loaded = kxLoadImportSource(ui, source, type, "", true);
    if (!loaded) return 1;
    // A first row of labels is left out; without --order the columns go to the fields of
    // their labels.
    const bool labels = firstRowHoldsLabels(args.option("header"), *loaded, *db);
    if (labels && !order) selection.setOrder(kxOrderByLabels(*loaded, selection));
    const KxRowsAfterFirst afterLabels(*loaded);
    const KxImporter* importer = labels ? static_cast<const KxImporter*>(&afterLabels) : loaded.get();

    KxImportOptions options;
    options.listCategory = listCategory;
    options.logPath = path + ".import.log";
    options.offerLog = false;
    const Snapshot before(*db);
    KxImportResult result;
    try {
        result = kxRunImport(*db, ui, *importer, selection, options);
    } catch (KxDbError) {
        // Records imported before the failure stay, as they do in the desktop program.
        if (!(Snapshot(*db) == before)) cliSaveChanged(*db);
        throw;
    }
    if (!(Snapshot(*db) == before)) cliSaveChanged(*db);

    c.out << cliText(kxStrCliImported, {std::to_string(result.imported), std::to_string(importer->rowCount())});
    if (result.skipped > 0) c.out << cliText(kxStrCliSkipped, {std::to_string(result.skipped)});
    c.out << "\n";
    if (result.logKept) c.out << cliText(kxStrCliLogKept, {result.logPath}) << "\n";
    // The rows after the limit were not imported: a partial import, and so a failure.
    if (result.limitReached) {
        ui.inform(kxString(kxStrRecordLimit, std::to_string(KxDatabase::kMaxRecords)));
        return 1;
    }
    return 0;
}

const CliRegistrar registrar({"import", kxStrCliSynopsisImport, kxStrCliSummaryImport, runImport});

} // namespace
