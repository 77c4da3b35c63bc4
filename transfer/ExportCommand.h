#pragma once
// The document's export command around the wizard: the default file name from the last
// export directory, the wizard, the checks of the chosen path, the remembered directory, the
// commit of the record being edited, then the export run.

#include "transfer/KxExporter.h"

#include <functional>

class KxSettings;

struct KxExportCommandHooks {
    // Runs the export wizard on the options and the selections (it edits the order of
    // `plain`); false when the user cancels. A wizard that cannot be shown raises
    // KxDbError::NoResources.
    std::function<bool(KxExportOptions&, KxExportSelections&)> wizard;
    // Writes the record being edited into the database.
    std::function<void()> commit;
};

// True when a file was written; false when the user cancelled or a check refused the path.
// Engine errors pass on.
bool kxRunExportCommand(const KxDatabase& db, KxUi& ui, KxSettings& settings,
                        const KxExportView& view, const KxExportCommandHooks& hooks,
                        std::uint32_t userId, std::uint32_t stamp);
