#include "transfer/widgets/KxImportWizard.h"

#include "app/widgets/KxWizard.h"
#include "transfer/widgets/KxImportFieldsPage.h"
#include "transfer/widgets/KxImportFilePage.h"
#include "transfer/TransferStrings.h"
#include "views/widgets/KxQtText.h"

void kxBuildImportWizard(KxWizard& wizard, KxImportWizardState& state) {
    wizard.addPage([&state](QWidget* parent) { return new KxImportFilePage(state, parent); });
    wizard.addPage([&state](QWidget* parent) { return new KxImportFieldsPage(state, parent); });
}

KxImportChoice kxImportChoiceOf(KxImportWizardState& state) {
    KxImportChoice choice;
    choice.source = std::move(state.source);
    choice.path = state.path;
    choice.order = state.order;
    choice.firstRowLabels = state.firstRowLabels;
    return choice;
}

std::optional<KxImportChoice> kxRunImportWizard(QWidget* parent, KxUi& ui, const KxDatabase& db,
                                                const KxFieldSelection& selection, const std::string& lastImportDir) {
    KxImportWizardState state{ui, db, selection, lastImportDir};
    KxWizard wizard(kxQtString(kxStrImportWizardTitle), ui, parent);
    kxBuildImportWizard(wizard, state);
    if (wizard.exec() != QDialog::Accepted) return std::nullopt;
    return kxImportChoiceOf(state);
}
