#pragma once
// Where a generated printout goes from the Print Settings dialog: the printer (through the
// system's print dialog), the print preview, a PDF file, or the desktop's web browser.

#include "print/render/PrintPages.h"

#include <string>

class KxUi;
class QWidget;

// Shows the print dialog and prints page by page under a progress box with Cancel. True
// when the pages went to the printer.
bool kxPrintPagesOnPrinter(QWidget* parent, KxUi& ui, KxPrintPages& pages, const KxPaperChoice& paper);
void kxPreviewPages(QWidget* parent, KxPrintPages& pages, const KxPaperChoice& paper);
// Asks for a file name and writes the pages as PDF; the open database is never the target.
// `title` (database text) proposes the name.
bool kxSavePagesAsPdf(KxUi& ui, KxPrintPages& pages, const KxPaperChoice& paper, const std::string& title,
                      const std::string& databasePath);
// Hands the generated HTML, its check boxes made readable, to the desktop.
void kxOpenOutputInBrowser(KxUi& ui, const std::string& outputPath);
