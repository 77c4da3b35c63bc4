#pragma once
// Case-insensitive order of Windows-1252 texts, as names, text fields and categories are
// compared everywhere in the program.
//
// Every byte has a weight: controls and punctuation first (in byte order), then digits,
// then letters, each accented letter right after its base letter (a, à, á, ..., b, c, ç,
// ...). Upper- and lower-case forms of a letter share a weight, so case never matters while
// accents still tell words apart. Comparison is weight by weight; a text that is a prefix
// of another is the smaller.

#include <string>
#include <string_view>

// -1, 0 or 1.
int kxCompareTextNoCase(std::string_view a, std::string_view b);

inline bool kxEqualTextNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && kxCompareTextNoCase(a, b) == 0;
}

// The weights of a text as a byte string: comparing two keys byte by byte (as unsigned
// characters, which std::string's operator< does) gives the order of kxCompareTextNoCase.
// The key has one byte per byte of the text, so prefix and substring tests carry over.
std::string kxFoldKey(std::string_view text);

// Whether a Windows-1252 byte is a letter (ASCII or accented Latin).
bool kxIsLetter1252(unsigned char c);
