#pragma once
// Records printed as the list shows them: a header line of labels, then one tab-separated
// line per record with each field's display text; or the same as JSON.

#include <cstdint>
#include <iosfwd>
#include <vector>

class KxDatabase;

struct CliRecordSelection {
    bool deleted = false;           // the deleted records instead of the live ones
    bool foundOnly = false;         // only records marked by the last search
    std::uint16_t category = 255;   // 255: every category
    bool allFields = false;         // every field in form order instead of the list's columns
};

// The field positions printed: the current list options set's columns, or every field that
// is not Label Only in form order.
std::vector<std::size_t> cliListedFields(const KxDatabase& db, bool allFields);

void cliPrintRecords(const KxDatabase& db, const CliRecordSelection& selection, bool json, std::ostream& out);
