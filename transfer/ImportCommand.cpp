#include "transfer/ImportCommand.h"

#include "app/CommandFailure.h"
#include "base/KxUi.h"
#include "base/KxSettings.h"
#include "transfer/ImportHeaderRow.h"

#include "engine/KxDatabase.h"
#include "app/AppStrings.h"
#include "platform/Paths.h"

std::size_t kxImportFieldEntries(const KxFieldSelection& selection, std::uint16_t listCategory) {
    return selection.entryCount() - (listCategory == kAllCategories ? 1 : 0);
}

KxImportCommandResult kxRunImportCommand(KxDatabase& db, KxUi& ui, KxSettings& settings, std::uint16_t listCategory,
                                         const KxImportCommandHooks& hooks, const KxImportOptions& options) {
    KxImportCommandResult outcome;
    KxFieldSelection selection(db, kxImportSelectionOptions(listCategory));
    if (kxImportFieldEntries(selection, listCategory) == 0) {
        ui.inform(kxString(kxStrNoFormFields));
        return outcome;
    }
    if (hooks.commit) hooks.commit();

    if (!hooks.wizard) return outcome;
    std::optional<KxImportChoice> choice = hooks.wizard(selection, settings.read(kxSettingLastImportDir));
    if (!choice || !choice->source) return outcome;

    outcome.ran = true;
    if (hooks.changing) hooks.changing();
    settings.write(kxSettingLastImportDir, kxDirectoryOf(choice->path));
    selection.setOrder(choice->order);

    KxImportOptions runOptions = options;
    runOptions.listCategory = listCategory;
    const KxRowsAfterFirst afterLabels(*choice->source);
    const KxImporter& rows = choice->firstRowLabels ? static_cast<const KxImporter&>(afterLabels) : *choice->source;
    try {
        outcome.result = kxRunImport(db, ui, rows, selection, runOptions);
    } catch (KxDbError error) {
        // The records imported before the failure stay; the user learns what stopped it.
        outcome.failure = static_cast<std::uint32_t>(error);
        kxShowDbError(ui, outcome.failure);
    }
    return outcome;
}
