#pragma once
// A comma- or tab-separated text file as an import source: every column is Text, there is
// no record information and no category column. The whole file is loaded by open.

#include "HeaderChunk.h"
#include "transfer/DelimitedReader.h"
#include "transfer/Importer.h"

#include <vector>

class KxWaitBox;

class KxDelimitedImporter : public KxImporter {
public:
    explicit KxDelimitedImporter(char separator) : separator_(separator) {}

    // Loads the file with the progress box "Import loading progress"; a confirmed Cancel
    // discards every row read and returns false. A value of 32,770 characters or more gives
    // KxDbError::CannotOpenOther, a file that cannot be opened KxDbError::AccessDenied.
    bool open(KxUi& ui, const std::string& path) override;
    // The same from a reader that is already set up; the box (when given) shows progress.
    bool load(KxDelimitedReader& reader, KxWaitBox* box);

    std::size_t columnCount() const override { return columns_; }
    std::size_t rowCount() const override { return rows_.size(); }
    int columnType(std::size_t) const override;
    KxRecordInfo recordInfo(std::size_t) const override { return {}; }
    std::optional<FieldValue> value(std::size_t row, std::size_t column) const override;
    bool hasCategoryColumn() const override { return false; }
    std::string categoryName(std::size_t) const override { return {}; }
    bool rowHadReplacedCharacters(std::size_t row) const override;

    char separator() const { return separator_; }
    const std::vector<std::string>& row(std::size_t index) const { return rows_[index]; }

private:
    void discard();

    char separator_;
    std::size_t columns_ = 0;
    std::vector<std::vector<std::string>> rows_;
    std::vector<bool> replaced_; // one flag per row
};
