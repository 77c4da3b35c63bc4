#include "print/render/HtmlTags.h"

#include <algorithm>
#include <cctype>

char kxLowerAscii(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }

std::size_t kxFindNoCase(std::string_view text, std::string_view what, std::size_t from) {
    const auto it = std::search(text.begin() + static_cast<long>(std::min(from, text.size())), text.end(),
                                what.begin(), what.end(),
                                [](char a, char b) { return kxLowerAscii(a) == kxLowerAscii(b); });
    return it == text.end() ? std::string_view::npos : static_cast<std::size_t>(it - text.begin());
}

std::optional<KxHtmlTag> kxReadHtmlTag(std::string_view text, std::size_t at) {
    KxHtmlTag tag;
    tag.begin = at;
    std::size_t i = at + 1;
    if (i < text.size() && text[i] == '/') {
        tag.closing = true;
        ++i;
    }
    while (i < text.size() && std::isalnum(static_cast<unsigned char>(text[i]))) tag.name += kxLowerAscii(text[i++]);
    if (tag.name.empty()) return std::nullopt;
    tag.nameEnd = i;
    char quote = 0;
    for (; i < text.size(); ++i) {
        if (quote) {
            if (text[i] == quote) quote = 0;
        } else if (text[i] == '"' || text[i] == '\'') {
            quote = text[i];
        } else if (text[i] == '>') {
            tag.end = i + 1;
            return tag;
        }
    }
    return std::nullopt;
}
