#include "platform/Cp1252.h"

#include <array>
#include <cstdint>
#include <cstring>

namespace {

// Code points of bytes 0x80..0x9F; the rest of the upper half equals Latin-1.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 80..87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, // 88..8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90..97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, // 98..9F
};

constexpr char32_t codePointOf(unsigned char byte) {
    return byte >= 0x80 && byte <= 0x9F ? kHighControls[byte - 0x80] : byte;
}

// UTF-8 form of every byte above 0x7F: length in [0], bytes after.
struct Encoded {
    std::uint8_t length;
    char bytes[3];
};

constexpr std::array<Encoded, 128> makeEncodings() {
    std::array<Encoded, 128> table{};
    for (unsigned b = 0x80; b <= 0xFF; ++b) {
        char32_t cp = codePointOf(static_cast<unsigned char>(b));
        Encoded& e = table[b - 0x80];
        if (cp < 0x800) {
            e.length = 2;
            e.bytes[0] = static_cast<char>(0xC0 | (cp >> 6));
            e.bytes[1] = static_cast<char>(0x80 | (cp & 0x3F));
        } else {
            e.length = 3;
            e.bytes[0] = static_cast<char>(0xE0 | (cp >> 12));
            e.bytes[1] = static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            e.bytes[2] = static_cast<char>(0x80 | (cp & 0x3F));
        }
    }
    return table;
}

constexpr std::array<Encoded, 128> kEncodings = makeEncodings();

// The 1252 byte of a code point, or 0 when 1252 has none.
unsigned char byteOf(char32_t cp) {
    if (cp < 0x80) return static_cast<unsigned char>(cp);
    if (cp >= 0xA0 && cp <= 0xFF) return static_cast<unsigned char>(cp);
    for (unsigned i = 0; i < kHighControls.size(); ++i)
        if (kHighControls[i] == cp) return static_cast<unsigned char>(0x80 + i);
    return 0;
}

// Length of the ASCII run at the start of [p, end), eight bytes at a time.
std::size_t asciiRun(const char* p, const char* end) {
    const char* start = p;
    while (end - p >= 8) {
        std::uint64_t word;
        std::memcpy(&word, p, 8);
        if (word & 0x8080808080808080ull) break;
        p += 8;
    }
    while (p < end && static_cast<unsigned char>(*p) < 0x80)
        ++p;
    return static_cast<std::size_t>(p - start);
}

enum class Decode { Ok, Invalid, Truncated };

// Decodes one non-ASCII sequence at p; on Ok sets cp and length.
Decode decodeOne(const unsigned char* p, const unsigned char* end, char32_t& cp,
                 std::size_t& length) {
    unsigned char lead = p[0];
    std::size_t need;
    char32_t min;
    if (lead >= 0xC2 && lead <= 0xDF) {
        need = 2, min = 0x80, cp = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        need = 3, min = 0x800, cp = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        need = 4, min = 0x10000, cp = lead & 0x07;
    } else {
        return Decode::Invalid;
    }
    for (std::size_t i = 1; i < need; ++i) {
        if (p + i >= end) return Decode::Truncated;
        if ((p[i] & 0xC0) != 0x80) return Decode::Invalid;
        cp = (cp << 6) | (p[i] & 0x3F);
        // Reject overlong forms, surrogates and values past U+10FFFF as early as the second
        // byte allows, so a truncated tail is judged the same way as a complete one.
        if (i == 1) {
            if (lead == 0xE0 && p[1] < 0xA0) return Decode::Invalid;
            if (lead == 0xED && p[1] > 0x9F) return Decode::Invalid;
            if (lead == 0xF0 && p[1] < 0x90) return Decode::Invalid;
            if (lead == 0xF4 && p[1] > 0x8F) return Decode::Invalid;
        }
    }
    if (cp < min) return Decode::Invalid;
    length = need;
    return Decode::Ok;
}

} // namespace

std::string kxToUtf8(std::string_view cp1252) {
    std::string out;
    out.reserve(cp1252.size() + cp1252.size() / 8);
    const char* p = cp1252.data();
    const char* end = p + cp1252.size();
    while (p < end) {
        std::size_t run = asciiRun(p, end);
        out.append(p, run);
        p += run;
        while (p < end && static_cast<unsigned char>(*p) >= 0x80) {
            const Encoded& e = kEncodings[static_cast<unsigned char>(*p) - 0x80];
            out.append(e.bytes, e.length);
            ++p;
        }
    }
    return out;
}

std::string kxFromUtf8(std::string_view utf8, bool* lossy) {
    std::string out;
    out.reserve(utf8.size());
    bool lost = false;
    const char* p = utf8.data();
    const char* end = p + utf8.size();
    while (p < end) {
        std::size_t run = asciiRun(p, end);
        out.append(p, run);
        p += run;
        if (p == end) break;
        char32_t cp = 0;
        std::size_t length = 0;
        auto* up = reinterpret_cast<const unsigned char*>(p);
        auto* uend = reinterpret_cast<const unsigned char*>(end);
        if (decodeOne(up, uend, cp, length) != Decode::Ok) {
            out.push_back('?');
            lost = true;
            ++p;
            continue;
        }
        unsigned char b = byteOf(cp);
        if (b == 0) {
            out.push_back('?');
            lost = true;
        } else {
            out.push_back(static_cast<char>(b));
        }
        p += length;
    }
    if (lossy) *lossy = lost;
    return out;
}

bool kxLooksLikeUtf8(std::string_view text, bool allowTruncatedTail) {
    auto* p = reinterpret_cast<const unsigned char*>(text.data());
    auto* end = p + text.size();
    while (p < end) {
        p += asciiRun(reinterpret_cast<const char*>(p), reinterpret_cast<const char*>(end));
        if (p == end) break;
        char32_t cp = 0;
        std::size_t length = 0;
        switch (decodeOne(p, end, cp, length)) {
        case Decode::Ok:
            p += length;
            break;
        case Decode::Truncated:
            return allowTruncatedTail;
        case Decode::Invalid:
            return false;
        }
    }
    return true;
}

KxTextEncoding kxDetectEncoding(std::string_view sample, bool sampleIsWholeFile) {
    if (kxHasUtf8Bom(sample)) return KxTextEncoding::Utf8;
    return kxLooksLikeUtf8(sample, !sampleIsWholeFile) ? KxTextEncoding::Utf8
                                                       : KxTextEncoding::Cp1252;
}
