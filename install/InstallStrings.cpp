#include "install/InstallStrings.h"

const KxStringTable& kxInstallStrings() {
    static const KxStringTable strings = {
        {kxStrHandheldInstallTitle, "Handheld Installation"},
        {kxStrHandheldInstallAlert,
         "Alert!  This command installs or replaces a database on the handheld.  You will lose all "
         "changes made to an existing handheld database."},
        {kxStrHandheldInstallSyncNote,
         "If you want to synchronize changes made on the handheld with those made on the desktop, "
         "then make sure your handheld is not checked in the list above and simply do a sync."},
        {kxStrHandheldInstallPrompt, "&On which handheld devices do you want to install this database?"},
        {kxStrSyncBeforeSchemaChange,
         "If you make a change or edit to this attribute of the database you can no longer "
         "synchronize with copies of the database on any other device.  We recommend that you "
         "synchronize all devices before making any change."},
        {kxStrScheduleReinstall,
         "Now that your changes are complete, you need to reinstall this database on your "
         "handheld(s).  Would you like to schedule a reinstallation for your next sync?"},
    };
    return strings;
}
