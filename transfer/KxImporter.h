#pragma once
// A source of rows for the import: a delimited text file or another database. The import
// run reads every source the same way, cell by cell, each cell a value of its column's type.

#include "engine/KxChunk.h"
#include "engine/values/FieldValue.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

class KxUi;

// What a source record tells about itself: its identity and times. All zero for a source
// without records of its own (a text file).
struct KxRecordInfo {
    KxRecordIdentity identity;
    std::uint32_t modified = 0;
    bool present() const { return !(identity == KxRecordIdentity{}) || modified != 0; }
};

// The file types the import reads, numbered as the wizard numbers them.
enum class KxImportType { Database = 1, Comma = 2, Tab = 3 };

class KxImporter {
public:
    static constexpr int kCategoryColumnType = 254;

    virtual ~KxImporter() = default;

    // Loads the source. False when the user cancelled the loading; engine errors otherwise.
    virtual bool open(KxUi& ui, const std::string& path) = 0;
    virtual std::size_t columnCount() const = 0;
    virtual std::size_t rowCount() const = 0;
    // The field type code of the column's values, or kCategoryColumnType.
    virtual int columnType(std::size_t column) const = 0;
    virtual KxRecordInfo recordInfo(std::size_t row) const = 0;
    // The cell's value, or none for an empty cell or one past the end of its row.
    virtual std::optional<FieldValue> value(std::size_t row, std::size_t column) const = 0;
    // The text of a cell of a Text column when the source holds it as plain text (the
    // value is then a Text value of that text); none otherwise.
    virtual std::optional<std::string_view> cellText(std::size_t, std::size_t) const { return std::nullopt; }
    virtual bool hasCategoryColumn() const = 0;
    virtual std::string categoryName(std::size_t row) const = 0;
    // Whether characters of the row were replaced by '?' when the source was read.
    virtual bool rowHadReplacedCharacters(std::size_t) const { return false; }
    // Whether the row held a NUL character, at which a text value ends.
    virtual bool rowHadNulCharacters(std::size_t) const { return false; }
};

std::unique_ptr<KxImporter> kxMakeImporter(KxImportType type);

// The type a chosen file's extension selects (compared without regard to case): "rlv" the
// database type, "csv" comma, "tab" and "tsv" tab, "txt" comma when the database type was
// selected; anything else leaves the current choice.
KxImportType kxImportTypeForPath(std::string_view path, KxImportType current);

// What the first wizard page does on Next: finds the file (as named, else the name below the
// last import directory, in which case `path` becomes that full path), makes an importer of
// the type and loads the file. None when the page must stay: the user cancelled the loading,
// or was told "Cannot find file ..." or that there is no valid data. Engine errors of the
// loading are thrown.
// With `streamed`, a delimited file is read as the rows are asked for (see
// KxDelimitedImporter::setStreamed).
std::unique_ptr<KxImporter> kxLoadImportSource(KxUi& ui, std::string& path, KxImportType type,
                                               const std::string& lastImportDir, bool streamed = false);
