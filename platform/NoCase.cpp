#include "platform/NoCase.h"

namespace {

// Lower-case partner of a two-byte UTF-8 sequence (lead, trail), or the same pair.
void foldTwoByte(unsigned char& lead, unsigned char& trail) {
    if (lead == 0xC3) {
        // U+00C0..U+00DE except U+00D7 (multiplication sign)
        if (trail >= 0x80 && trail <= 0x9E && trail != 0x97) trail += 0x20;
    } else if (lead == 0xC5) {
        // U+0152 Œ, U+0160 Š, U+017D Ž
        if (trail == 0x92 || trail == 0xA0 || trail == 0xBD) trail += 1;
        // U+0178 Ÿ folds to U+00FF ÿ
        else if (trail == 0xB8)
            lead = 0xC3, trail = 0xBF;
    }
}

bool isContinuation(unsigned char c) {
    return (c & 0xC0) == 0x80;
}

} // namespace

std::string kxFoldCase(std::string_view text) {
    std::string out(text);
    for (std::size_t i = 0; i < out.size(); ++i) {
        auto c = static_cast<unsigned char>(out[i]);
        if (c >= 'A' && c <= 'Z') {
            out[i] = static_cast<char>(c + 0x20);
        } else if ((c == 0xC3 || c == 0xC5) && i + 1 < out.size() &&
                   isContinuation(static_cast<unsigned char>(out[i + 1]))) {
            auto lead = c;
            auto trail = static_cast<unsigned char>(out[i + 1]);
            foldTwoByte(lead, trail);
            out[i] = static_cast<char>(lead);
            out[i + 1] = static_cast<char>(trail);
            ++i;
        }
    }
    return out;
}

bool kxEqualNoCase(std::string_view a, std::string_view b) {
    // Folding keeps the length of every character, so texts of different sizes never match.
    return a.size() == b.size() && kxFoldCase(a) == kxFoldCase(b);
}

bool kxStartsWithNoCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && kxEqualNoCase(text.substr(0, prefix.size()), prefix);
}
