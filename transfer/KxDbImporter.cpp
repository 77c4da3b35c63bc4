#include "transfer/KxDbImporter.h"

#include "engine/KxRecordChunk.h"
#include "transfer/DisplayNames.h"
#include "transfer/FormOrder.h"

bool KxDbImporter::open(KxUi&, const std::string& path) {
    fields_.clear();
    source_.open(path, kOpenReadShared, 0);
    fields_ = kxFieldsInFormOrder(source_.header(), false);
    return true;
}

std::size_t KxDbImporter::columnCount() const {
    return source_.isOpen() ? fields_.size() + 1 : 0;
}

std::size_t KxDbImporter::rowCount() const {
    return source_.isOpen() ? source_.liveCount() : 0;
}

int KxDbImporter::columnType(std::size_t column) const {
    if (column >= fields_.size()) return kCategoryColumnType;
    return static_cast<int>(source_.header().fields[fields_[column]].type);
}

KxRecordInfo KxDbImporter::recordInfo(std::size_t row) const {
    const KxRecordChunk& record = source_.liveChunk(row);
    return {record.identity, record.modified};
}

std::optional<FieldValue> KxDbImporter::value(std::size_t row, std::size_t column) const {
    if (column == categoryColumn()) {
        FieldValue name = FieldValue::newValue(static_cast<int>(KxFieldType::Text));
        name.setText(categoryName(row));
        return name;
    }
    if (column > fields_.size()) return std::nullopt;
    const auto raw = source_.liveChunk(row).value(fields_[column]);
    if (raw.empty()) return std::nullopt;
    // A stored value of the wrong length is damage: setRaw reports it (29).
    FieldValue value = FieldValue::newValue(columnType(column));
    value.setRaw(raw);
    return value;
}

std::string KxDbImporter::categoryName(std::size_t row) const {
    if (row >= rowCount()) return {};
    return kxCategoryDisplayName(source_, source_.liveCategory(row));
}
