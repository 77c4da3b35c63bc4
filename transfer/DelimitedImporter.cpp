#include "transfer/DelimitedImporter.h"

#include "KxDbError.h"
#include "KxStrings.h"
#include "app/KxUi.h"

#include <new>

bool KxDelimitedImporter::open(KxUi& ui, const std::string& path) {
    discard();
    auto box = ui.waitBox(kxString(kxStrImportLoading));
    KxDelimitedReader reader = KxDelimitedReader::fromFile(path, separator_);
    return load(reader, box.get());
}

bool KxDelimitedImporter::load(KxDelimitedReader& reader, KxWaitBox* box) {
    discard();
    if (box)
        reader.setProgress([box](std::uint64_t position, std::uint64_t size) {
            box->setProgress(position, size);
            return box->cancelled();
        });
    try {
        std::vector<std::string> values;
        for (;;) {
            switch (reader.readRow(values)) {
            case KxRowRead::Row:
                rows_.push_back(std::move(values));
                replaced_.push_back(reader.rowHadReplacements());
                continue;
            case KxRowRead::End:
                columns_ = reader.columnCount();
                reader.setProgress(nullptr);
                return true;
            case KxRowRead::Cancelled:
                discard();
                reader.setProgress(nullptr);
                return false;
            case KxRowRead::ValueTooLong:
                discard();
                reader.setProgress(nullptr);
                throw KxDbError::CannotOpenOther;
            }
        }
    } catch (const std::bad_alloc&) {
        discard();
        reader.setProgress(nullptr);
        throw KxDbError::OutOfMemory;
    }
}

void KxDelimitedImporter::discard() {
    rows_.clear();
    rows_.shrink_to_fit();
    replaced_.clear();
    columns_ = 0;
}

int KxDelimitedImporter::columnType(std::size_t) const {
    return static_cast<int>(KxFieldType::Text);
}

std::optional<FieldValue> KxDelimitedImporter::value(std::size_t row, std::size_t column) const {
    if (row >= rows_.size() || column >= rows_[row].size() || rows_[row][column].empty())
        return std::nullopt;
    FieldValue value = FieldValue::newValue(static_cast<int>(KxFieldType::Text));
    value.setText(rows_[row][column]);
    return value;
}

bool KxDelimitedImporter::rowHadReplacedCharacters(std::size_t row) const {
    return row < replaced_.size() && replaced_[row];
}
