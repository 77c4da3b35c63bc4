#pragma once
// Writes records into a new database file whose schema copies the chosen fields: each chosen
// field becomes a field of the new database, in the chosen order, with its type, its label,
// its form display options, its decimal places and, for Multiple Choice, its items. With the
// Category entry chosen, the category names and each record's category come along.

#include "transfer/KxExportTarget.h"

#include "engine/KxDatabase.h"

#include <cstdint>
#include <string>
#include <vector>

class KxFieldSelection;

// The database attributes a new database takes over from the one it is exported from:
// read-only on the handheld, the two bits every database carries, check boxes editable in
// the list, the record view's read-only mode.
inline constexpr std::uint16_t kxExportedAttributes = 0x02 | 0x08 | 0x10 | 0x40 | 0x80;

class KxDatabaseExport final : public KxExportTarget {
public:
    // A new database holding the schema, written to the path by finish(): a file there is
    // replaced only once the new one is complete, never one another writer holds. The labels come from the selection (without default
    // names); the user id and the stamp are those a new database of this desktop gets.
    KxDatabaseExport(const KxDatabase& source, const KxFieldSelection& selection,
                     const std::string& path, std::uint32_t userId, std::uint32_t stamp);
    ~KxDatabaseExport() override;
    KxDatabaseExport(const KxDatabaseExport&) = delete;
    KxDatabaseExport& operator=(const KxDatabaseExport&) = delete;

    void writeRecord(const KxRecordChunk& record, std::uint16_t category) override;
    // Sorts and saves the new database, then closes it.
    void finish() override;
    void discard() override;

private:
    void buildSchema(const KxDatabase& source, const KxFieldSelection& selection,
                     std::uint32_t stamp);
    void copyCategoryNames(const KxDatabase& source);

    std::string path_;
    KxDatabase target_;
    std::vector<std::uint8_t> sourceFields_; // the source field of each new field
    bool copyCategory_ = false;
};
