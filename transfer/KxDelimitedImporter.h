#pragma once
// A comma- or tab-separated text file as an import source: every column is Text, there is
// no record information and no category column. open loads the whole file (or, streamed,
// opens it) and reads it through once for the rows' places, their count and the column
// count; a row's values are read again from the text when they are asked for, so no copy of
// every value is kept (the import asks for the rows in order, each once).

#include "engine/KxHeaderChunk.h"
#include "transfer/KxDelimitedReader.h"
#include "transfer/KxImporter.h"

#include <optional>
#include <vector>

class KxWaitBox;

class KxDelimitedImporter : public KxImporter {
public:
    explicit KxDelimitedImporter(char separator) : separator_(separator) {}

    // Whether open reads the file as the rows are asked for (only a window of it in memory)
    // instead of holding the whole text; the file stays open until the importer goes. The
    // tool imports so; the wizard holds the text, which then cannot change under it.
    void setStreamed(bool streamed) { streamed_ = streamed; }

    // Loads the file with the progress box "Import loading progress"; a confirmed Cancel
    // discards every row read and returns false. A value of 32,770 characters or more gives
    // KxDbError::CannotOpenOther, a file that cannot be opened KxDbError::AccessDenied.
    bool open(KxUi& ui, const std::string& path) override;
    // The same from a reader that is already set up, which the importer keeps; the box
    // (when given) shows progress.
    bool load(KxDelimitedReader reader, KxWaitBox* box);

    std::size_t columnCount() const override { return columns_; }
    std::size_t rowCount() const override { return rowStarts_.size(); }
    int columnType(std::size_t) const override;
    KxRecordInfo recordInfo(std::size_t) const override { return {}; }
    std::optional<FieldValue> value(std::size_t row, std::size_t column) const override;
    // The cell's text, or none for an empty cell or one past the end of its row.
    std::optional<std::string_view> cellText(std::size_t row, std::size_t column) const override;
    bool hasCategoryColumn() const override { return false; }
    std::string categoryName(std::size_t) const override { return {}; }
    bool rowHadReplacedCharacters(std::size_t row) const override;
    bool rowHadNulCharacters(std::size_t row) const override;

    char separator() const { return separator_; }
    // The values of one row; valid until another row is asked for.
    const std::vector<std::string>& row(std::size_t index) const;

private:
    enum RowFlag : std::uint8_t { kReplaced = 1, kNul = 2 };

    void discard();
    bool rowHas(std::size_t row, RowFlag flag) const;

    char separator_;
    bool streamed_ = false;
    std::size_t columns_ = 0;
    std::vector<std::uint64_t> rowStarts_; // where each row begins in the loaded text
    std::vector<std::uint8_t> rowFlags_;   // RowFlag bits, one byte per row
    // The loaded text and the row last read from it.
    mutable std::optional<KxDelimitedReader> reader_;
    mutable std::vector<std::string> current_;
    mutable std::size_t currentRow_ = 0;
    mutable bool haveCurrent_ = false;
};
