#pragma once
// The fixed 380-byte header at the start of every database file.

#include "Bytes.h"

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

    KxFileHeader() { reset(); }
    void reset(); // all zero but the size, the signature and the format word

    // Whether the first bytes of a file carry the signature every database file begins with.
    static bool hasSignature(const std::uint8_t* bytes, std::size_t size);
    // Loads and checks the image: signature, type tag, directory offset and header size.
    void load(const std::uint8_t* bytes);
    const std::array<std::uint8_t, kSize>& image() const { return image_; }

    std::uint32_t headerSize() const { return kx::le32(image_.data()); }
    std::uint32_t chunkCount() const { return kx::le32(image_.data() + 356); }
    // Header size, chunk count, directory offset and format word for a directory of n entries.
    void prepareForWrite(std::uint32_t chunkCount);

    std::string databaseName() const;
    void setDatabaseName(std::string_view name); // cut to 31 characters
    void setTypeTag(std::string_view tag);
    std::uint8_t listPaneShare() const { return image_[62]; }
    void setListPaneShare(std::uint8_t percent) { image_[62] = percent; }

    std::uint16_t namedCategoryMask() const { return kx::le16(image_.data() + 64); }
    void setNamedCategoryMask(std::uint16_t m) { kx::putLe16(image_.data() + 64, m); }
    std::string categoryName(std::size_t slot) const;
    void setCategoryNameBytes(std::size_t slot, std::string_view name); // zero-padded, cut to 15
    std::uint16_t categoryId(std::size_t slot) const;
    void setCategoryId(std::size_t slot, std::uint16_t id);
    std::uint16_t lastCategoryId() const { return kx::le16(image_.data() + 354); }
    void setLastCategoryId(std::uint16_t id) { kx::putLe16(image_.data() + 354, id); }

private:
    std::array<std::uint8_t, kSize> image_{};
};

inline constexpr std::string_view kRolvaTypeTag = "bdXk";
