#pragma once
// What the report generator reads: the chosen entries (fields in print order, perhaps the
// Category entry) and the records of the print range. The printing code adapts the field
// selection and the record cursor of the open database to this; tests give a fake.

#include "print/ReportValue.h"

#include <cstddef>
#include <cstdint>
#include <string>

class KxReportSource {
  public:
    virtual ~KxReportSource() = default;

    // The number of chosen entries; entries are numbered 0 to entryCount() - 1 in print
    // order, entry 0 being the primary field.
    virtual std::size_t entryCount() const = 0;
    virtual std::string entryLabel(std::size_t entry) const = 0;
    virtual KxReportEntryKind entryKind(std::size_t entry) const = 0;

    // Sets up the walk over the print range (range mode 0 entire database, 1 current
    // category, 2 search results, 3 current record; the deleted-list flag; the number of
    // further records allowed after the first, -1 for no limit).
    virtual void initCursor(int rangeMode, bool deletedList, int limit) = 0;

    // Make the first, or the next, record of the range current; false when there is none.
    // Each call of nextRecord moves forward (a run relies on that to end), and it may be
    // called without firstRecord, or again after it answered false.
    virtual bool firstRecord() = 0;
    virtual bool nextRecord() = 0;

    // Lets go of the current record (its lock, its memory); called before moving on and when
    // a run ends. Harmless when there is no current record.
    virtual void releaseRecord() = 0;

    // The entry's formatted value for the current record (Windows-1252, not yet prepared or
    // escaped); only asked while a record is current.
    virtual std::string entryValue(std::size_t entry) const = 0;

    // The cursor's position and end, for the progress bar.
    struct Progress {
        std::uint64_t position = 0;
        std::uint64_t end = 0;
    };
    virtual Progress progress() const = 0;
};
