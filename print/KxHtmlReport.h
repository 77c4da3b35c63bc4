#pragma once
// Fills a print template with the chosen entries of the records in the print range and
// writes the HTML that the browser prints.

#include "print/KxReportSink.h"
#include "print/KxReportSource.h"
#include "print/ReportTemplate.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// What a run needs from the user interface.
struct KxReportHooks {
    // The progress box, told (done, total) at the end of every record; answers true once the
    // user confirmed a cancel. Empty when the run shows no progress (the style sample).
    std::function<bool(std::uint64_t done, std::uint64_t total)> progress;
    // Shows a message with one OK button.
    std::function<void(const std::string& text)> message;
};

// A run's result: anything but kxReportDone means the output must not be printed.
inline constexpr int kxReportDone = 0;
inline constexpr int kxReportNotPrintable = 1;

class KxHtmlReport {
  public:
    // Output larger than this is too much for the browser to print: the run stops as soon as
    // the output passes it, says so and answers kxReportNotPrintable.
    static constexpr std::uint64_t kLargeOutput = 3000000;

    // The source outlives the report.
    explicit KxHtmlReport(KxReportSource& source) : source_(source) {}

    // Reads the template file, fills it and writes the output file, replacing the file at the
    // output path only when the run completes (or stops at the size limit); a failed or
    // cancelled run leaves it as it was. The title is Windows-1252 text.
    int generate(const KxReportHooks& hooks, const std::string& templatePath,
                 const std::string& outputPath, const std::string& title, int rangeMode,
                 bool deletedList, int limit);

    // The same run over template bytes in memory, into any sink.
    int generateFromText(const KxReportHooks& hooks, std::string_view templateBytes,
                         KxReportSink& output, const std::string& title, int rangeMode,
                         bool deletedList, int limit);

    // What the tag of the same code prints (codes 1 to 5; the others are always empty). The
    // values stay from one run to the next: a run overwrites only what it sets.
    const std::string& value(KxReportTag tag) const {
        return values_[static_cast<std::size_t>(tag)];
    }

    // The tokens of the last template parsed.
    const std::vector<KxReportToken>& tokens() const { return tokens_; }

  private:
    int fill(const KxReportHooks& hooks, KxReportSink& output);

    KxReportSource& source_;
    std::array<std::string, kxReportTagCount> values_;
    std::vector<KxReportToken> tokens_;
};
