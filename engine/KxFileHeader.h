#pragma once
// The fixed 380-byte header at the start of every database file.

#include "engine/Bytes.h"

#include <array>
#include <string>
#include <string_view>

class KxFileHeader {
public:
    static constexpr std::size_t kSize = 380;
    static constexpr std::size_t kSignatureSize = 19;
    static constexpr std::size_t kCategoryCount = 16;
    static constexpr std::size_t kCategoryNameSize = 16;
    static constexpr std::size_t kMaxNameLength = 31;
    static constexpr std::uint16_t kFormatWord = 512;

    // Byte offsets inside the header.
    static constexpr std::size_t kHeaderSizeAt = 0; // u32: header plus directory
    static constexpr std::size_t kSignatureAt = 4;  // 19 characters, no terminator
    static constexpr std::size_t kNameAt = 23;      // 33-byte field, NUL-terminated name
    static constexpr std::size_t kNameFieldSize = 33;
    static constexpr std::size_t kFormatWordAt = 56; // u16
    static constexpr std::size_t kTypeTagAt = 58;    // 4 characters
    static constexpr std::size_t kTypeTagSize = 4;
    static constexpr std::size_t kListPaneShareAt = 62;     // u8, percent
    static constexpr std::size_t kNamedCategoryMaskAt = 64; // u16, one bit per slot
    static constexpr std::size_t kCategoryTableAt = 66;     // 16 entries of 18 bytes
    static constexpr std::size_t kCategoryEntrySize = 18;   // name (16) and id (u16)
    static constexpr std::size_t kLastCategoryIdAt = 354;   // u16
    static constexpr std::size_t kChunkCountAt = 356;       // u32
    static constexpr std::size_t kDirectoryAt = 360;        // u32, always kSize

    // The chunk directory follows the header: one 12-byte entry per chunk.
    static constexpr std::size_t kDirEntrySize = 12;
    static constexpr std::size_t kDirChunkOffsetAt = 0; // u32, file offset of the chunk
    static constexpr std::size_t kDirReservedAt = 4;    // u32, kept as read
    static constexpr std::size_t kDirCategoryAt = 8;    // u16, category slot 0..15
    static constexpr std::size_t kDirAttributesAt = 10; // u8
    static constexpr std::size_t kDirReserved2At = 11;  // u8, kept as read

    KxFileHeader() { reset(); }
    void reset(); // all zero but the size, the signature and the format word

    // Whether the first bytes of a file carry the signature every database file begins with.
    static bool hasSignature(const std::uint8_t* bytes, std::size_t size);
    // Loads and checks the image: signature, type tag, directory offset and header size.
    void load(const std::uint8_t* bytes);
    const std::array<std::uint8_t, kSize>& image() const { return image_; }

    std::uint32_t headerSize() const { return kx::le32(image_.data()); }
    std::uint32_t chunkCount() const { return kx::le32(image_.data() + kChunkCountAt); }
    // Header size, chunk count, directory offset and format word for a directory of n entries.
    void prepareForWrite(std::uint32_t chunkCount);

    std::string databaseName() const;
    void setDatabaseName(std::string_view name); // cut to 31 characters
    void setTypeTag(std::string_view tag);
    std::uint8_t listPaneShare() const { return image_[kListPaneShareAt]; }
    void setListPaneShare(std::uint8_t percent) { image_[kListPaneShareAt] = percent; }

    std::uint16_t namedCategoryMask() const {
        return kx::le16(image_.data() + kNamedCategoryMaskAt);
    }
    void setNamedCategoryMask(std::uint16_t m) {
        kx::putLe16(image_.data() + kNamedCategoryMaskAt, m);
    }
    std::string categoryName(std::size_t slot) const;
    void setCategoryNameBytes(std::size_t slot, std::string_view name); // zero-padded, cut to 15
    std::uint16_t categoryId(std::size_t slot) const;
    void setCategoryId(std::size_t slot, std::uint16_t id);
    std::uint16_t lastCategoryId() const { return kx::le16(image_.data() + kLastCategoryIdAt); }
    void setLastCategoryId(std::uint16_t id) { kx::putLe16(image_.data() + kLastCategoryIdAt, id); }

  private:
    std::array<std::uint8_t, kSize> image_{};
};

inline constexpr std::string_view kRolvaTypeTag = "bdXk";
