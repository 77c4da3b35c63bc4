#pragma once
// Names the user sees as equal when only their case differs: settings section and key
// names, handheld user names. Text here is UTF-8; letters fold the way the platform folded
// its Windows-1252 names (ASCII, the accented Latin letters, Š Œ Ž Ÿ). Bytes that are not
// valid UTF-8 compare as they are.

#include <string>
#include <string_view>

// The lower-case form used as a comparison key.
std::string kxFoldCase(std::string_view text);

bool kxEqualNoCase(std::string_view a, std::string_view b);

// Whether text begins with prefix, ignoring case.
bool kxStartsWithNoCase(std::string_view text, std::string_view prefix);
