#pragma once
// The list of texts offered for a Text ("FF") or Multiple Choice ("CM") field.

#include "engine/KxChunk.h"

#include <vector>

class KxItemListChunk : public KxChunk {
public:
    static constexpr std::size_t kMaxItems = 4000;
    static constexpr std::size_t kMaxItemLength = 32768;
    static constexpr std::uint32_t kFixedSize = 14;

    // Byte offsets inside the chunk.
    static constexpr std::size_t kFieldPositionAt = 6; // u8, the field the list belongs to
    static constexpr std::size_t kReservedAt = 7;      // u8, kept as read
    static constexpr std::size_t kCountAt = 8;         // u16
    static constexpr std::size_t kTableAt = 10;        // u32: offset of the u32 item offsets

    KxItemListChunk(KxChunkTag tag, std::uint8_t fieldPosition);
    static std::unique_ptr<KxItemListChunk> load(const kx::ByteReader& in);

    std::uint32_t byteSize() const override;
    void write(kx::ByteWriter& out) const override;

    std::uint8_t fieldPosition() const { return fieldPosition_; }
    void setFieldPosition(std::uint8_t p) { fieldPosition_ = p; }

    std::size_t itemCount() const { return items_.size(); }
    const std::string& itemText(std::size_t index) const;
    // Each change checks the 4000-item and 65280-byte limits and cuts a text to 32768
    // characters; a refused change leaves the list as it was.
    std::size_t addItem(std::string_view text);
    void setItem(std::size_t index, std::string_view text);
    void moveItem(std::size_t from, std::size_t to);
    void deleteItem(std::size_t index);
    void clearItems() { items_.clear(); }

private:
    std::uint8_t fieldPosition_ = 0;
    std::uint8_t reserved_ = 0;
    std::vector<std::string> items_;
};
