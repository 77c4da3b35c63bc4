#include "FileHeader.h"

#include <algorithm>
#include <cstring>

namespace {
constexpr std::string_view kSignature = "Vantorquelline KxDB";
constexpr std::size_t kNameOffset = 23;
constexpr std::size_t kNameField = 33;
constexpr std::size_t kTagOffset = 58;
constexpr std::size_t kCategoryTable = 66;
constexpr std::size_t kCategoryEntry = 18;
} // namespace

void KxFileHeader::reset() {
    image_.fill(0);
    kx::putLe32(image_.data(), kSize);
    std::memcpy(image_.data() + 4, kSignature.data(), kSignatureSize);
    kx::putLe16(image_.data() + 56, kFormatWord);
}

bool KxFileHeader::hasSignature(const std::uint8_t* bytes, std::size_t size) {
    return size >= 4 + kSignatureSize && std::memcmp(bytes + 4, kSignature.data(), kSignatureSize) == 0;
}

void KxFileHeader::load(const std::uint8_t* bytes) {
    std::array<std::uint8_t, kSize> image;
    std::memcpy(image.data(), bytes, kSize);
    const std::uint32_t size = kx::le32(image.data());
    const std::uint32_t count = kx::le32(image.data() + 356);
    if (size < kSize || !hasSignature(image.data(), kSize) ||
        std::memcmp(image.data() + kTagOffset, kRolvaTypeTag.data(), 4) != 0 ||
        kx::le32(image.data() + 360) != kSize || std::uint64_t{size} != kSize + 12ull * count)
        throw KxDbError::Damaged;
    image_ = image;
}

void KxFileHeader::prepareForWrite(std::uint32_t chunkCount) {
    kx::putLe32(image_.data(), static_cast<std::uint32_t>(kSize + 12 * chunkCount));
    kx::putLe16(image_.data() + 56, kFormatWord);
    kx::putLe32(image_.data() + 356, chunkCount);
    kx::putLe32(image_.data() + 360, kSize);
}

std::string KxFileHeader::databaseName() const {
    const char* p = reinterpret_cast<const char*>(image_.data() + kNameOffset);
    return std::string(p, strnlen(p, kMaxNameLength));
}

void KxFileHeader::setDatabaseName(std::string_view name) {
    std::fill_n(image_.data() + kNameOffset, kNameField, 0);
    std::memcpy(image_.data() + kNameOffset, name.data(), std::min(name.size(), kMaxNameLength));
}

void KxFileHeader::setTypeTag(std::string_view tag) {
    std::memcpy(image_.data() + kTagOffset, tag.data(), std::min<std::size_t>(tag.size(), 4));
}

std::string KxFileHeader::categoryName(std::size_t slot) const {
    const char* p = reinterpret_cast<const char*>(image_.data() + kCategoryTable + kCategoryEntry * slot);
    return std::string(p, strnlen(p, kCategoryNameSize - 1));
}

void KxFileHeader::setCategoryNameBytes(std::size_t slot, std::string_view name) {
    std::uint8_t* p = image_.data() + kCategoryTable + kCategoryEntry * slot;
    std::fill_n(p, kCategoryNameSize, 0);
    std::memcpy(p, name.data(), std::min(name.size(), kCategoryNameSize - 1));
}

std::uint16_t KxFileHeader::categoryId(std::size_t slot) const {
    return kx::le16(image_.data() + kCategoryTable + kCategoryEntry * slot + kCategoryNameSize);
}

void KxFileHeader::setCategoryId(std::size_t slot, std::uint16_t id) {
    kx::putLe16(image_.data() + kCategoryTable + kCategoryEntry * slot + kCategoryNameSize, id);
}
