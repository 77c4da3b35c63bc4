#include "app/KxPreferences.h"

KxPreferences kxReadPreferences(const KxSettings& settings) {
    return {settings.read(kxSettingShowToolTips) != 0, settings.read(kxSettingAllowCopyHHtoPC) != 0};
}

void kxWritePreferences(KxSettings& settings, const KxPreferences& preferences) {
    settings.write(kxSettingShowToolTips, preferences.showToolTips ? 1 : 0);
    settings.write(kxSettingAllowCopyHHtoPC, preferences.allowCopyHandheldToPc ? 1 : 0);
}
