#pragma once
// The export run: writes the chosen fields of the records in the chosen range to a comma- or
// tab-separated file or to a new database file, with progress and Cancel in the progress box.

#include "transfer/KxExportOptions.h"
#include "transfer/KxFieldSelection.h"

#include <cstdint>
#include <memory>

class KxDatabase;
class KxExportTarget;
class KxUi;
class KxWaitBox;

// The two selections an export works with, of the same entries (every field, Label Only
// fields too, and the Category entry). The wizard edits the order of `plain`; the run writes
// the entries of that order. The labels of `named` ("Field 3" for a field without a label)
// head the columns of a delimited file; those of `plain` become the field labels of a new
// database.
struct KxExportSelections {
    explicit KxExportSelections(const KxDatabase& db);

    KxFieldSelection named;
    KxFieldSelection plain;
};

class KxExporter {
public:
    // The database and the interface outlive the exporter.
    KxExporter(const KxDatabase& db, KxUi& ui) : db_(db), ui_(ui) {}

    // The user id and modification stamp a new database file gets (a new database of this
    // desktop gets the same).
    void setNewDatabaseIdentity(std::uint32_t userId, std::uint32_t stamp) {
        userId_ = userId;
        stamp_ = stamp;
    }

    // Writes the file. False when the user cancelled in the progress box: the output file is
    // then deleted. Engine errors pass on; a text file stays as written, a database file that
    // was never saved is deleted.
    bool run(const KxExportOptions& options, const KxExportSelections& selections,
             const KxExportView& view);

    // How many records the last run wrote.
    std::size_t recordCount() const { return records_; }

private:
    std::unique_ptr<KxExportTarget> openTarget(const KxExportOptions& options,
                                               const KxFieldSelection& columns,
                                               const KxFieldSelection& fields);
    bool walk(const KxExportOptions& options, const KxExportView& view, KxExportTarget& target,
              KxWaitBox& box);

    const KxDatabase& db_;
    KxUi& ui_;
    std::uint32_t userId_ = 0;
    std::uint32_t stamp_ = 0;
    std::size_t records_ = 0;
};
