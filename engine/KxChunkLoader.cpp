#include "engine/KxChunkLoader.h"

#include "engine/KxItemListChunk.h"
#include "engine/KxPropertyChunk.h"
#include "engine/KxRemovalLog.h"
#include "engine/KxSearchChunk.h"

#include <algorithm>
#include <cstring>

void KxChunkLoader::read(std::uint64_t offset, void* buffer, std::size_t n) {
    const std::uint64_t end = offset + n;
    if (offset < windowStart_ || end > windowStart_ + window_.size()) {
        window_.resize(std::max(kWindow, n));
        const std::size_t got = file_.readAt(offset, window_.data(), window_.size());
        window_.resize(got);
        windowStart_ = offset;
        if (got < n) throw KxDbError::Damaged;
    }
    std::memcpy(buffer, window_.data() + (offset - windowStart_), n);
}

std::unique_ptr<KxChunk> kxLoadSchemaChunk(const kx::ByteReader& in) {
    const auto tag = static_cast<KxChunkTag>(in.u16(kChunkTagAt));
    auto atLeast = [&](std::size_t minimum) {
        if (in.size() < minimum) throw KxDbError::Damaged;
    };
    switch (tag) {
    case KxChunkTag::TextList:
    case KxChunkTag::ChoiceList:
        atLeast(KxItemListChunk::kFixedSize);
        return KxItemListChunk::load(in);
    case KxChunkTag::RemovalLog:
        atLeast(KxRemovalLog::kFixedSize);
        return KxRemovalLog::load(in);
    case KxChunkTag::Properties:
        atLeast(KxPropertyChunk::kFixedSize);
        return KxPropertyChunk::load(in);
    case KxChunkTag::Searches:
        atLeast(KxSearchChunk::kFixedSize);
        return KxSearchChunk::load(in);
    default:
        throw KxDbError::Damaged;
    }
}
