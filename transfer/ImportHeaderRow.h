#pragma once
// A delimited file exported with field labels starts with a row of labels. Such a row is
// recognised (every value of it is the label of a field or "Category", ignoring letter case),
// its columns are matched to the entries of the same label, and the import then reads the
// rows after it.

#include "transfer/KxImporter.h"

#include <cstdint>
#include <vector>

class KxDatabase;
class KxFieldChooserModel;
class KxFieldSelection;

// Whether every column of the first row holds a value that is a field label of the database
// or the Category entry's label, compared without regard to case.
bool kxFirstRowHoldsLabels(const KxImporter& source, const KxDatabase& db);

// For each column, the selection entry of the same label (each entry used once), 255 for a
// column whose label names no entry.
std::vector<std::uint8_t> kxOrderByLabels(const KxImporter& source, const KxFieldSelection& selection);

// Puts the import list's items in the order's places: the item of order[i]'s entry checked at
// place i, and for a column not imported an unchecked item ("<no field>" first, else a field
// the order does not use). Items the order does not place keep their order after these.
void kxArrangeImportList(KxFieldChooserModel& model, const std::vector<std::uint8_t>& order);

// The source without its first row.
class KxRowsAfterFirst : public KxImporter {
public:
    explicit KxRowsAfterFirst(const KxImporter& source) : source_(source) {}
    bool open(KxUi&, const std::string&) override { return true; }
    std::size_t columnCount() const override { return source_.columnCount(); }
    std::size_t rowCount() const override { return source_.rowCount() > 0 ? source_.rowCount() - 1 : 0; }
    int columnType(std::size_t column) const override { return source_.columnType(column); }
    KxRecordInfo recordInfo(std::size_t row) const override { return source_.recordInfo(row + 1); }
    std::optional<FieldValue> value(std::size_t row, std::size_t column) const override {
        return source_.value(row + 1, column);
    }
    bool hasCategoryColumn() const override { return source_.hasCategoryColumn(); }
    std::string categoryName(std::size_t row) const override { return source_.categoryName(row + 1); }
    std::optional<std::string_view> cellText(std::size_t row, std::size_t column) const override {
        return source_.cellText(row + 1, column);
    }
    bool rowHadReplacedCharacters(std::size_t row) const override { return source_.rowHadReplacedCharacters(row + 1); }
    bool rowHadNulCharacters(std::size_t row) const override { return source_.rowHadNulCharacters(row + 1); }

private:
    const KxImporter& source_;
};
