#pragma once
// The saved searches of a database: search 0 is the unnamed working search, 1 and up are named.

#include "Chunk.h"

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

    KxSearchChunk() : KxChunk(KxChunkTag::Searches) {}
    static std::unique_ptr<KxSearchChunk> load(const kx::ByteReader& in);

    std::uint32_t byteSize() const override;
    void write(kx::ByteWriter& out) const override;

    std::vector<KxStoredSearch> searches;
    std::uint8_t current = 0; // the last run search
};
