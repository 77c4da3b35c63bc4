#include "transfer/ExportCommand.h"

#include "base/KxSettings.h"
#include "transfer/ExportPath.h"

#include "engine/KxDatabase.h"
#include "platform/Paths.h"

bool kxRunExportCommand(const KxDatabase& db, KxUi& ui, KxSettings& settings,
                        const KxExportView& view, const KxExportCommandHooks& hooks,
                        std::uint32_t userId, std::uint32_t stamp) {
    KxExportSelections selections(db);
    KxExportOptions options;
    options.path = kxDefaultExportPath(settings.read(kxSettingLastExportDir), db.fileName());
    if (!hooks.wizard || !hooks.wizard(options, selections)) return false;
    // The wizard checked the path when the user left its page; the file system may have
    // changed since.
    if (!kxCheckExportPath(ui, options.path)) return false;
    settings.write(kxSettingLastExportDir, kxDirectoryOf(options.path));
    if (hooks.commit) hooks.commit();

    KxExporter exporter(db, ui);
    exporter.setNewDatabaseIdentity(userId, stamp);
    return exporter.run(options, selections, view);
}
