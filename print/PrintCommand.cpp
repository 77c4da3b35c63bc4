#include "print/PrintCommand.h"

#include "app/KxDbDoc.h"

KxPrintViewMode kxPrintViewMode(const KxDbDoc& doc) {
    if (doc.searchMode()) return KxPrintViewMode::SearchResults;
    if (doc.deletedMode()) return KxPrintViewMode::DeletedRecords;
    return KxPrintViewMode::Records;
}

KxReportView kxPrintReportView(const KxDbDoc& doc) {
    return {doc.currentRecord(), doc.categoryFilter()};
}

void kxRunPrintCommand(KxDbDoc& doc, KxPageSetupStore& userSetup, const KxPrintPlaces& places,
                       const std::function<void(KxPrintSession&)>& dialog) {
    if (!doc.isOpen()) return;
    doc.commitEdits();
    KxPrintSession session(doc.ui(), doc.database(), userSetup, kxPrintViewMode(doc), kxPrintReportView(doc),
                           places);
    dialog(session);
    if (session.close()) doc.setModified(true);
}
