#include "app/KxDocDialogsQt.h"

#include "KxDbError.h"
#include "app/KxRecordInfoDialog.h"
#include "app/KxSearchDialog.h"

#include <new>

KxSearchDialogResult KxDocDialogsQt::runSearchDialog(KxDbDoc& doc, std::size_t search) {
    KxSearchDialog dialog(doc, search, parent_);
    if (searchListOptions_) dialog.setListOptionsRunner(searchListOptions_);
    dialog.exec();
    return dialog.result();
}

void KxDocDialogsQt::runRecordInfoDialog(const KxRecordInfo& info) {
    try {
        KxRecordInfoDialog dialog(info, parent_);
        dialog.exec();
    } catch (const std::bad_alloc&) {
        throw KxDbError::NoResources;
    }
}
