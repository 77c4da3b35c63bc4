#pragma once
// File > Print: the record being edited is committed, and the print settings dialog opens
// on what the list shows (search results, deleted records or the records of a category).

#include "print/KxPrintSession.h"

#include <functional>

class KxDbDoc;
class KxPageSetupStore;

// The view mode and what the list shows, taken from the document.
KxPrintViewMode kxPrintViewMode(const KxDbDoc& doc);
KxReportView kxPrintReportView(const KxDbDoc& doc);

// Runs the command: `dialog` shows the Print Settings dialog on the session. The document is
// marked modified when closing the dialog changed the print settings in the database.
void kxRunPrintCommand(KxDbDoc& doc, KxPageSetupStore& userSetup, const KxPrintPlaces& places,
                       const std::function<void(KxPrintSession&)>& dialog);
