#include "print/KxPrintCommandQt.h"

#include "app/DbDoc.h"
#include "print/KxPageSetupStoreQt.h"
#include "print/KxPrintReportDialog.h"
#include "print/PrintCommand.h"

void kxRunPrintDialog(KxDbDoc& doc, QWidget* parent) {
    KxPageSetupStoreQt store;
    kxRunPrintCommand(doc, store, kxPrintPlaces(), [&](KxPrintSession& session) {
        KxPrintReportDlg dialog(parent, doc.ui(), session, store);
        dialog.exec();
    });
}
