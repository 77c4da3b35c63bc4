#include "editors/KxDocDialogsQt.h"

#include "KxDatabase.h"
#include "app/DbDoc.h"
#include "app/DisplayModes.h"
#include "app/KxRecordInfoDialog.h"
#include "app/KxSearchDialog.h"
#include "editors/KxListOptionsDialog.h"

std::optional<std::vector<KxListOptionsColumn>> KxDocDialogsQt::runListOptionsDialog(KxDbDoc& doc) {
    const KxDatabase& db = doc.database();
    KxListOptionsDialog dialog(parent_, db.header(),
                               kxListOptionsColumnsOf(db, KxDisplayModes(doc).listSetInForce()));
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.columns();
}

KxSearchDialogResult KxDocDialogsQt::runSearchDialog(KxDbDoc& doc, std::size_t search) {
    // List O&ptions... in the search dialog makes a list options set of the search's own.
    auto listOptions = [this](KxDbDoc& d) -> std::optional<std::uint8_t> {
        KxDatabase& db = d.database();
        KxListOptionsDialog dialog(parent_, db.header(),
                                   kxListOptionsColumnsOf(db, KxDisplayModes(d).listSetInForce()));
        if (dialog.exec() != QDialog::Accepted) return std::nullopt;
        std::vector<KxListOptionsColumn> used;
        for (const KxListOptionsColumn& column : dialog.columns())
            if (column.field != kNoField) used.push_back(column);
        if (used.empty()) return std::nullopt;
        const std::size_t set = kxApplyListOptions(db, used, true);
        d.setModified();
        return static_cast<std::uint8_t>(set);
    };
    return kxRunSearchDialog(doc, search, parent_, listOptions);
}

void KxDocDialogsQt::runRecordInfoDialog(const KxRecordInfo& info) { kxRunRecordInfoDialog(info, parent_); }
