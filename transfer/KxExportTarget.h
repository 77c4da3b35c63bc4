#pragma once
// Where the records of an export go: a delimited text file or a new database file.

#include <cstdint>

class KxRecordChunk;

class KxExportTarget {
public:
    virtual ~KxExportTarget() = default;
    // One record of the export range, with its category.
    virtual void writeRecord(const KxRecordChunk& record, std::uint16_t category) = 0;
    // Completes and closes the file.
    virtual void finish() = 0;
    // Closes the file and deletes it (after a cancel or a failure).
    virtual void discard() = 0;
};
