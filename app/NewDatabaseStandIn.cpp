#include "app/DocDialogs.h"

#include "KxStrings.h"
#include "app/DbDoc.h"
#include "app/DocFileRules.h"
#include "app/RememberedFolder.h"

// Until the New Database wizard is there, File New asks only where the database goes; the
// database starts without fields.
std::optional<KxNewDatabaseRequest> KxDocDialogs::runNewDatabaseWizard(KxDbDoc& doc) {
    const auto path = kxAskDatabaseFile(doc.ui(), doc.settings(), kxSettingLastNewDir,
                                        kxString(kxStrNewDatabaseTitle), false);
    if (!path) return std::nullopt;
    KxNewDatabaseRequest request;
    request.path = kxWithDatabaseExtension(*path);
    if (!kxIsValidDatabasePath(request.path)) {
        doc.ui().inform(kxInvalidDatabaseNameMessage());
        return std::nullopt;
    }
    return request;
}
