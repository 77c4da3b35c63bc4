#pragma once
// Another database file as an import source: its live records are the rows, its fields in
// form order (Label Only fields left out, as the target's selection leaves them out) the
// columns, followed by one column with each record's category name.

#include "engine/KxDatabase.h"
#include "transfer/KxImporter.h"

#include <vector>

class KxDbImporter : public KxImporter {
public:
    // Loads the file read-only, shared with other readers, under user id 0.
    bool open(KxUi& ui, const std::string& path) override;

    std::size_t columnCount() const override;
    std::size_t rowCount() const override;
    int columnType(std::size_t column) const override;
    KxRecordInfo recordInfo(std::size_t row) const override;
    std::optional<FieldValue> value(std::size_t row, std::size_t column) const override;
    bool hasCategoryColumn() const override { return true; }
    std::string categoryName(std::size_t row) const override;

    std::size_t categoryColumn() const { return fields_.size(); }

private:
    KxDatabase source_;
    std::vector<std::uint8_t> fields_;
};
