#include "print/PrintableHtml.h"

#include <array>
#include <utility>

namespace {
// The marks exactly as the report escapes them.
constexpr std::array<std::pair<std::string_view, std::string_view>, 2> kMarks{{
    {"<FONT FACE=\"Wingdings\">&#254</FONT>", "\u2611"},
    {"<FONT FACE=\"Wingdings\">&#168</FONT>", "\u2610"},
}};
} // namespace

std::string kxWithCheckMarkGlyphs(std::string_view html) {
    std::string out;
    out.reserve(html.size());
    std::size_t at = 0;
    while (at < html.size()) {
        const std::size_t next = html.find("<FONT FACE=\"Wingdings\">&#", at);
        if (next == std::string_view::npos) break;
        out.append(html.substr(at, next - at));
        at = next;
        bool swapped = false;
        for (const auto& [mark, glyph] : kMarks) {
            if (html.substr(at, mark.size()) == mark) {
                out.append(glyph);
                at += mark.size();
                swapped = true;
                break;
            }
        }
        if (!swapped) out += html[at++];
    }
    out.append(html.substr(at));
    return out;
}
