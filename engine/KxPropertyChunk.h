#pragma once
// Keyed texts stored with the database (the print settings use keys 101 to 104 and 201 to 206).

#include "engine/KxChunk.h"

#include <map>
#include <optional>

class KxPropertyChunk : public KxChunk {
public:
    static constexpr std::size_t kMaxKeys = 100;
    static constexpr std::size_t kMaxValueLength = 1025;
    static constexpr std::uint32_t kFixedSize = 12;

    // Byte offsets inside the chunk. Each entry is an i16 key and a NUL-terminated text.
    static constexpr std::size_t kCountAt = 6; // u16
    static constexpr std::size_t kTableAt = 8; // u32: offset of the u32 entry offsets
    static constexpr std::uint32_t kKeySize = 2;

    KxPropertyChunk() : KxChunk(KxChunkTag::Properties) {}
    static std::unique_ptr<KxPropertyChunk> load(const kx::ByteReader& in);

    std::uint32_t byteSize() const override;
    void write(kx::ByteWriter& out) const override;

    std::optional<std::string> value(std::int16_t key) const;
    std::optional<int> number(std::int16_t key) const;
    // No value removes the key. Refused: a 101st key (13), a value over 1025 characters
    // (17), a chunk that would grow beyond 65280 bytes (25).
    void setValue(std::int16_t key, std::optional<std::string_view> text);
    void setNumber(std::int16_t key, int number);
    const std::map<std::int16_t, std::string>& entries() const { return entries_; }

private:
    std::map<std::int16_t, std::string> entries_;
};
