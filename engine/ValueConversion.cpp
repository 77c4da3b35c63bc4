#include "engine/ValueConversion.h"

#include "engine/KxDbError.h"
#include "engine/values/Conversion.h"

std::vector<std::uint8_t> kxConvertRawValue(KxFieldType from, KxFieldType to,
                                            std::span<const std::uint8_t> bytes) {
    const int f = static_cast<int>(from);
    const int t = static_cast<int>(to);
    if (f == 0 || t == 0 || kxConversionKind(f, t) == KxConversion::Impossible) return {};
    FieldValue value = FieldValue::newValue(f); // an empty Checkbox converts as unchecked
    if (!bytes.empty()) {
        try {
            value.setRaw(bytes);
        } catch (KxDbError) {
            return {}; // a stored value of the wrong length has nothing to convert
        }
    }
    const auto converted = kxConvertValue(value, t);
    if (!converted) return {};
    const auto raw = converted->raw();
    return {raw.begin(), raw.end()};
}
