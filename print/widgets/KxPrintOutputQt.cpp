#include "print/widgets/KxPrintOutputQt.h"

#include "base/KxUi.h"
#include "print/PrintableHtml.h"
#include "print/render/PdfOutput.h"

#include "platform/AtomicFile.h"
#include "platform/Cp1252.h"
#include "print/PrintStrings.h"
#include "transfer/TransferStrings.h"

#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include <filesystem>

namespace {

// The pages go on the paper the user chose, with no margins of the printer's own: the page
// setup's margins are laid out by the pages themselves.
void preparePrinter(QPrinter& printer, const KxPaperChoice& paper) {
    printer.setFullPage(true);
    KxPrintPages::preparePaper(printer, paper);
}

// The pages' progress on a progress box: nothing done while they are laid out.
KxPrintPages::Progress onBox(KxWaitBox& box) {
    return [&box](int page, int count) {
        box.setProgress(static_cast<std::uint64_t>(page > 0 ? page - 1 : 0), static_cast<std::uint64_t>(count));
        return box.cancelled();
    };
}

bool sameFile(const std::string& a, const std::string& b) {
    std::error_code error;
    return !b.empty() && std::filesystem::equivalent(a, b, error);
}

// A PDF file name from the title; "Printout.pdf" when the title gives none.
std::string proposedName(const std::string& title) {
    std::string name;
    for (const char c : kxToUtf8(title))
        if (c != '/' && c != '\\' && static_cast<unsigned char>(c) >= 0x20) name += c;
    return (name.empty() ? kxString(kxStrPrintoutName) : name) + ".pdf";
}

} // namespace

bool kxPrintPagesOnPrinter(QWidget* parent, KxUi& ui, KxPrintPages& pages, const KxPaperChoice& paper) {
    QPrinter printer(QPrinter::HighResolution);
    preparePrinter(printer, paper);
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() != QDialog::Accepted) return false;
    const auto box = ui.waitBox(kxString(kxStrPrinting));
    const int printed = pages.paint(printer, onBox(*box));
    if (printed < 0) printer.abort();
    return printed >= 0;
}

void kxPreviewPages(QWidget* parent, KxPrintPages& pages, const KxPaperChoice& paper) {
    QPrinter printer(QPrinter::HighResolution);
    preparePrinter(printer, paper);
    QPrintPreviewDialog preview(&printer, parent);
    preview.setObjectName(QStringLiteral("printPreview"));
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&pages](QPrinter* target) { pages.paint(*target); });
    preview.exec();
}

bool kxSavePagesAsPdf(KxUi& ui, KxPrintPages& pages, const KxPaperChoice& paper, const std::string& title,
                      const std::string& databasePath) {
    KxFileDialogRequest request;
    request.title = kxString(kxStrSavePdfTitle);
    request.fileName = proposedName(title);
    request.filter = kxString(kxStrPdfFilter);
    request.defaultSuffix = "pdf";
    const auto path = ui.saveFileName(request);
    if (!path) return false;
    if (sameFile(*path, databasePath)) {
        ui.inform(kxString(kxStrTargetIsOpenDatabase, kxFromUtf8(*path)));
        return false;
    }
    std::optional<QByteArray> bytes;
    {
        const auto box = ui.waitBox(kxString(kxStrPrinting));
        bytes = kxRenderPdf(pages, paper, onBox(*box));
    }
    if (!bytes) return false; // cancelled
    if (!kxWriteFileAtomically(*path, std::string_view(bytes->constData(), static_cast<std::size_t>(bytes->size())))) {
        ui.inform(kxString(kxStrCannotWritePdf, kxFromUtf8(*path)));
        return false;
    }
    return true;
}

void kxOpenOutputInBrowser(KxUi& ui, const std::string& outputPath) {
    const KxFileContent content = kxReadWholeFile(outputPath, std::size_t{64} << 20);
    if (content.status == KxReadStatus::Ok)
        kxWriteFileAtomically(outputPath, kxWithCheckMarkGlyphs(content.bytes));
    ui.openWithDesktop(outputPath);
}
