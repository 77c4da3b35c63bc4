#pragma once
// A printout of the open database: the chosen fields of the records in the print range,
// filled into a template. The report object lives as long as the print settings dialog and
// may run several times (style samples, then the printout); what the template's value tags
// last printed stays from one run to the next.

#include "print/KxDatabaseReportSource.h"
#include "print/KxHtmlReport.h"

#include <string>
#include <string_view>
#include <vector>

class KxDatabase;
class KxFieldSelection;
class KxUi;
class KxWaitBox;

class KxReport {
public:
    virtual ~KxReport() = default;
    KxReport(const KxReport&) = delete;
    KxReport& operator=(const KxReport&) = delete;

    // Writes the report to the output file. The progress box (none for a style sample) takes
    // the progress at the end of each record and its Cancel stops the run. The template path
    // is trusted: it is the user's own choice. The title is database text. The range mode is
    // 0 entire database, 1 current category, 2 search results, 3 current record; the limit
    // is the number of further records allowed after the first, −1 for no limit. Returns 0
    // when the output may be printed; anything else when the template or the output file
    // could not be opened, the user cancelled or the output is too large to print (the user
    // has been told, except after a cancel).
    virtual int generate(KxWaitBox* progress, const std::string& templatePath,
                         const std::string& outputPath, const std::string& title, int rangeMode,
                         bool deletedList, int limit) = 0;

protected:
    // The database and the selection outlive the report.
    KxReport(const KxDatabase& db, const KxFieldSelection& selection, KxReportView view)
        : source_(db, selection, view) {}

    KxDatabaseReportSource source_;
};

class KxDatabaseHtmlReport final : public KxReport {
public:
    KxDatabaseHtmlReport(KxUi& ui, const KxDatabase& db, const KxFieldSelection& selection,
                         KxReportView view);

    int generate(KxWaitBox* progress, const std::string& templatePath,
                 const std::string& outputPath, const std::string& title, int rangeMode,
                 bool deletedList, int limit) override;

    // The same with a template named by the database's print settings, looked up in the
    // template directories. A name that is not a plain file name there is a missing template.
    int generateNamed(KxWaitBox* progress, std::string_view templateName,
                      const std::vector<std::string>& templateDirectories,
                      const std::string& outputPath, const std::string& title, int rangeMode,
                      bool deletedList, int limit);

    const KxHtmlReport& html() const { return html_; }

private:
    KxUi& ui_;
    KxHtmlReport html_;
};
