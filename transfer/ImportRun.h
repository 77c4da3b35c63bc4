#pragma once
// The import run: one new record per source row, each column's value converted to the type
// of the field it goes to, categories mapped, duplicates of records already in the database
// recognised, calculations evaluated, every record put at its sorted place, and what went
// wrong written to the error log.

#include "engine/KxDatabase.h"
#include "transfer/KxFieldSelection.h"

#include <cstdint>
#include <string>

class KxImporter;
class KxUi;

struct KxImportOptions {
    std::uint16_t listCategory = kAllCategories; // the category the list shows; 255 all
    std::string logPath;                         // empty: "log.txt" in the output directory
    bool offerLog = true; // ask whether to show a log with lines; false keeps it unasked
};

struct KxImportResult {
    std::size_t imported = 0; // records added
    std::size_t rowsDone = 0; // source rows dealt with before the run ended
    std::size_t skipped = 0;  // rows identical to a record already there
    bool cancelled = false;
    bool limitReached = false;
    std::size_t logLines = 0;
    std::string logPath;
    bool logKept = false;     // the log file is there after the run
};

// The selection the columns of an import go to: every field that is not Label Only, in form
// order, with default names, and the Category entry only while the list shows all categories.
KxFieldSelection::Options kxImportSelectionOptions(std::uint16_t listCategory);

// Runs the import of every row of an opened source. The selection's order names, for each
// column, the entry it goes to (255: not imported; columns past the order are not imported).
// An engine error ends the run after the records made so far are put in their places and
// the log is dealt with; it is then thrown on.
KxImportResult kxRunImport(KxDatabase& db, KxUi& ui, const KxImporter& source,
                           const KxFieldSelection& selection, const KxImportOptions& options);
