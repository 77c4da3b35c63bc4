#include "engine/KxItemListChunk.h"

#include <algorithm>

KxItemListChunk::KxItemListChunk(KxChunkTag tag, std::uint8_t fieldPosition)
    : KxChunk(tag), fieldPosition_(fieldPosition) {}

std::unique_ptr<KxItemListChunk> KxItemListChunk::load(const kx::ByteReader& in) {
    const std::uint32_t size = static_cast<std::uint32_t>(in.size());
    auto chunk = std::make_unique<KxItemListChunk>(static_cast<KxChunkTag>(in.u16(kChunkTagAt)),
                                                   in.u8(kFieldPositionAt));
    chunk->reserved_ = in.u8(kReservedAt);
    const std::uint16_t count = in.u16(kCountAt);
    if (count == 0) return chunk;
    if (count > kMaxItems) throw KxDbError::Damaged;
    const std::uint32_t table = in.u32(kTableAt);
    if (table < kFixedSize || !kx::fitsInside(table, 4ull * count, size)) throw KxDbError::Damaged;
    chunk->items_.reserve(count);
    std::uint32_t previous = table + 4u * count;
    for (std::uint16_t i = 0; i < count; ++i) {
        const std::uint32_t start = in.u32(table + 4u * i);
        const std::uint32_t end = i + 1 < count ? in.u32(table + 4u * (i + 1)) : size;
        if (start < previous || end < start || end > size) throw KxDbError::Damaged;
        chunk->items_.push_back(in.text(start, end - start));
        previous = start;
    }
    return chunk;
}

std::uint32_t KxItemListChunk::byteSize() const {
    std::size_t total = kFixedSize + 4 * items_.size();
    for (const auto& item : items_) total += item.size();
    return static_cast<std::uint32_t>(total);
}

void KxItemListChunk::write(kx::ByteWriter& out) const {
    out.u32(byteSize());
    out.u16(static_cast<std::uint16_t>(tag()));
    out.u8(fieldPosition_);
    out.u8(reserved_);
    out.u16(static_cast<std::uint16_t>(items_.size()));
    out.u32(kFixedSize);
    std::uint32_t offset = kFixedSize + 4 * static_cast<std::uint32_t>(items_.size());
    for (const auto& item : items_) {
        out.u32(offset);
        offset += static_cast<std::uint32_t>(item.size());
    }
    for (const auto& item : items_) out.bytes(item);
}

const std::string& KxItemListChunk::itemText(std::size_t index) const {
    if (index >= items_.size()) throw KxDbError::LimitReached;
    return items_[index];
}

std::size_t KxItemListChunk::addItem(std::string_view text) {
    if (items_.size() >= kMaxItems) throw KxDbError::LimitReached;
    text = text.substr(0, kMaxItemLength);
    if (byteSize() + text.size() + 4 > kMaxChunkSize) throw KxDbError::TooLarge;
    items_.emplace_back(text);
    return items_.size() - 1;
}

void KxItemListChunk::setItem(std::size_t index, std::string_view text) {
    if (index >= items_.size()) throw KxDbError::LimitReached;
    text = text.substr(0, kMaxItemLength);
    if (byteSize() + text.size() - items_[index].size() > kMaxChunkSize) throw KxDbError::TooLarge;
    items_[index] = std::string(text);
}

void KxItemListChunk::moveItem(std::size_t from, std::size_t to) {
    if (from >= items_.size() || to > items_.size()) throw KxDbError::LimitReached;
    if (to == from || to == from + 1) return;
    std::string item = std::move(items_[from]);
    items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(from));
    if (to > from) --to;
    items_.insert(items_.begin() + static_cast<std::ptrdiff_t>(to), std::move(item));
}

void KxItemListChunk::deleteItem(std::size_t index) {
    if (index >= items_.size()) throw KxDbError::LimitReached;
    items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(index));
}
