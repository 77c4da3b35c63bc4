#include "engine/TextCollation.h"

#include <array>
#include <cstdint>

namespace {

// An accented letter of Windows-1252 and the base letter it sorts after; upper is 0 for
// the letters without an upper-case form (ƒ, ß).
struct Accented {
    char base;
    unsigned char lower;
    unsigned char upper;
};

// In the order they follow their base letter.
constexpr Accented kAccented[] = {
    {'a', 0xE0, 0xC0}, {'a', 0xE1, 0xC1}, {'a', 0xE2, 0xC2}, {'a', 0xE3, 0xC3},
    {'a', 0xE4, 0xC4}, {'a', 0xE5, 0xC5}, {'a', 0xE6, 0xC6}, // à á â ã ä å æ
    {'c', 0xE7, 0xC7},                                       // ç
    {'d', 0xF0, 0xD0},                                       // ð
    {'e', 0xE8, 0xC8}, {'e', 0xE9, 0xC9}, {'e', 0xEA, 0xCA}, {'e', 0xEB, 0xCB}, // è é ê ë
    {'f', 0x83, 0},                                                             // ƒ
    {'i', 0xEC, 0xCC}, {'i', 0xED, 0xCD}, {'i', 0xEE, 0xCE}, {'i', 0xEF, 0xCF}, // ì í î ï
    {'n', 0xF1, 0xD1},                                                          // ñ
    {'o', 0xF2, 0xD2}, {'o', 0xF3, 0xD3}, {'o', 0xF4, 0xD4}, {'o', 0xF5, 0xD5},
    {'o', 0xF6, 0xD6}, {'o', 0xF8, 0xD8}, {'o', 0x9C, 0x8C}, // ò ó ô õ ö ø œ
    {'s', 0x9A, 0x8A}, {'s', 0xDF, 0},                       // š ß
    {'t', 0xFE, 0xDE},                                       // þ
    {'u', 0xF9, 0xD9}, {'u', 0xFA, 0xDA}, {'u', 0xFB, 0xDB}, {'u', 0xFC, 0xDC}, // ù ú û ü
    {'y', 0xFD, 0xDD}, {'y', 0xFF, 0x9F},                                       // ý ÿ
    {'z', 0x9E, 0x8E},                                                          // ž
};

using Weights = std::array<std::uint8_t, 256>;

constexpr bool isLetterByte(unsigned c) {
    if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')) return true;
    for (const Accented& a : kAccented)
        if (c == a.lower || (a.upper != 0 && c == a.upper)) return true;
    return false;
}

constexpr bool isDigitByte(unsigned c) {
    return c >= '0' && c <= '9';
}

// Punctuation and controls first in byte order, then digits, then the letters.
constexpr Weights buildWeights() {
    Weights w{};
    unsigned next = 0;
    for (unsigned c = 0; c < 256; ++c)
        if (!isLetterByte(c) && !isDigitByte(c)) w[c] = static_cast<std::uint8_t>(next++);
    for (unsigned c = '0'; c <= '9'; ++c)
        w[c] = static_cast<std::uint8_t>(next++);
    for (unsigned base = 'a'; base <= 'z'; ++base) {
        w[base] = w[base - 'a' + 'A'] = static_cast<std::uint8_t>(next++);
        for (const Accented& a : kAccented) {
            if (static_cast<unsigned>(a.base) != base) continue;
            w[a.lower] = static_cast<std::uint8_t>(next);
            if (a.upper != 0) w[a.upper] = static_cast<std::uint8_t>(next);
            ++next;
        }
    }
    return w;
}

constexpr Weights kWeights = buildWeights();
static_assert(kWeights['A'] == kWeights['a'] && kWeights['a'] < kWeights[0xE0] &&
              kWeights[0xE6] < kWeights['b'] && kWeights['9'] < kWeights['a']);

constexpr std::array<bool, 256> buildLetters() {
    std::array<bool, 256> letters{};
    for (unsigned c = 0; c < 256; ++c)
        letters[c] = isLetterByte(c);
    return letters;
}

constexpr std::array<bool, 256> kLetters = buildLetters();

inline std::uint8_t weight(char c) {
    return kWeights[static_cast<unsigned char>(c)];
}

} // namespace

int kxCompareTextNoCase(std::string_view a, std::string_view b) {
    const std::size_t common = a.size() < b.size() ? a.size() : b.size();
    for (std::size_t k = 0; k < common; ++k) {
        const std::uint8_t wa = weight(a[k]);
        const std::uint8_t wb = weight(b[k]);
        if (wa != wb) return wa < wb ? -1 : 1;
    }
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

std::string kxFoldKey(std::string_view text) {
    std::string key(text.size(), '\0');
    for (std::size_t k = 0; k < text.size(); ++k)
        key[k] = static_cast<char>(weight(text[k]));
    return key;
}

bool kxIsLetter1252(unsigned char c) {
    return kLetters[c];
}
