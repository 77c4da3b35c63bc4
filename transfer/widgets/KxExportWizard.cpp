#include "transfer/widgets/KxExportWizard.h"

#include "app/widgets/KxWizard.h"
#include "transfer/widgets/KxExportPages.h"
#include "transfer/TransferStrings.h"
#include "views/widgets/KxQtText.h"

void kxBuildExportWizard(KxWizard& wizard, KxExportWizardState& state) {
    wizard.addPage([&state](QWidget* parent) { return new KxExportWhatPage(state, parent); });
    wizard.addPage([&state](QWidget* parent) { return new KxExportFilePage(state, parent); });
    wizard.addPage([&state](QWidget* parent) { return new KxExportFieldsPage(state, parent); });
}

bool kxRunExportWizard(QWidget* parent, KxUi& ui, const std::string& openDatabasePath, KxExportOptions& options,
                       KxExportSelections& selections) {
    KxExportWizardState state(ui, openDatabasePath, options, selections);
    KxWizard wizard(kxQtString(kxStrExportWizardTitle), ui, parent);
    kxBuildExportWizard(wizard, state);
    return wizard.exec() == QDialog::Accepted;
}
