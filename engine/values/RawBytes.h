#pragma once
// Reading and writing the fields of raw values. Raw values are kept exactly as the file
// stores them: little-endian.

#include "engine/Bytes.h"

#include <bit>
#include <cstdint>

namespace kx::raw {

inline std::int16_t i16(const std::uint8_t* p) {
    return static_cast<std::int16_t>(kx::le16(p));
}
inline std::int32_t i32(const std::uint8_t* p) {
    return static_cast<std::int32_t>(kx::le32(p));
}

inline double f64(const std::uint8_t* p) {
    const std::uint64_t bits = kx::le32(p) | (static_cast<std::uint64_t>(kx::le32(p + 4)) << 32);
    return std::bit_cast<double>(bits);
}

inline void putI16(std::uint8_t* p, std::int16_t v) {
    kx::putLe16(p, static_cast<std::uint16_t>(v));
}
inline void putI32(std::uint8_t* p, std::int32_t v) {
    kx::putLe32(p, static_cast<std::uint32_t>(v));
}

inline void putF64(std::uint8_t* p, double v) {
    const auto bits = std::bit_cast<std::uint64_t>(v);
    kx::putLe32(p, static_cast<std::uint32_t>(bits));
    kx::putLe32(p + 4, static_cast<std::uint32_t>(bits >> 32));
}

} // namespace kx::raw

#include <cstring>
#include <span>
#include <string_view>

namespace kx::raw {

// The text of a raw Text or Multiple Choice value: its bytes up to the first NUL.
inline std::string_view text(std::span<const std::uint8_t> raw) {
    const char* p = reinterpret_cast<const char*>(raw.data());
    const void* nul = raw.empty() ? nullptr : std::memchr(p, 0, raw.size());
    return {p, nul ? static_cast<std::size_t>(static_cast<const char*>(nul) - p) : raw.size()};
}

} // namespace kx::raw
