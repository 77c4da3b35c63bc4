#include "engine/KxFileHeader.h"

#include <algorithm>
#include <cstring>

namespace {
constexpr std::string_view kSignature = "Vantorquelline KxDB";
} // namespace

void KxFileHeader::reset() {
    image_.fill(0);
    kx::putLe32(image_.data() + kHeaderSizeAt, kSize);
    std::memcpy(image_.data() + kSignatureAt, kSignature.data(), kSignatureSize);
    kx::putLe16(image_.data() + kFormatWordAt, kFormatWord);
}

bool KxFileHeader::hasSignature(const std::uint8_t* bytes, std::size_t size) {
    return size >= kSignatureAt + kSignatureSize &&
           std::memcmp(bytes + kSignatureAt, kSignature.data(), kSignatureSize) == 0;
}

void KxFileHeader::load(const std::uint8_t* bytes) {
    std::array<std::uint8_t, kSize> image;
    std::memcpy(image.data(), bytes, kSize);
    const std::uint32_t size = kx::le32(image.data() + kHeaderSizeAt);
    const std::uint32_t count = kx::le32(image.data() + kChunkCountAt);
    if (size < kSize || !hasSignature(image.data(), kSize) ||
        std::memcmp(image.data() + kTypeTagAt, kRolvaTypeTag.data(), kTypeTagSize) != 0 ||
        kx::le32(image.data() + kDirectoryAt) != kSize ||
        std::uint64_t{size} != kSize + std::uint64_t{kDirEntrySize} * count)
        throw KxDbError::Damaged;
    image_ = image;
}

void KxFileHeader::prepareForWrite(std::uint32_t chunkCount) {
    kx::putLe32(image_.data() + kHeaderSizeAt,
                static_cast<std::uint32_t>(kSize + kDirEntrySize * chunkCount));
    kx::putLe16(image_.data() + kFormatWordAt, kFormatWord);
    kx::putLe32(image_.data() + kChunkCountAt, chunkCount);
    kx::putLe32(image_.data() + kDirectoryAt, kSize);
}

std::string KxFileHeader::databaseName() const {
    const char* p = reinterpret_cast<const char*>(image_.data() + kNameAt);
    return std::string(p, strnlen(p, kMaxNameLength));
}

void KxFileHeader::setDatabaseName(std::string_view name) {
    std::fill_n(image_.data() + kNameAt, kNameFieldSize, 0);
    std::memcpy(image_.data() + kNameAt, name.data(), std::min(name.size(), kMaxNameLength));
}

void KxFileHeader::setTypeTag(std::string_view tag) {
    std::memcpy(image_.data() + kTypeTagAt, tag.data(), std::min(tag.size(), kTypeTagSize));
}

std::string KxFileHeader::categoryName(std::size_t slot) const {
    const char* p =
        reinterpret_cast<const char*>(image_.data() + kCategoryTableAt + kCategoryEntrySize * slot);
    return std::string(p, strnlen(p, kCategoryNameSize - 1));
}

void KxFileHeader::setCategoryNameBytes(std::size_t slot, std::string_view name) {
    std::uint8_t* p = image_.data() + kCategoryTableAt + kCategoryEntrySize * slot;
    std::fill_n(p, kCategoryNameSize, 0);
    std::memcpy(p, name.data(), std::min(name.size(), kCategoryNameSize - 1));
}

std::uint16_t KxFileHeader::categoryId(std::size_t slot) const {
    return kx::le16(image_.data() + kCategoryTableAt + kCategoryEntrySize * slot +
                    kCategoryNameSize);
}

void KxFileHeader::setCategoryId(std::size_t slot, std::uint16_t id) {
    kx::putLe16(image_.data() + kCategoryTableAt + kCategoryEntrySize * slot + kCategoryNameSize,
                id);
}
