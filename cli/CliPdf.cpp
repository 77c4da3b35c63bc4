#include "cli/CliPdf.h"

#include "cli/CliStrings.h"

#include "platform/AtomicFile.h"
#include "print/KxPrintSession.h"
#include "print/KxPrintSettings.h"
#include "print/UserPrintSetup.h"
#include "print/render/PdfOutput.h"

#include "engine/KxDatabase.h"

#include <algorithm>
#include <cctype>

bool cliIsPdfName(const std::string& path) {
    constexpr std::string_view suffix = ".pdf";
    if (path.size() <= suffix.size()) return false;
    return std::equal(suffix.begin(), suffix.end(), path.end() - static_cast<long>(suffix.size()),
                      [](char a, char b) { return a == std::tolower(static_cast<unsigned char>(b)); });
}

std::string cliPrintScratchPath() { return kxPrintPlaces().outputPath; }

bool cliWritePdf(const KxDatabase& db, const std::string& htmlPath, const std::string& pdfPath,
                 const std::string& title, std::string& error) {
    kxEnsureGuiApplication();
    // The database's page setup; margins it does not hold are a new user's.
    const KxPageSetup setup = KxPrintSettings(const_cast<KxDatabase&>(db)).pageSetup(kxDefaultUserPageSetup());
    const auto pages = KxPrintPages::fromFile(htmlPath, setup, title);
    const auto bytes = pages ? kxRenderPdf(*pages, KxPaperChoice::localeDefault()) : std::nullopt;
    if (!bytes) {
        error = cliText(kxStrCliPdfNotLaidOut);
        return false;
    }
    if (!kxWriteFileAtomically(pdfPath, std::string_view(bytes->constData(), static_cast<std::size_t>(bytes->size())))) {
        error = cliText(kxStrCliPdfNotWritten, {pdfPath});
        return false;
    }
    return true;
}
