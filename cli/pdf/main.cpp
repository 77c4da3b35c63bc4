#include "cli/pdf/PdfProgram.h"

#include "engine/KxLocale.h"
#include "platform/AtomicFile.h"
#include "platform/FileSizeSignal.h"
#include "platform/ProcessLocale.h"
#include "print/KxPrintSettings.h"
#include "print/render/PdfOutput.h"

#include <clocale>
#include <cstdio>
#include <string>
#include <string_view>

int main(int argc, char** argv) {
    kxIgnoreFileSizeSignal();
    if (argc != kxPdfProgramArguments + 1) {
        std::fprintf(stderr, "usage: %s HTML PDF TITLE HEADER FOOTER TOP BOTTOM LEFT RIGHT\n", kxPdfProgramName);
        return kxPdfUsage;
    }
    std::setlocale(LC_ALL, "");
    kxSetLocale(kxReadProcessLocale());
    const std::string html = argv[1];
    const std::string pdf = argv[2];
    const std::string title = argv[3];
    const KxPageSetup setup{argv[4], argv[5], argv[6], argv[7], argv[8], argv[9]};

    kxEnsureGuiApplication();
    const auto pages = KxPrintPages::fromFile(html, setup, title);
    const auto bytes = pages ? kxRenderPdf(*pages, KxPaperChoice::localeDefault()) : std::nullopt;
    if (!bytes) return kxPdfNotLaidOut;
    const std::string_view data(bytes->constData(), static_cast<std::size_t>(bytes->size()));
    return kxWriteFileAtomically(pdf, data) ? kxPdfWritten : kxPdfNotWritten;
}
