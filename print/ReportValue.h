#pragma once
// How a chosen field's value becomes report text: the preparation that turns Label Only and
// Checkbox values into something printable, and the escaping every printed value gets.
// Both work on Windows-1252 text, before it is converted for the output.

#include <string>
#include <string_view>

// What the report needs to know about a chosen entry's field type.
enum class KxReportEntryKind {
    Value,     // every type whose formatted value prints as it is
    LabelOnly, // never holds a value; prints a blank so it counts as not empty
    Checkbox,  // formatted as "1" or "0"; prints as a checkbox mark
};

// The markers a prepared Checkbox value holds; escaping turns them into the glyphs.
inline constexpr std::string_view kxCheckedMark = "[CB1]";
inline constexpr std::string_view kxUncheckedMark = "[CB0]";

// A formatted value made ready for printing: an empty Label Only value becomes a single
// blank; a Checkbox value "1" becomes the checked mark and any other the unchecked mark.
std::string kxPrepareReportValue(std::string formatted, KxReportEntryKind kind);

// Escapes a value for HTML, then turns checkbox marks into glyphs. The ampersand goes first
// so entities are not escaped twice, the marks last so their markup is not escaped. A value
// the user typed with a mark in it prints as the glyph too.
std::string kxEscapeReportValue(std::string_view value);
