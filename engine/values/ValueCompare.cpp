#include "engine/values/ValueCompare.h"

#include "engine/values/RawBytes.h"
#include "engine/TextCollation.h"
#include "engine/values/TypeCodes.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>

namespace {

// The bytes of a fixed-size value in place; a short one (from a damaged record) is copied
// with its missing bytes as 0, so nothing reads past its end.
class Fixed {
  public:
    Fixed(std::span<const std::uint8_t> raw, std::size_t need) : bytes_(raw.data()) {
        if (raw.size() >= need) return;
        padded_.fill(0);
        if (!raw.empty()) std::memcpy(padded_.data(), raw.data(), raw.size());
        bytes_ = padded_.data();
    }
    const std::uint8_t* data() const { return bytes_; }
    std::uint8_t operator[](std::size_t i) const { return bytes_[i]; }

  private:
    const std::uint8_t* bytes_;
    std::array<std::uint8_t, 10> padded_; // filled only for a short value
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

int kxCompareDoubles(double a, double b) {
    const bool nanA = std::isnan(a);
    const bool nanB = std::isnan(b);
    if (nanA || nanB) return order(!nanA, !nanB);
    return order(a, b);
}

int kxCompareRaw(int type, std::span<const std::uint8_t> a, std::span<const std::uint8_t> b) {
    switch (type) {
    case kx::type::Text:
    case kx::type::MultipleChoice:
        return kxCompareTextNoCase(kx::raw::text(a), kx::raw::text(b));
    case kx::type::Integer:
        return order(kx::raw::i32(Fixed(a, 4).data()), kx::raw::i32(Fixed(b, 4).data()));
    case kx::type::Number:
    case kx::type::Calculation:
        return kxCompareDoubles(kx::raw::f64(Fixed(a, 8).data()), kx::raw::f64(Fixed(b, 8).data()));
    case kx::type::Date: {
        const Fixed x(a, 4), y(b, 4);
        if (int c = order(kx::raw::i16(x.data()), kx::raw::i16(y.data()))) return c;
        if (int c = order(x[2], y[2])) return c;
        return order(x[3], y[3]);
    }
    case kx::type::Time: {
        const Fixed x(a, 3), y(b, 3);
        for (int k = 0; k < 3; ++k)
            if (int c = order(x[k], y[k])) return c;
        return 0;
    }
    case kx::type::Checkbox:
        return order(kx::raw::i16(Fixed(a, 2).data()) != 0, kx::raw::i16(Fixed(b, 2).data()) != 0);
    case kx::type::Unnamed:
        return order(kx::raw::i32(Fixed(a, 4).data()) != 0, kx::raw::i32(Fixed(b, 4).data()) != 0);
    default:
        return compareBytes(a, b);
    }
}
