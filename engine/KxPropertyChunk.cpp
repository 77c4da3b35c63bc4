#include "engine/KxPropertyChunk.h"

#include <charconv>
#include <cstring>

std::unique_ptr<KxPropertyChunk> KxPropertyChunk::load(const kx::ByteReader& in) {
    auto map = std::make_unique<KxPropertyChunk>();
    const std::uint16_t count = in.u16(kCountAt);
    if (count == 0) return map;
    if (count > kMaxKeys) throw KxDbError::Damaged;
    const std::uint32_t table = in.u32(kTableAt);
    if (table < kFixedSize || !kx::fitsInside(table, 4ull * count, in.size()))
        throw KxDbError::Damaged;
    std::uint32_t previous = table + 4u * count;
    for (std::uint16_t i = 0; i < count; ++i) {
        const std::uint32_t start = in.u32(table + 4u * i);
        const std::uint32_t end = i + 1 < count ? in.u32(table + 4u * (i + 1)) : in.size();
        if (start < previous || end < start || end > in.size()) throw KxDbError::Damaged;
        previous = start;
        const std::uint32_t length = end - start;
        if (length == 0) continue;             // an empty slot
        if (length < kKeySize) throw KxDbError::Damaged;
        if (length == kKeySize) continue; // a key without a value
        const auto key = static_cast<std::int16_t>(in.u16(start));
        const std::string raw = in.text(start + kKeySize, length - kKeySize);
        map->entries_[key] = raw.substr(0, strnlen(raw.c_str(), raw.size()));
    }
    return map;
}

std::uint32_t KxPropertyChunk::byteSize() const {
    std::size_t total = kFixedSize + 6 * entries_.size();
    for (const auto& [key, text] : entries_) total += text.size() + 1;
    return static_cast<std::uint32_t>(total);
}

void KxPropertyChunk::write(kx::ByteWriter& out) const {
    out.u32(byteSize());
    out.u16(static_cast<std::uint16_t>(tag()));
    out.u16(static_cast<std::uint16_t>(entries_.size()));
    out.u32(kFixedSize);
    std::uint32_t offset = kFixedSize + 4 * static_cast<std::uint32_t>(entries_.size());
    for (const auto& [key, text] : entries_) {
        out.u32(offset);
        offset += kKeySize + static_cast<std::uint32_t>(text.size()) + 1;
    }
    for (const auto& [key, text] : entries_) {
        out.u16(static_cast<std::uint16_t>(key));
        out.bytes(text);
        out.u8(0);
    }
}

std::optional<std::string> KxPropertyChunk::value(std::int16_t key) const {
    auto it = entries_.find(key);
    if (it == entries_.end()) return std::nullopt;
    return it->second;
}

std::optional<int> KxPropertyChunk::number(std::int16_t key) const {
    auto text = value(key);
    if (!text) return std::nullopt;
    int result = 0;
    const char* begin = text->c_str();
    if (*begin == '+') ++begin;
    auto [ptr, ec] = std::from_chars(begin, text->c_str() + text->size(), result);
    if (ec != std::errc()) return std::nullopt;
    (void)ptr;
    return result;
}

void KxPropertyChunk::setValue(std::int16_t key, std::optional<std::string_view> text) {
    auto it = entries_.find(key);
    if (!text) {
        if (it != entries_.end()) entries_.erase(it);
        return;
    }
    // A value is a C string in the file: it ends at its first NUL.
    std::string_view value = text->substr(0, strnlen(text->data(), text->size()));
    if (value.size() > kMaxValueLength) throw KxDbError::TextTooLong;
    std::size_t grown = byteSize();
    if (it == entries_.end()) {
        if (entries_.size() >= kMaxKeys) throw KxDbError::LimitReached;
        grown += 6 + value.size() + 1;
    } else {
        grown = grown - it->second.size() + value.size();
    }
    if (grown > kMaxChunkSize) throw KxDbError::TooLarge;
    entries_[key] = std::string(value);
}

void KxPropertyChunk::setNumber(std::int16_t key, int number) {
    setValue(key, std::to_string(number));
}
