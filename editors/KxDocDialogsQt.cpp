#include "editors/KxDocDialogsQt.h"

#include "KxDatabase.h"
#include "app/DbDoc.h"
#include "app/DisplayModes.h"
#include "editors/KxListOptionsDialog.h"

std::optional<std::vector<KxListOptionsColumn>> KxDocDialogsQt::runListOptionsDialog(KxDbDoc& doc) {
    const KxDatabase& db = doc.database();
    KxListOptionsDialog dialog(parent_, db.header(),
                               kxListOptionsColumnsOf(db, KxDisplayModes(doc).listSetInForce()));
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.columns();
}
