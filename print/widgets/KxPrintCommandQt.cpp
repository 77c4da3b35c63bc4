#include "print/widgets/KxPrintCommandQt.h"

#include "app/KxDbDoc.h"
#include "print/widgets/KxPageSetupStoreQt.h"
#include "print/widgets/KxPrintReportDlg.h"
#include "print/PrintCommand.h"

void kxRunPrintDialog(KxDbDoc& doc, QWidget* parent) {
    KxPageSetupStoreQt store;
    kxRunPrintCommand(doc, store, kxPrintPlaces(), [&](KxPrintSession& session) {
        KxPrintReportDlg dialog(parent, doc.ui(), session, store);
        dialog.exec();
    });
}
