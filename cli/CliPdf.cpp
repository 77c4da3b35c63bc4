#include "cli/CliPdf.h"

#include "cli/CliStrings.h"
#include "cli/pdf/PdfProgram.h"

#include "platform/ChildProcess.h"
#include "platform/Paths.h"
#include "print/KxPrintSession.h"
#include "print/KxPrintSettings.h"
#include "print/UserPrintSetup.h"

#include "engine/KxDatabase.h"

#include <algorithm>
#include <cctype>
#include <unistd.h>

bool cliIsPdfName(const std::string& path) {
    constexpr std::string_view suffix = ".pdf";
    if (path.size() <= suffix.size()) return false;
    return std::equal(suffix.begin(), suffix.end(), path.end() - static_cast<long>(suffix.size()),
                      [](char a, char b) { return a == std::tolower(static_cast<unsigned char>(b)); });
}

std::string cliPrintScratchPath() { return kxPrintPlaces().outputPath; }

std::string cliPdfProgram() {
    for (const std::string& path : kxHelperProgramPaths(kxPdfProgramName, kxDirectoryOf(kxProgramPath())))
        if (::access(path.c_str(), X_OK) == 0) return path;
    return {};
}

bool cliWritePdf(const KxDatabase& db, const std::string& htmlPath, const std::string& pdfPath,
                 const std::string& title, std::string& error) {
    const std::string program = cliPdfProgram();
    if (program.empty()) {
        error = cliText(kxStrCliPdfNoProgram, {kxPdfProgramName});
        return false;
    }
    // The database's page setup; margins it does not hold are a new user's.
    const KxPageSetup setup = KxPrintSettings(const_cast<KxDatabase&>(db)).pageSetup(kxDefaultUserPageSetup());
    const int status = kxRunProgram(program, {htmlPath, pdfPath, title, setup.header, setup.footer, setup.marginTop,
                                              setup.marginBottom, setup.marginLeft, setup.marginRight});
    switch (status) {
    case kxPdfWritten:
        return true;
    case kxPdfNotWritten:
        error = cliText(kxStrCliPdfNotWritten, {pdfPath});
        return false;
    case kxPdfNotLaidOut:
        error = cliText(kxStrCliPdfNotLaidOut);
        return false;
    default:
        error = cliText(kxStrCliPdfProgramFailed, {program});
        return false;
    }
}
