#pragma once
// A chunk is one self-describing block of the database file: a 4-byte size, a 2-byte tag
// and the kind's content. Chunks are owned by their directory entry.

#include "engine/Bytes.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

enum class KxChunkTag : std::uint16_t {
    Header = 0x4844,     // "DH": schema and settings, always first
    Record = 0x4441,     // "AD": one record
    TextList = 0x4646,   // "FF": item list of a Text field
    ChoiceList = 0x4D43, // "CM": item list of a Multiple Choice field
    RemovalLog = 0x444C, // "LD": identities of permanently removed records
    Properties = 0x5046, // "FP": print settings and other keyed texts
    Searches = 0x5353,   // "SS": saved searches
};

// No chunk of the file may be larger than this.
inline constexpr std::uint32_t kMaxChunkSize = 65280;

// Every chunk begins with its size (4 bytes, framing included) and its tag (2 bytes).
inline constexpr std::size_t kChunkSizeAt = 0;
inline constexpr std::size_t kChunkTagAt = 4;
inline constexpr std::uint32_t kChunkFrameSize = 6;

class KxChunk {
public:
    explicit KxChunk(KxChunkTag tag) : tag_(tag) {}
    virtual ~KxChunk() = default;
    KxChunk(const KxChunk&) = default;
    KxChunk& operator=(const KxChunk&) = default;

    KxChunkTag tag() const { return tag_; }
    // The size the chunk has when written now, framing included.
    virtual std::uint32_t byteSize() const = 0;
    // Appends exactly byteSize() bytes, with every internal offset recomputed.
    virtual void write(kx::ByteWriter& out) const = 0;

private:
    KxChunkTag tag_;
};

// A fixed 21-byte name field: NUL-terminated, at most 20 characters. The raw bytes are kept
// so that whatever follows the terminator in a file is written back unchanged.
class KxName21 {
public:
    static constexpr std::size_t kSize = 21;
    std::string text() const;
    void setText(std::string_view text);
    const std::array<char, kSize>& raw() const { return raw_; }
    void load(const kx::ByteReader& in, std::size_t offset);

private:
    std::array<char, kSize> raw_{};
};

// The identity of a record for its whole life: creating desktop, creation second, sequence.
struct KxRecordIdentity {
    std::uint32_t userId = 0;
    std::uint32_t created = 0;
    std::uint16_t sequence = 0;
    bool operator==(const KxRecordIdentity&) const = default;
};
