// The text seeds. The first byte of a delimited_read or import_text seed picks the separator
// (low bit: tab); that of a report_template seed the record limit and the cancel point.

#include "fuzz/Seeds.h"

#include <cstring>
#include <string>

namespace {

using namespace std::string_view_literals;

void delimitedSeeds(const SeedDirectory& s) {
    s.write("delimited_read", "comma_quotes", "\x00""a, b ,c\r\n\"x,\"\"y\"\"\",z\n"sv);
    s.write("delimited_read", "cp1252_lone_quote", "\x00""caf\xE9,'it''s',\"\"\"\"\n"sv);
    s.write("delimited_read", "tab_blank_rows", "\x01""a\tb\t\"c\td\"\n\n\tlast\t\n"sv);
    s.write("delimited_read", "unterminated", "\x00\"open\nquote,never closed"sv);
    s.write("delimited_read", "utf8_bom", "\x00\xEF\xBB\xBF""caf\xC3\xA9,\xCE\xA9\n"sv);
    s.write("delimited_read", "nul_in_value", "\x00""a\x00""b,c\r\n\"d\x00\",e\r\n"sv);
    s.write("delimited_read", "cancel_early", "\x06""1,2,3\n4,5,6\n7,8,9\n"sv);
    s.write("delimited_read", "lone_cr_lines", "\x00""a,b\rc,d\r\re,f"sv);
}

void importSeeds(const SeedDirectory& s) {
    // Columns: Text, Multiple Choice, Number, Date, Time, Checkbox, Calculation, Category.
    s.write("import_text", "every_kind",
            "\x02""Ann,red,12.5,1/2/2003,1:45 PM,yes,7,Work\r\n"
            "\"Bo, Jr.\",green,-0,12/31/1999,00:00:01,no,,Home\r\n"
            ",,-,2/29/2000,23:59,TRUE,1e5,\r\n"
            "caf\xE9,,$1,234.50,13/45/2000,25:00,1,#,Unknown category\r\n"sv);
    s.write("import_text", "tabs_utf8", "\x03\xEF\xBB\xBF""\xC3\xA9t\xC3\xA9\t\xE2\x82\xAC\t3,5\n\t\t\t\tx\n"sv);
    s.write("import_text", "long_row", std::string(1, '\0') + std::string(300, 'x') + std::string(70, ',') + "\n");
    s.write("import_text", "clipboard_lines", "\x00line one\nline two\r\n\r\nline four\n"sv);
}

void templateSeeds(const SeedDirectory& s) {
    s.write("report_template", "basic",
            "\x00<html><h1><%TITLE%></h1>\r\n<table><tr><th><%PRIMARY_LABEL%></th><%BEGIN_FIELDS%>"
            "<th><%LABEL%></th><%END_FIELDS%></tr>\r\n<%BEGIN_RECORDS%><tr><td><%PRIMARY_FIELD%></td>"
            "<%BEGIN_FIELDS%><td><%IF_NOT_EMPTY%><%FIELD%><%FIELD%><%ELSE_NOT_EMPTY%>&nbsp;"
            "<%END_NOT_EMPTY%></td><%END_FIELDS%></tr>\r\n<%END_RECORDS%></table></html>\r\n"sv);
    s.write("report_template", "markers", "\x03""a%>b<%TITLE%><%>\x00<%FIELD%>"sv);
    s.write("report_template", "unmatched",
            "\x0C<%end_records%><%else_not_empty%>x<%BEGIN_FIELDS%><%BEGIN_RECORDS%><%field%>"
            "<%END_RECORDS%><%END_FIELDS%><%IF_NOT_EMPTY%>"sv);
    s.write("report_template", "literal_nested",
            "\x01<%LITERAL%><%TITLE%><%LITERAL%><%BEGIN_RECORDS%><%BEGIN_RECORDS%><%PRIMARY_FIELD%>"
            "<%END_RECORDS%><%END_RECORDS%><%BEGIN_FIELDS%><%IF_NOT_EMPTY%><%LABEL%><%END_NOT_EMPTY%>"
            "<%END_FIELDS%>"sv);
}

void iniSeeds(const SeedDirectory& s) {
    s.write("ini_parse", "settings",
            "[Recent File List]\r\nFile1=/home/ann/Contacts.rlv\r\nFile2=/tmp/a b.rlv  \r\n\r\n"
            "[Settings]\r\nWindow=0,0,800,600\r\nMaximized=1\r\n"sv);
    s.write("ini_parse", "odd_lines",
            "\xEF\xBB\xBF""text before\n; a comment\n[ Spaced ]\n key = value \n=no key\nnoequals\n"
            "[spaced]\nKEY=second\n[unclosed\nk=v\rlone=cr\r[a]]\n[]\n=\n"sv);
    s.write("ini_parse", "repeated", "[A]\nx=1\nx=2\n[B]\ny=\n[a]\nz=3\n"sv);
}

template <typename T> std::string bytesOf(T value) {
    std::string b(sizeof value, '\0');
    std::memcpy(b.data(), &value, sizeof value);
    return b;
}

// A value_text seed is at once a text for every type and, from nine bytes on, a double
// (the first eight) with a decimals-and-flags byte.
void valueSeeds(const SeedDirectory& s) {
    const char* const texts[][2] = {
        {"number", "-$1,234.50"},      {"signed_zero", "-0"},         {"minus", "-"},
        {"fraction", "0.1234567890123456789"}, {"digits17", "12345678901234567"},
        {"date_us", "12/31/1999"},     {"date_leap", "2/29/1900"},    {"time_pm", "1:45:10 PM"},
        {"time_24", "23:59"},          {"checked", "TRUE"},           {"integer_big", "-99999999999"},
        {"grouped_de", "1.234.567,5"}, {"letters", "abc"},
    };
    for (const auto& [name, text] : texts) s.write("value_text", name, text);
    s.write("value_text", "round_once_14", bytesOf(0.3839766645063146) + "\x0E");
    s.write("value_text", "denormal", bytesOf(5e-324) + "\x03");
    s.write("value_text", "huge", bytesOf(9.99e30) + "\x3F");
    s.write("value_text", "calc_error", bytesOf(0.0) + std::string("\x01\x00", 2));
    s.write("value_text", "raw_text", "ab\x00\x00"sv);
}

} // namespace

void writeTextSeeds(const SeedDirectory& seeds) {
    delimitedSeeds(seeds);
    importSeeds(seeds);
    templateSeeds(seeds);
    iniSeeds(seeds);
    valueSeeds(seeds);
}
