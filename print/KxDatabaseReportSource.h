#pragma once
// Feeds the report generator from an open database: the chosen entries of a field selection,
// and the records of the print range through a record cursor.

#include "print/KxReportSource.h"
#include "transfer/KxRecordCursor.h"

#include <cstdint>

class KxDatabase;
class KxFieldSelection;

// What the document shows when a report runs: the current record (range "selected
// records") and the category filter (range "current category").
struct KxReportView {
    std::int32_t currentRecord = -1;
    std::uint16_t category = 255; // 255: every category
};

class KxDatabaseReportSource final : public KxReportSource {
public:
    // The database and the selection outlive the source; the selection's order may change
    // between runs.
    KxDatabaseReportSource(const KxDatabase& db, const KxFieldSelection& selection,
                           KxReportView view);

    std::size_t entryCount() const override;
    std::string entryLabel(std::size_t entry) const override;
    KxReportEntryKind entryKind(std::size_t entry) const override;

    // Range modes outside 0 to 3 walk the current category.
    void initCursor(int rangeMode, bool deletedList, int limit) override;
    bool firstRecord() override;
    bool nextRecord() override;
    void releaseRecord() override { current_ = false; }
    std::string entryValue(std::size_t entry) const override;
    Progress progress() const override;

private:
    const KxFieldSelection& selection_;
    KxRecordCursor cursor_;
    bool current_ = false;
};
