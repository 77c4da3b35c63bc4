#pragma once
// Writes records as comma- or tab-separated text: every label and every value in double
// quotes, each double quote inside doubled, one record per line, lines ending in CR LF.
// Values keep their own line ends.

#include "transfer/KxExportTarget.h"

#include "platform/Cp1252.h"

#include "engine/KxFileReplacement.h"

#include <optional>
#include <string>
#include <string_view>

class KxFieldSelection;

// Appends the value in double quotes, its own double quotes doubled.
void kxAppendQuoted(std::string& line, std::string_view value);

class KxDelimitedExport final : public KxExportTarget {
public:
    // Starts the file beside any file at the path, which is replaced only by finish(); the
    // errors of KxFileReplacement when that fails. The selection's
    // order names the columns; it outlives this object.
    KxDelimitedExport(const std::string& path, const KxFieldSelection& selection, char separator,
                      KxTextEncoding encoding);

    // The labels of the chosen entries as one line.
    void writeHeader();
    void writeRecord(const KxRecordChunk& record, std::uint16_t category) override;
    // Puts the complete file in place; KxDbError::DiskFull when a write failed.
    void finish() override;
    void discard() override;

private:
    void writeLine();
    void flush();

    const KxFieldSelection& selection_;
    char separator_;
    KxTextEncoding encoding_;
    std::optional<KxFileReplacement> file_;
    std::string line_;   // the line being built, in database text
    std::string buffer_; // lines not yet written
};
