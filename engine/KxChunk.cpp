#include "engine/KxChunk.h"

#include <algorithm>

std::string KxName21::text() const {
    return std::string(raw_.data(), strnlen(raw_.data(), kSize - 1));
}

void KxName21::setText(std::string_view text) {
    raw_.fill(0);
    std::copy_n(text.data(), std::min(text.size(), kSize - 1), raw_.data());
}

void KxName21::load(const kx::ByteReader& in, std::size_t offset) {
    in.require(offset, kSize);
    std::copy_n(reinterpret_cast<const char*>(in.data() + offset), kSize, raw_.data());
}
