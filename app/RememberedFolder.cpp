#include "app/RememberedFolder.h"

#include "app/AppStrings.h"
#include "platform/Paths.h"
#include "base/KxUi.h"

std::string kxDatabaseFileFilter() {
    return kxString(kxStrDatabaseFilter) + ";;" + kxString(kxStrAllFilesFilter);
}

std::optional<std::string> kxAskDatabaseFile(KxUi& ui, KxSettings& settings,
                                             const KxDirSetting& key, const std::string& title,
                                             bool open, const std::string& fileName) {
    KxFileDialogRequest request;
    request.title = title;
    request.directory = settings.read(key);
    request.fileName = fileName;
    request.filter = kxDatabaseFileFilter();
    request.defaultSuffix = "rlv";
    request.mustExist = open;
    auto chosen = open ? ui.openFileName(request) : ui.saveFileName(request);
    if (chosen && !chosen->empty()) settings.write(key, kxDirectoryOf(*chosen));
    return chosen;
}
