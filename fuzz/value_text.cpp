// Values read from outside text and bytes: date, time, number, integer and checkbox texts
// (typed, imported, pasted) and raw values from damaged records. None may crash or hang.

#include "engine/values/Conversion.h"
#include "engine/values/FieldValue.h"
#include "engine/values/NumberFormat.h"
#include "engine/values/RawValueText.h"
#include "engine/values/ValueCompare.h"

#include <cstdint>
#include <cstring>
#include <string_view>

namespace {

KxLocale dayFirstLocale() {
    KxLocale l;
    l.decimalSeparator = ',';
    l.thousandsSeparator = '.';
    l.currencySymbol = "EUR";
    l.shortDatePicture = "dddd d. MMMM yy";
    l.timePicture = "HH.mm";
    l.timeSeparator = ".";
    return l;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const KxLocale locales[] = {KxLocale{}, dayFirstLocale()};
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (const KxLocale& locale : locales) {
        for (int type = 1; type <= 9; ++type) {
            FieldValue value = FieldValue::newValue(type);
            value.parseText(text, locale);
            value.displayText(static_cast<int>(size % 20), 0x1C0, locale);
            for (int to = 1; to <= 9; ++to)
                kxConvertValue(value, to, locale);
        }
    }

    // The same bytes as raw values and as a double.
    for (int type = 0; type <= 10; ++type) {
        const std::size_t half = size / 2;
        kxCompareRaw(type, {data, half}, {data + half, size - half});
        kxRawValueText(type, {data, size});
        if (type >= 1 && type <= 9 && size > 0) {
            FieldValue value = FieldValue::newValue(type);
            try {
                value.setRaw(data, size);
                value.plainText();
            } catch (KxDbError) {
            }
        }
    }
    if (size >= 9) {
        double d;
        std::memcpy(&d, data, sizeof d);
        const int decimals = data[8] % 64;
        kxFormatNumber(d, decimals, data[8] & 1, data[8] & 2);
        kxNumberText(d, data[8] & 1, data[8] & 2);
    }
    return 0;
}
