#pragma once
// The page header and footer of a printout are written in the page-setup codes: &w the
// window title (the report's title), &u the address of the output file, &d the short date,
// &D the long date, &t the time, &T the 24-hour time, &p the page number, &P the page count,
// && an ampersand, and &b the alignment break. Text before the first &b stands on the left;
// after a single &b on the right; with two, the text between them is centred and the text
// after the second stands on the right. Any other code is printed as written.

#include <string>
#include <string_view>

// What the codes stand for on one page (UTF-8 text).
struct KxPageCodeValues {
    std::string title;
    std::string url;
    std::string shortDate;
    std::string longDate;
    std::string time;
    std::string time24;
    int page = 1;
    int pageCount = 1;
};

struct KxPageLine {
    std::string left;
    std::string centre;
    std::string right;

    bool empty() const { return left.empty() && centre.empty() && right.empty(); }
    bool operator==(const KxPageLine&) const = default;
};

KxPageLine kxExpandPageCodes(std::string_view codes, const KxPageCodeValues& values);
