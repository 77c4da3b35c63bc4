#pragma once
// Text inside the program (database files, the engine) is Windows-1252 bytes; text at the
// program's edge (widgets, command line, delimited files, reports) is UTF-8. This is the one
// place where the two meet.
//
// The five bytes 1252 leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 control
// characters of the same number, as the platform's own converter did, so every byte string
// survives a trip to UTF-8 and back unchanged.

#include <string>
#include <string_view>

// Windows-1252 bytes to UTF-8. Never fails.
std::string kxToUtf8(std::string_view cp1252);

// UTF-8 to Windows-1252. A character 1252 cannot hold, and every byte of a malformed UTF-8
// sequence, becomes '?'; *lossy (when given) is set to whether that happened.
std::string kxFromUtf8(std::string_view utf8, bool* lossy = nullptr);

// Strict UTF-8 validation: no overlong forms, no surrogates, nothing above U+10FFFF.
// With allowTruncatedTail a sequence cut off by the end of the text is accepted, so a
// prefix of a larger file can be judged.
bool kxLooksLikeUtf8(std::string_view text, bool allowTruncatedTail = false);

inline constexpr std::string_view kxUtf8Bom = "\xEF\xBB\xBF";

inline bool kxHasUtf8Bom(std::string_view text) {
    return text.substr(0, 3) == kxUtf8Bom;
}

// The text without a leading UTF-8 byte order mark.
inline std::string_view kxStripUtf8Bom(std::string_view text) {
    return kxHasUtf8Bom(text) ? text.substr(kxUtf8Bom.size()) : text;
}

enum class KxTextEncoding { Utf8, Cp1252 };

// Outside text is UTF-8 unless it plainly is not: a byte order mark or valid UTF-8 means
// UTF-8, anything else is taken as Windows-1252. Give it the start of a file.
KxTextEncoding kxDetectEncoding(std::string_view sample, bool sampleIsWholeFile);
