#include "print/HeaderFooterCodes.h"

#include <vector>

namespace {

void appendCode(std::string& out, char code, const KxPageCodeValues& v) {
    switch (code) {
    case 'w': out += v.title; break;
    case 'u': out += v.url; break;
    case 'd': out += v.shortDate; break;
    case 'D': out += v.longDate; break;
    case 't': out += v.time; break;
    case 'T': out += v.time24; break;
    case 'p': out += std::to_string(v.page); break;
    case 'P': out += std::to_string(v.pageCount); break;
    case '&': out += '&'; break;
    default:
        out += '&';
        out += code;
        break;
    }
}

} // namespace

KxPageLine kxExpandPageCodes(std::string_view codes, const KxPageCodeValues& values) {
    std::vector<std::string> parts(1);
    for (std::size_t i = 0; i < codes.size(); ++i) {
        if (codes[i] != '&' || i + 1 == codes.size()) {
            parts.back() += codes[i];
            continue;
        }
        const char code = codes[++i];
        if (code == 'b')
            parts.emplace_back();
        else
            appendCode(parts.back(), code, values);
    }
    KxPageLine line;
    line.left = parts[0];
    if (parts.size() == 2) {
        line.right = parts[1];
    } else if (parts.size() > 2) {
        line.centre = parts[1];
        // Breaks past the second add nothing: the rest of the text stays on the right.
        for (std::size_t k = 2; k < parts.size(); ++k) line.right += parts[k];
    }
    return line;
}
