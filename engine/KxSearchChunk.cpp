#include "engine/KxSearchChunk.h"

std::uint32_t KxStoredSearch::byteSize() const {
    std::size_t total = KxSearchChunk::kSearchFixedSize;
    for (const auto& c : criteria) total += KxSearchChunk::kCriterionFixedSize + c.value.size();
    return static_cast<std::uint32_t>(total);
}

namespace {

KxStoredCriterion loadCriterion(const kx::ByteReader& in) {
    const std::uint32_t valueOffset = in.u32(KxSearchChunk::kCriterionValueAt);
    if (valueOffset < KxSearchChunk::kCriterionFixedSize || valueOffset > in.size())
        throw KxDbError::Damaged;
    return {in.u8(KxSearchChunk::kCriterionFieldAt), in.u8(KxSearchChunk::kCriterionOpAt),
            in.text(valueOffset, in.size() - valueOffset)};
}

KxStoredSearch loadSearch(const kx::ByteReader& in) {
    KxStoredSearch search;
    const std::uint8_t count = in.u8(KxSearchChunk::kCriterionCountAt);
    if (count > KxSearchChunk::kMaxCriteria) throw KxDbError::Damaged;
    search.name.load(in, KxSearchChunk::kSearchNameAt);
    search.listOptionsSet = in.u8(KxSearchChunk::kSearchListSetAt);
    search.reserved = in.u8(KxSearchChunk::kSearchReservedAt);
    if (count == 0) return search;
    std::uint64_t at = in.u32(KxSearchChunk::kCriteriaAt);
    if (at < KxSearchChunk::kSearchFixedSize) throw KxDbError::Damaged;
    for (std::uint8_t i = 0; i < count; ++i) {
        if (!kx::fitsInside(at, 4, in.size())) throw KxDbError::Damaged;
        const std::uint32_t size = in.u32(at);
        if (size < KxSearchChunk::kCriterionFixedSize || !kx::fitsInside(at, size, in.size()))
            throw KxDbError::Damaged;
        search.criteria.push_back(loadCriterion(in.sub(at, size)));
        at += size;
    }
    return search;
}

} // namespace

std::unique_ptr<KxSearchChunk> KxSearchChunk::load(const kx::ByteReader& in) {
    auto chunk = std::make_unique<KxSearchChunk>();
    const std::uint8_t count = in.u8(kCountAt);
    chunk->current = in.u8(kCurrentAt);
    if (count > kMaxSearches) throw KxDbError::Damaged;
    if (count == 0) return chunk;
    std::uint64_t at = in.u32(kSearchesAt);
    if (at < kFixedSize) throw KxDbError::Damaged;
    for (std::uint8_t i = 0; i < count; ++i) {
        if (!kx::fitsInside(at, 4, in.size())) throw KxDbError::Damaged;
        const std::uint32_t size = in.u32(at);
        if (size < kSearchFixedSize || !kx::fitsInside(at, size, in.size()))
            throw KxDbError::Damaged;
        chunk->searches.push_back(loadSearch(in.sub(at, size)));
        at += size;
    }
    return chunk;
}

std::uint32_t KxSearchChunk::byteSize() const {
    std::size_t total = kFixedSize;
    for (const auto& s : searches) total += s.byteSize();
    return static_cast<std::uint32_t>(total);
}

void KxSearchChunk::write(kx::ByteWriter& out) const {
    out.u32(byteSize());
    out.u16(static_cast<std::uint16_t>(tag()));
    out.u8(static_cast<std::uint8_t>(searches.size()));
    out.u8(current);
    out.u32(kFixedSize);
    for (const auto& s : searches) {
        out.u32(s.byteSize());
        out.u8(static_cast<std::uint8_t>(s.criteria.size()));
        out.bytes(s.name.raw().data(), KxName21::kSize);
        out.u8(s.listOptionsSet);
        out.u8(s.reserved);
        out.u32(kSearchFixedSize);
        for (const auto& c : s.criteria) {
            out.u32(kCriterionFixedSize + static_cast<std::uint32_t>(c.value.size()));
            out.u8(c.field);
            out.u8(c.op);
            out.u32(kCriterionFixedSize);
            out.bytes(c.value);
        }
    }
}
