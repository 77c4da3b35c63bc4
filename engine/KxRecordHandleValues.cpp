// Record values as typed objects.

#include "engine/KxDatabase.h"
#include "engine/KxRecordHandle.h"
#include "engine/values/FieldValue.h"

std::optional<FieldValue> KxRecordHandle::value(std::size_t field) const {
    const auto raw = rawValue(field);
    if (raw.empty()) return std::nullopt;
    FieldValue v = FieldValue::newValue(static_cast<int>(db_->header().fields[field].type));
    v.setRaw(raw);
    return v;
}

void KxRecordHandle::setValue(std::size_t field, const FieldValue& value) {
    setRawValue(field, value.raw());
}
