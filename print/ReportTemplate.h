#pragma once
// Print templates are HTML files with tags written as a name between "<%" and "%>". This
// reads a template and splits it into literal text and tags; KxHtmlReport.h fills them in.

#include <string>
#include <string_view>
#include <vector>

// The tags, by the code the generator acts on. The codes also index the report's value
// table: 1 to 5 name the values the tags of the same code print.
enum class KxReportTag : int {
    Literal = 0, // template text; as a tag it prints nothing
    Title = 1,
    PrimaryField = 2,
    PrimaryLabel = 3,
    Label = 4,
    Field = 5,
    BeginRecords = 6,
    EndRecords = 7,
    BeginFields = 8,
    EndFields = 9,
    IfNotEmpty = 10,
    ElseNotEmpty = 11,
    EndNotEmpty = 12,
};

inline constexpr int kxReportTagCount = 13;

// Literal tokens carry template text; tag tokens carry none.
struct KxReportToken {
    KxReportTag tag = KxReportTag::Literal;
    std::string text;

    bool operator==(const KxReportToken&) const = default;
};

// The code of a tag name, looked up without regard to case. Unknown names, and names with
// blanks around them, are Literal.
KxReportTag kxReportTagOf(std::string_view name);

// Splits template text into tokens. A literal chunk that is exactly CR LF is dropped, so a
// line holding only tags leaves no blank line behind. A "%>" before the first "<%" makes
// the rest of the text literal.
std::vector<KxReportToken> kxParseReportTemplate(std::string_view text);

// The template text of a file's bytes: it ends at the first zero byte, and a template that
// is not valid UTF-8 is taken as Windows-1252 and converted, since reports are written in
// UTF-8.
std::string kxReportTemplateText(std::string_view bytes);

// Reads a template file whole and returns its text as kxReportTemplateText gives it; false
// when the file cannot be opened or read.
bool kxReadReportTemplate(const std::string& path, std::string& text);
