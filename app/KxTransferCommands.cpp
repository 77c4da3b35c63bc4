#include "app/KxTransferCommands.h"

#include "app/KxDbDoc.h"
#include "transfer/ExportCommand.h"
#include "transfer/ImportCommand.h"

bool KxTransferCommands::importFile() {
    if (!doc_.isOpen()) return false;
    KxImportCommandHooks hooks;
    hooks.wizard = [this](const KxFieldSelection& selection, const std::string& lastImportDir) {
        return doc_.dialogs().runImportWizard(doc_, selection, lastImportDir);
    };
    hooks.commit = [this] { doc_.commitEdits(); };
    hooks.changing = [this] { doc_.setModified(); };
    const KxImportCommandResult outcome =
        kxRunImportCommand(doc_.database(), doc_.ui(), doc_.settings(), doc_.categoryFilter(), hooks);
    if (!outcome.ran) return false;
    doc_.updateAllViews(KxViewHint::All);
    return true;
}

bool KxTransferCommands::exportFile() {
    if (!doc_.isOpen()) return false;
    KxExportView view;
    view.currentRecord = doc_.currentRecord();
    view.category = doc_.categoryFilter();
    view.searchResults = doc_.searchMode();
    view.deletedRecords = doc_.deletedMode();
    KxExportCommandHooks hooks;
    hooks.wizard = [this](KxExportOptions& options, KxExportSelections& selections) {
        return doc_.dialogs().runExportWizard(doc_, options, selections);
    };
    hooks.commit = [this] { doc_.commitEdits(); };
    return kxRunExportCommand(doc_.database(), doc_.ui(), doc_.settings(), view, hooks, doc_.storedUserId(),
                              doc_.freshStamp());
}
