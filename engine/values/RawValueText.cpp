#include "RawValueText.h"

#include "FieldValue.h"
#include "KxStrings.h"
#include "NumberFormat.h"
#include "RawBytes.h"
#include "TypeCodes.h"

std::string rawValueText(int type, std::span<const std::uint8_t> raw, const KxLocale& locale) {
    if (kxtype::isText(type)) return std::string(kxraw::text(raw));
    if (type < kxtype::Integer || type > kxtype::Calculation ||
        raw.size() != static_cast<std::size_t>(kxtype::fixedRawSize(type)))
        return {};
    switch (type) {
    case kxtype::Number:
    case kxtype::Calculation:
        return formatNumber(kxraw::f64(raw.data()), 15, false, false, locale);
    case kxtype::Checkbox:
        return kxString(kxraw::i16(raw.data()) != 0 ? kxStrYes : kxStrNo);
    case kxtype::Unnamed:
        return kxString(kxraw::i32(raw.data()) != 0 ? kxStrYes : kxStrNo);
    default: {
        FieldValue value = FieldValue::newValue(type);
        value.setRaw(raw);
        return value.plainText(locale);
    }
    }
}
