#include "print/KxReport.h"

#include "base/KxUi.h"
#include "print/TemplateLocator.h"

#include "platform/Cp1252.h"
#include "print/PrintStrings.h"


KxDatabaseHtmlReport::KxDatabaseHtmlReport(KxUi& ui, const KxDatabase& db,
                                           const KxFieldSelection& selection, KxReportView view)
    : KxReport(db, selection, view), ui_(ui), html_(source_) {}

int KxDatabaseHtmlReport::generate(KxWaitBox* progress, const std::string& templatePath,
                                   const std::string& outputPath, const std::string& title,
                                   int rangeMode, bool deletedList, int limit) {
    KxReportHooks hooks;
    if (progress) {
        hooks.progress = [progress](std::uint64_t done, std::uint64_t total) {
            progress->setProgress(done, total);
            return progress->cancelled();
        };
    }
    // The generator's messages carry file system paths (UTF-8) in the program's own text.
    hooks.message = [this](const std::string& text) { ui_.inform(kxFromUtf8(text)); };
    return html_.generate(hooks, templatePath, outputPath, title, rangeMode, deletedList, limit);
}

int KxDatabaseHtmlReport::generateNamed(KxWaitBox* progress, std::string_view templateName,
                                        const std::vector<std::string>& templateDirectories,
                                        const std::string& outputPath, const std::string& title,
                                        int rangeMode, bool deletedList, int limit) {
    if (const auto path = kxFindTemplate(templateName, templateDirectories))
        return generate(progress, *path, outputPath, title, rangeMode, deletedList, limit);
    // As with a template that cannot be opened: the output file is left as it was.
    ui_.inform(kxString(kxStrCannotOpenTemplate, kxFromUtf8(templateName)));
    return kxReportNotPrintable;
}
