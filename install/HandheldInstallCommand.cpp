#include "install/HandheldInstallCommand.h"

#include "install/InstallStrings.h"
#include "app/KxDbDoc.h"
#include "install/KxInstallSchedule.h"

namespace {
KxInstallSchedule scheduleOf(KxDbDoc& doc) {
    return KxInstallSchedule(doc.settings(), doc.pathName());
}
} // namespace

bool kxSaveInstallOnHandheld(KxDbDoc& doc) {
    doc.beginCommand();
    KxInstallSchedule schedule = scheduleOf(doc);
    const auto chosen = doc.dialogs().runHandheldInstallDialog(doc, schedule.usersWithDatabase(true));
    if (!chosen) return false;
    schedule.schedule(*chosen);
    return true;
}

bool kxConfirmSchemaChange(KxDbDoc& doc) {
    if (!scheduleOf(doc).anyUserHasDatabase()) return true;
    return doc.ui().message(kxString(kxStrSyncBeforeSchemaChange), KxUi::kCaption, KxButtons::OkCancel,
                            KxIcon::Warning, KxAnswer::Cancel) != KxAnswer::Cancel;
}

void kxOfferReinstall(KxDbDoc& doc) {
    if (doc.installScheduled() || !scheduleOf(doc).anyUserHasDatabase()) return;
    const KxAnswer answer = doc.ui().message(kxString(kxStrScheduleReinstall), KxUi::kCaption,
                                             KxButtons::YesNo, KxIcon::Warning, KxAnswer::No);
    if (answer == KxAnswer::No) return;
    if (kxSaveInstallOnHandheld(doc)) doc.setInstallScheduled(true);
}
