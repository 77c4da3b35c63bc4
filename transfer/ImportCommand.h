#pragma once
// The document's import command around the wizard: the refusal without fields, the commit of
// the record being edited, the selection the columns go to, the wizard, the remembered
// directory, then the import run, whose records stay when it fails.

#include "transfer/ImportRun.h"
#include "transfer/KxImporter.h"

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class KxSettings;

// What the Import Wizard decided.
struct KxImportChoice {
    std::unique_ptr<KxImporter> source; // loaded
    std::string path;                   // the source file (file system path)
    std::vector<std::uint8_t> order;    // per column: the selection entry, 255 not imported
    bool firstRowLabels = false;        // the first row holds field labels and is not imported
};

struct KxImportCommandHooks {
    // Runs the Import Wizard over the selection; none when the user cancels. A wizard that
    // cannot be shown raises KxDbError::NoResources.
    std::function<std::optional<KxImportChoice>(const KxFieldSelection&, const std::string& lastImportDir)> wizard;
    // Writes the record being edited into the database.
    std::function<void()> commit;
    // The database is about to change (the document marks itself modified).
    std::function<void()> changing;
};

struct KxImportCommandResult {
    bool ran = false;          // the wizard was finished and the run started
    KxImportResult result;     // the run's result (records made before a failure too)
    std::uint32_t failure = 0; // the engine error that ended the run, shown to the user
};

// The selection's entries that are fields: all but the Category entry, which the import
// selection has while the list shows all categories.
std::size_t kxImportFieldEntries(const KxFieldSelection& selection, std::uint16_t listCategory);

// The import command. `listCategory` is the category the list shows (255 all). Engine errors
// of the run are shown and end it; the records made before stay.
KxImportCommandResult kxRunImportCommand(KxDatabase& db, KxUi& ui, KxSettings& settings, std::uint16_t listCategory,
                                         const KxImportCommandHooks& hooks, const KxImportOptions& options = {});
