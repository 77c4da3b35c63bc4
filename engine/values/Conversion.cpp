#include "engine/values/Conversion.h"

#include "engine/values/TypeCodes.h"

#include <cmath>
#include <cstdint>
#include <limits>

namespace {

// A double truncated toward zero, held to the 32-bit range; NaN gives 0.
std::int32_t truncateToInt32(double value) {
    if (std::isnan(value)) return 0;
    constexpr double lowest = std::numeric_limits<std::int32_t>::min();
    constexpr double highest = std::numeric_limits<std::int32_t>::max();
    if (value <= lowest) return std::numeric_limits<std::int32_t>::min();
    if (value >= highest) return std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(value);
}

} // namespace

KxConversion kxConversionKind(int from, int to) {
    using namespace kx::type;
    if (from == to || from == LabelOnly) return KxConversion::Lossless;
    if (isText(to)) return KxConversion::Lossless;
    if (isDouble(to) && from == Integer) return KxConversion::Lossless;
    if (to == Integer && (isText(from) || isDouble(from))) return KxConversion::Lossy;
    if (isText(from) && (isDouble(to) || to == Date || to == Time || to == Checkbox))
        return KxConversion::Lossy;
    return KxConversion::Impossible;
}

std::optional<FieldValue> kxConvertValue(const FieldValue& value, int toType,
                                       const KxLocale& locale) {
    using namespace kx::type;
    const int from = value.type();
    if (toType < Text || toType > Calculation) return std::nullopt;
    if (kxConversionKind(from, toType) == KxConversion::Impossible) return std::nullopt;
    if (from == toType) return value;

    FieldValue result = FieldValue::newValue(toType);
    if (isText(from) || isText(toType)) {
        result.parseText(value.plainText(locale), locale);
    } else if (toType == Integer) {
        result.setInteger(value.calcFailed() ? 0 : truncateToInt32(value.number()));
    } else {
        // Integer to Number or Calculation: the same value, error flag clear.
        result.setNumber(static_cast<double>(value.integer()));
    }
    return result;
}
