#include "print/ReportTemplate.h"

#include "platform/Cp1252.h"

#include <array>
#include <filesystem>
#include <fstream>

namespace {

constexpr std::array<std::string_view, kxReportTagCount> kTagNames = {
    "LITERAL",      "TITLE",          "PRIMARY_FIELD", "PRIMARY_LABEL", "LABEL",
    "FIELD",        "BEGIN_RECORDS",  "END_RECORDS",   "BEGIN_FIELDS",  "END_FIELDS",
    "IF_NOT_EMPTY", "ELSE_NOT_EMPTY", "END_NOT_EMPTY",
};

char upper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool sameIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (upper(a[i]) != upper(b[i])) return false;
    return true;
}

constexpr std::string_view kOpen = "<%";
constexpr std::string_view kClose = "%>";

} // namespace

KxReportTag kxReportTagOf(std::string_view name) {
    for (std::size_t code = 0; code < kTagNames.size(); ++code)
        if (sameIgnoringCase(name, kTagNames[code])) return static_cast<KxReportTag>(code);
    return KxReportTag::Literal;
}

std::vector<KxReportToken> kxParseReportTemplate(std::string_view text) {
    std::vector<KxReportToken> tokens;
    while (!text.empty()) {
        const std::size_t open = text.find(kOpen);
        const std::size_t close = text.find(kClose);
        // The closing marker must lie wholly after the opening one: in "<%>" it does not.
        const bool tag = open != std::string_view::npos && close != std::string_view::npos &&
                         close >= open + kOpen.size();

        const std::string_view literal = tag ? text.substr(0, open) : text;
        if (!literal.empty() && literal != "\r\n")
            tokens.push_back({KxReportTag::Literal, std::string(literal)});
        if (!tag) break;

        const std::size_t nameBegin = open + kOpen.size();
        tokens.push_back({kxReportTagOf(text.substr(nameBegin, close - nameBegin)), {}});
        text.remove_prefix(close + kClose.size());
    }
    return tokens;
}

std::string kxReportTemplateText(std::string_view bytes) {
    bytes = bytes.substr(0, bytes.find('\0'));
    // Only text that is wholly valid UTF-8 is copied as it is: a byte order mark in front of
    // malformed text would otherwise put malformed text into the report.
    if (kxLooksLikeUtf8(bytes)) return std::string(bytes);
    return kxToUtf8(kxStripUtf8Bom(bytes));
}

bool kxReadReportTemplate(const std::string& path, std::string& text) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) return false;
    const auto size = std::filesystem::file_size(path, error);
    std::ifstream file(path, std::ios::binary);
    if (error || !file) return false;
    std::string bytes(static_cast<std::size_t>(size), '\0');
    file.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    // A file that shrank since its size was taken ends where the reading stopped.
    bytes.resize(static_cast<std::size_t>(file.gcount()));
    if (file.bad()) return false;
    text = kxReportTemplateText(bytes);
    return true;
}
