#pragma once
// Walks a date or time picture: runs of field letters and literal characters. Quoted text
// ('...') is literal, and two quotes in a row stand for one quote.

#include <string_view>

// Calls onField(letter, runLength) for each run of one of the given letters and
// onLiteral(character) for every other character, quotes resolved.
template <class OnField, class OnLiteral>
void kxWalkPicture(std::string_view picture, std::string_view letters, OnField&& onField,
                   OnLiteral&& onLiteral) {
    bool quoted = false;
    std::size_t i = 0;
    while (i < picture.size()) {
        const char c = picture[i];
        if (c == '\'') {
            if (i + 1 < picture.size() && picture[i + 1] == '\'') {
                onLiteral('\'');
                i += 2;
            } else {
                quoted = !quoted;
                ++i;
            }
            continue;
        }
        if (quoted || letters.find(c) == std::string_view::npos) {
            onLiteral(c);
            ++i;
            continue;
        }
        std::size_t end = i + 1;
        while (end < picture.size() && picture[end] == c)
            ++end;
        onField(c, static_cast<int>(end - i));
        i = end;
    }
}

inline constexpr std::string_view kxDateLetters = "dMy";
inline constexpr std::string_view kxTimeLetters = "hHmst";
