#include "ValueCompare.h"

#include "RawBytes.h"
#include "TextCollation.h"
#include "TypeCodes.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>

namespace {

// A fixed-size value with any missing bytes as 0, so damaged records cannot read past
// their end.
struct Fixed {
    std::array<std::uint8_t, 10> bytes{};
    explicit Fixed(std::span<const std::uint8_t> raw) {
        if (!raw.empty()) std::memcpy(bytes.data(), raw.data(), std::min(raw.size(), bytes.size()));
    }
    const std::uint8_t* data() const { return bytes.data(); }
};

template <class T> int order(T a, T b) {
    return a < b ? -1 : (b < a ? 1 : 0);
}

int compareBytes(std::span<const std::uint8_t> a, std::span<const std::uint8_t> b) {
    const std::size_t common = std::min(a.size(), b.size());
    const int c = common ? std::memcmp(a.data(), b.data(), common) : 0;
    if (c != 0) return c < 0 ? -1 : 1;
    return order(a.size(), b.size());
}

} // namespace

int compareDoubles(double a, double b) {
    const bool nanA = std::isnan(a);
    const bool nanB = std::isnan(b);
    if (nanA || nanB) return order(!nanA, !nanB);
    return order(a, b);
}

int compareRaw(int type, std::span<const std::uint8_t> a, std::span<const std::uint8_t> b) {
    switch (type) {
    case kxtype::Text:
    case kxtype::MultipleChoice:
        return kxCompareTextNoCase(kxraw::text(a), kxraw::text(b));
    case kxtype::Integer:
        return order(kxraw::i32(Fixed(a).data()), kxraw::i32(Fixed(b).data()));
    case kxtype::Number:
    case kxtype::Calculation:
        return compareDoubles(kxraw::f64(Fixed(a).data()), kxraw::f64(Fixed(b).data()));
    case kxtype::Date: {
        const Fixed x(a), y(b);
        if (int c = order(kxraw::i16(x.data()), kxraw::i16(y.data()))) return c;
        if (int c = order(x.bytes[2], y.bytes[2])) return c;
        return order(x.bytes[3], y.bytes[3]);
    }
    case kxtype::Time: {
        const Fixed x(a), y(b);
        for (int k = 0; k < 3; ++k)
            if (int c = order(x.bytes[k], y.bytes[k])) return c;
        return 0;
    }
    case kxtype::Checkbox:
        return order(kxraw::i16(Fixed(a).data()) != 0, kxraw::i16(Fixed(b).data()) != 0);
    case kxtype::Unnamed:
        return order(kxraw::i32(Fixed(a).data()) != 0, kxraw::i32(Fixed(b).data()) != 0);
    default:
        return compareBytes(a, b);
    }
}
