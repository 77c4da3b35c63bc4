#pragma once
// The saved searches of a database: search 0 is the unnamed working search, 1 and up are named.

#include "engine/KxChunk.h"

#include <vector>

struct KxStoredCriterion {
    std::uint8_t field = 0;    // a field position, 255 any text or number field, 254 the category
    std::uint8_t op = 0;       // the search operator
    std::string value;         // raw value bytes; empty when the operator needs none
};

struct KxStoredSearch {
    KxName21 name;
    std::uint8_t listOptionsSet = 255; // 255: the search keeps the current list options
    std::uint8_t reserved = 0;
    std::vector<KxStoredCriterion> criteria;

    std::uint32_t byteSize() const;
};

class KxSearchChunk : public KxChunk {
public:
    static constexpr std::size_t kMaxSearches = 20;
    static constexpr std::size_t kMaxCriteria = 250;
    static constexpr std::uint32_t kFixedSize = 12;
    static constexpr std::uint32_t kSearchFixedSize = 32;
    static constexpr std::uint32_t kCriterionFixedSize = 10;

    // Byte offsets inside the chunk; searches follow one another, each beginning with its
    // u32 size, and so do the criteria inside a search.
    static constexpr std::size_t kCountAt = 6;           // u8
    static constexpr std::size_t kCurrentAt = 7;         // u8, the last run search
    static constexpr std::size_t kSearchesAt = 8;        // u32: offset of the first search
    static constexpr std::size_t kCriterionCountAt = 4;  // in a search: u8
    static constexpr std::size_t kSearchNameAt = 5;      // 21-byte name
    static constexpr std::size_t kSearchListSetAt = 26;  // u8, 255 for none
    static constexpr std::size_t kSearchReservedAt = 27; // u8, kept as read
    static constexpr std::size_t kCriteriaAt = 28;       // u32: offset of the first criterion
    static constexpr std::size_t kCriterionFieldAt = 4;  // in a criterion: u8
    static constexpr std::size_t kCriterionOpAt = 5;     // u8
    static constexpr std::size_t kCriterionValueAt = 6;  // u32: offset of the raw value

    KxSearchChunk() : KxChunk(KxChunkTag::Searches) {}
    static std::unique_ptr<KxSearchChunk> load(const kx::ByteReader& in);

    std::uint32_t byteSize() const override;
    void write(kx::ByteWriter& out) const override;

    std::vector<KxStoredSearch> searches;
    std::uint8_t current = 0; // the last run search
};
