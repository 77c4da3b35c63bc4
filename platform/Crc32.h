#pragma once
// The standard CRC-32 (IEEE 802.3 polynomial in reflected form, initial value all ones,
// final complement), as used by zip and Ethernet.

#include <cstdint>
#include <string_view>

std::uint32_t kxCrc32(std::string_view bytes);

// Continues a checksum over further bytes: kxCrc32(a + b) == kxCrc32Update(kxCrc32(a), b).
std::uint32_t kxCrc32Update(std::uint32_t crc, std::string_view bytes);
