#include "transfer/KxDelimitedImporter.h"

#include "engine/KxDbError.h"
#include "transfer/TransferStrings.h"
#include "base/KxUi.h"

#include <new>

bool KxDelimitedImporter::open(KxUi& ui, const std::string& path) {
    discard();
    auto box = ui.waitBox(kxString(kxStrImportLoading));
    return load(streamed_ ? KxDelimitedReader::streamFile(path, separator_)
                          : KxDelimitedReader::fromFile(path, separator_),
                box.get());
}

bool KxDelimitedImporter::load(KxDelimitedReader reader, KxWaitBox* box) {
    discard();
    if (box)
        reader.setProgress([box](std::uint64_t position, std::uint64_t size) {
            box->setProgress(position, size);
            return box->cancelled();
        });
    try {
        for (;;) {
            switch (reader.skipRow()) {
            case KxRowRead::Row:
                rowStarts_.push_back(reader.rowStart());
                rowFlags_.push_back(static_cast<std::uint8_t>((reader.rowHadReplacements() ? kReplaced : 0) |
                                                              (reader.rowHadNul() ? kNul : 0)));
                continue;
            case KxRowRead::End:
                columns_ = reader.columnCount();
                reader.setProgress(nullptr);
                reader_.emplace(std::move(reader));
                return true;
            case KxRowRead::Cancelled:
                discard();
                return false;
            case KxRowRead::ValueTooLong:
                discard();
                throw KxDbError::CannotOpenOther;
            }
        }
    } catch (const std::bad_alloc&) {
        discard();
        throw KxDbError::OutOfMemory;
    }
}

void KxDelimitedImporter::discard() {
    rowStarts_.clear();
    rowStarts_.shrink_to_fit();
    rowFlags_.clear();
    rowFlags_.shrink_to_fit();
    reader_.reset();
    current_.clear();
    haveCurrent_ = false;
    columns_ = 0;
}

int KxDelimitedImporter::columnType(std::size_t) const {
    return static_cast<int>(KxFieldType::Text);
}

const std::vector<std::string>& KxDelimitedImporter::row(std::size_t index) const {
    if (haveCurrent_ && currentRow_ == index) return current_;
    current_.clear();
    haveCurrent_ = false;
    if (index >= rowStarts_.size() || !reader_) return current_;
    reader_->seek(rowStarts_[index]);
    try {
        reader_->readRow(current_); // read once already: a row again
    } catch (const std::bad_alloc&) {
        current_.clear();
        throw KxDbError::OutOfMemory;
    }
    currentRow_ = index;
    haveCurrent_ = true;
    return current_;
}

std::optional<std::string_view> KxDelimitedImporter::cellText(std::size_t row, std::size_t column) const {
    const std::vector<std::string>& values = this->row(row);
    if (column >= values.size() || values[column].empty()) return std::nullopt;
    return std::string_view(values[column]);
}

std::optional<FieldValue> KxDelimitedImporter::value(std::size_t row, std::size_t column) const {
    const auto cell = cellText(row, column);
    if (!cell) return std::nullopt;
    FieldValue value = FieldValue::newValue(static_cast<int>(KxFieldType::Text));
    value.setText(*cell);
    return value;
}

bool KxDelimitedImporter::rowHas(std::size_t row, RowFlag flag) const {
    return row < rowFlags_.size() && (rowFlags_[row] & flag) != 0;
}

bool KxDelimitedImporter::rowHadReplacedCharacters(std::size_t row) const { return rowHas(row, kReplaced); }

bool KxDelimitedImporter::rowHadNulCharacters(std::size_t row) const { return rowHas(row, kNul); }
