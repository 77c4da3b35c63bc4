#pragma once
// Little-endian reading and writing of the file's integers. Every offset a reader is given
// comes from outside input, so every access is bounds-checked and a bad one is damage.

#include "engine/KxDbError.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <string>
#include <vector>

namespace kx {

inline std::uint16_t le16(const std::uint8_t* p) {
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}
inline std::uint32_t le32(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
           (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}
inline void putLe16(std::uint8_t* p, std::uint16_t v) {
    p[0] = static_cast<std::uint8_t>(v);
    p[1] = static_cast<std::uint8_t>(v >> 8);
}
inline void putLe32(std::uint8_t* p, std::uint32_t v) {
    p[0] = static_cast<std::uint8_t>(v);
    p[1] = static_cast<std::uint8_t>(v >> 8);
    p[2] = static_cast<std::uint8_t>(v >> 16);
    p[3] = static_cast<std::uint8_t>(v >> 24);
}

// A read-only view of one chunk's bytes; any access outside it throws Damaged.
class ByteReader {
public:
    explicit ByteReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    std::size_t size() const { return bytes_.size(); }
    const std::uint8_t* data() const { return bytes_.data(); }

    void require(std::size_t offset, std::size_t length) const {
        if (offset > bytes_.size() || length > bytes_.size() - offset) throw KxDbError::Damaged;
    }
    std::uint8_t u8(std::size_t offset) const {
        require(offset, 1);
        return bytes_[offset];
    }
    std::uint16_t u16(std::size_t offset) const {
        require(offset, 2);
        return le16(bytes_.data() + offset);
    }
    std::uint32_t u32(std::size_t offset) const {
        require(offset, 4);
        return le32(bytes_.data() + offset);
    }
    std::string text(std::size_t offset, std::size_t length) const {
        require(offset, length);
        return std::string(reinterpret_cast<const char*>(bytes_.data() + offset), length);
    }
    // A NUL-terminated text inside a fixed-size field.
    std::string cString(std::size_t offset, std::size_t fieldSize) const {
        require(offset, fieldSize);
        const char* p = reinterpret_cast<const char*>(bytes_.data() + offset);
        return std::string(p, strnlen(p, fieldSize));
    }
    ByteReader sub(std::size_t offset, std::size_t length) const {
        require(offset, length);
        return ByteReader(bytes_.subspan(offset, length));
    }

private:
    std::span<const std::uint8_t> bytes_;
};

// Appends a chunk's bytes to a growing buffer; offsets are patched in place afterwards.
class ByteWriter {
public:
    explicit ByteWriter(std::vector<std::uint8_t>& out) : out_(out) {}

    std::size_t position() const { return out_.size(); }
    void u8(std::uint8_t v) { out_.push_back(v); }
    void u16(std::uint16_t v) {
        std::uint8_t b[2];
        putLe16(b, v);
        out_.insert(out_.end(), b, b + 2);
    }
    void u32(std::uint32_t v) {
        std::uint8_t b[4];
        putLe32(b, v);
        out_.insert(out_.end(), b, b + 4);
    }
    void bytes(const void* p, std::size_t n) {
        auto* b = static_cast<const std::uint8_t*>(p);
        out_.insert(out_.end(), b, b + n);
    }
    void bytes(std::string_view s) { bytes(s.data(), s.size()); }
    void zeros(std::size_t n) { out_.insert(out_.end(), n, 0); }
    void patch32(std::size_t at, std::uint32_t v) { putLe32(out_.data() + at, v); }
    void patch(std::size_t at, const void* p, std::size_t n) {
        std::memcpy(out_.data() + at, p, n);
    }

private:
    std::vector<std::uint8_t>& out_;
};

// Sizes and offsets are added in 64 bits so that nothing from a file can wrap them.
inline bool fitsInside(std::uint64_t offset, std::uint64_t length, std::uint64_t total) {
    return offset <= total && length <= total - offset;
}

} // namespace kx
