#include "print/ReportValue.h"

#include <array>
#include <utility>

namespace {

void replaceAll(std::string& text, std::string_view from, std::string_view to) {
    std::string result;
    std::size_t start = 0;
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, start)) {
        result.append(text, start, at - start);
        result.append(to);
        start = at + from.size();
    }
    if (start == 0) return;
    result.append(text, start);
    text = std::move(result);
}

// Applied in this order, each to every occurrence.
constexpr std::array<std::pair<std::string_view, std::string_view>, 5> kEscapes = {{
    {"&", "&amp;"},
    {">", "&gt;"},
    {"<", "&lt;"},
    {kxCheckedMark, "<FONT FACE=\"Wingdings\">&#254</FONT>"},
    {kxUncheckedMark, "<FONT FACE=\"Wingdings\">&#168</FONT>"},
}};

} // namespace

std::string kxPrepareReportValue(std::string formatted, KxReportEntryKind kind) {
    switch (kind) {
    case KxReportEntryKind::LabelOnly:
        if (formatted.empty()) return " ";
        return formatted;
    case KxReportEntryKind::Checkbox:
        return std::string(formatted == "1" ? kxCheckedMark : kxUncheckedMark);
    case KxReportEntryKind::Value:
        break;
    }
    return formatted;
}

std::string kxEscapeReportValue(std::string_view value) {
    std::string text(value);
    for (const auto& [from, to] : kEscapes)
        replaceAll(text, from, to);
    return text;
}
