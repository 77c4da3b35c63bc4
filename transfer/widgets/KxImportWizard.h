#pragma once
// The Import Wizard: "File Type and Name" loads the source, "Specify Fields to Import" lines
// its columns up with the database's fields.

#include "transfer/ImportCommand.h"

#include <QString>

#include <optional>
#include <string>

class KxDatabase;
class KxUi;
class QWidget;
class KxWizard;

// What the two pages share.
struct KxImportWizardState {
    KxImportWizardState(KxUi& u, const KxDatabase& d, const KxFieldSelection& s, std::string lastDir)
        : ui(u), db(d), selection(s), lastImportDir(std::move(lastDir)) {}
    KxUi& ui;
    const KxDatabase& db;
    const KxFieldSelection& selection;
    std::string lastImportDir;
    KxImportType type = KxImportType::Comma;
    std::string path;                   // the name box (file system path)
    std::unique_ptr<KxImporter> source; // loaded by the first page's Next
    int sourceGeneration = 0;           // grows with every source loaded
    std::vector<std::uint8_t> order;    // set on Finish
    bool firstRowLabels = false;
};

// Builds the wizard over the state (for tests, which drive it without exec).
void kxBuildImportWizard(KxWizard& wizard, KxImportWizardState& state);

// Runs the wizard; none when cancelled.
std::optional<KxImportChoice> kxRunImportWizard(QWidget* parent, KxUi& ui, const KxDatabase& db,
                                                const KxFieldSelection& selection, const std::string& lastImportDir);

// The choice the finished wizard's state hands back.
KxImportChoice kxImportChoiceOf(KxImportWizardState& state);
