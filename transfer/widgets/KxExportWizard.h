#pragma once
// The Export Wizard: "What do you want to export?", "File Type and Name" and "Specify Fields
// to Export", filling the export options and the order of the selection without default
// names.

#include "transfer/KxExporter.h"
#include "transfer/KxFieldChooserModel.h"

#include <string>

class KxUi;
class KxWizard;
class QWidget;

// What the pages share.
struct KxExportWizardState {
    KxExportWizardState(KxUi& u, std::string openPath, KxExportOptions& o, KxExportSelections& s)
        : ui(u), openDatabasePath(std::move(openPath)), options(o), selections(s),
          model(KxFieldChooserModel::forChooser(s.named)) {}
    KxUi& ui;
    std::string openDatabasePath;
    KxExportOptions& options;
    KxExportSelections& selections;
    KxFieldChooserModel model; // over the labels with default names, as they are shown
    bool fileTypeShown = false;
};

void kxBuildExportWizard(KxWizard& wizard, KxExportWizardState& state);

// Runs the wizard; false when cancelled.
bool kxRunExportWizard(QWidget* parent, KxUi& ui, const std::string& openDatabasePath, KxExportOptions& options,
                       KxExportSelections& selections);
