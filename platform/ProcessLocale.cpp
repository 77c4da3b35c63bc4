#include "platform/ProcessLocale.h"

#include "platform/Cp1252.h"
#include "engine/Picture.h"

#include <clocale>
#include <cstring>
#include <langinfo.h>

namespace {

bool isAsciiLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool sameCodeset(std::string_view a, std::string_view b) {
    auto norm = [](std::string_view s) {
        std::string out;
        for (char c : s)
            if (c != '-' && c != '_') out += static_cast<char>(c >= 'a' && c <= 'z' ? c - 32 : c);
        return out;
    };
    return norm(a) == norm(b);
}

// A locale text in Windows-1252. Narrow no-break spaces (thousands separators of several
// locales) become the no-break space 1252 has.
std::string toCp1252(std::string_view text, std::string_view codeset) {
    if (sameCodeset(codeset, "UTF-8")) {
        std::string utf8(text);
        for (std::size_t at; (at = utf8.find("\xE2\x80\xAF")) != std::string::npos;)
            utf8.replace(at, 3, "\xC2\xA0");
        return kxFromUtf8(utf8);
    }
    if (sameCodeset(codeset, "ISO-8859-1") || sameCodeset(codeset, "CP1252"))
        return std::string(text);
    std::string out(text);
    for (char& c : out)
        if (static_cast<unsigned char>(c) >= 0x80) c = '?';
    return out;
}

struct PictureBuilder {
    std::string out;
    bool quoted = false;

    void literal(char c) {
        // Two quotes stand for one inside and outside quoted text alike.
        if (c == '\'') {
            out += "''";
            return;
        }
        const bool quote = isAsciiLetter(c);
        if (quote != quoted) {
            out += '\'';
            quoted = quote;
        }
        out += c;
    }
    void field(std::string_view letters) {
        if (quoted) {
            out += '\'';
            quoted = false;
        }
        out += letters;
    }
    std::string finish() {
        if (quoted) out += '\'';
        std::size_t start = out.find_first_not_of(' ');
        if (start == std::string::npos) return {};
        std::size_t end = out.find_last_not_of(' ');
        return out.substr(start, end - start + 1);
    }
};

void convert(std::string_view format, std::string_view amPmFormat, PictureBuilder& b, int depth) {
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] != '%') {
            b.literal(format[i]);
            continue;
        }
        bool unpadded = false;
        ++i;
        while (i < format.size() &&
               std::string_view("-_0^#").find(format[i]) != std::string_view::npos)
            unpadded |= format[i++] == '-';
        while (i < format.size() && format[i] >= '0' && format[i] <= '9')
            ++i;
        if (i < format.size() && (format[i] == 'E' || format[i] == 'O')) ++i;
        if (i >= format.size()) break;
        switch (format[i]) {
        case 'd':
            b.field(unpadded ? "d" : "dd");
            break;
        case 'e':
            b.field("d");
            break;
        case 'm':
            b.field(unpadded ? "M" : "MM");
            break;
        case 'Y':
            b.field("yyyy");
            break;
        case 'y':
            b.field("yy");
            break;
        case 'b':
        case 'h':
            b.field("MMM");
            break;
        case 'B':
            b.field("MMMM");
            break;
        case 'a':
            b.field("ddd");
            break;
        case 'A':
            b.field("dddd");
            break;
        case 'H':
            b.field(unpadded ? "H" : "HH");
            break;
        case 'k':
            b.field("H");
            break;
        case 'I':
            b.field(unpadded ? "h" : "hh");
            break;
        case 'l':
            b.field("h");
            break;
        case 'M':
            b.field("mm");
            break;
        case 'S':
            b.field("ss");
            break;
        case 'p':
        case 'P':
            b.field("tt");
            break;
        case 'D':
            convert("%m/%d/%y", amPmFormat, b, depth);
            break;
        case 'F':
            convert("%Y-%m-%d", amPmFormat, b, depth);
            break;
        case 'T':
            convert("%H:%M:%S", amPmFormat, b, depth);
            break;
        case 'R':
            convert("%H:%M", amPmFormat, b, depth);
            break;
        case 'r':
            convert(depth == 0 ? amPmFormat : "%I:%M:%S %p", amPmFormat, b, depth + 1);
            break;
        case 'n':
        case 't':
            b.literal(' ');
            break;
        case '%':
            b.literal('%');
            break;
        default:
            // Time zones, centuries, week numbers and the like have no picture letter; the
            // blanks around them are tidied up at the end.
            break;
        }
    }
}

template <std::size_t N>
void takeNames(std::array<std::string, N>& names, const std::array<std::string, N>& given,
               std::string_view codeset) {
    for (std::size_t k = 0; k < N; ++k)
        if (!given[k].empty()) names[k] = toCp1252(given[k], codeset);
}

std::string langinfo(nl_item item) {
    const char* s = nl_langinfo(item);
    return s ? std::string(s) : std::string();
}

} // namespace

std::string kxPictureFromPosix(std::string_view format, std::string_view amPmFormat) {
    PictureBuilder b;
    convert(format, amPmFormat, b, 0);
    std::string picture = b.finish();
    // Blanks left doubled where a conversion was dropped between two of them.
    for (std::size_t at; (at = picture.find("  ")) != std::string::npos;)
        picture.erase(at, 1);
    return picture;
}

std::string kxTimeSeparatorOf(std::string_view timePicture) {
    std::string separator;
    int state = 0; // 0 before the hours, 1 after them, 2 done
    kxWalkPicture(
        timePicture, kxTimeLetters,
        [&](char letter, int) {
            if (state == 0 && (letter == 'h' || letter == 'H'))
                state = 1;
            else if (state == 1)
                state = 2;
        },
        [&](char c) {
            if (state == 1) separator += c;
        });
    for (char c : separator)
        if (isAsciiLetter(c)) return ":";
    return separator.empty() ? ":" : separator;
}

KxLocale kxLocaleFromPosix(const KxPosixConventions& c) {
    KxLocale locale;
    const std::string decimal = toCp1252(c.decimalPoint, c.codeset);
    const std::string thousands = toCp1252(c.thousandsSeparator, c.codeset);
    const std::string currency = toCp1252(c.currencySymbol, c.codeset);
    if (!decimal.empty()) locale.decimalSeparator = decimal[0];
    if (!thousands.empty()) locale.thousandsSeparator = thousands[0];
    if (!currency.empty()) locale.currencySymbol = currency;
    if (c.plainCLocale) return locale;

    const std::string amPm = toCp1252(c.timeFormatAmPm, c.codeset);
    const std::string date = kxPictureFromPosix(toCp1252(c.dateFormat, c.codeset));
    const std::string time =
        kxPictureFromPosix(toCp1252(c.timeFormat, c.codeset), amPm.empty() ? "%I:%M:%S %p" : amPm);
    if (!date.empty()) locale.shortDatePicture = date;
    if (!time.empty()) {
        locale.timePicture = time;
        locale.timeSeparator = kxTimeSeparatorOf(time);
    }
    if (!c.am.empty()) locale.amDesignator = toCp1252(c.am, c.codeset);
    if (!c.pm.empty()) locale.pmDesignator = toCp1252(c.pm, c.codeset);
    takeNames(locale.monthNames, c.months, c.codeset);
    takeNames(locale.monthAbbreviations, c.monthAbbreviations, c.codeset);
    takeNames(locale.dayNames, c.days, c.codeset);
    takeNames(locale.dayAbbreviations, c.dayAbbreviations, c.codeset);
    return locale;
}

KxPosixConventions kxReadPosixConventions() {
    KxPosixConventions c;
    c.codeset = langinfo(CODESET);
    const char* timeLocale = std::setlocale(LC_TIME, nullptr);
    c.plainCLocale = timeLocale == nullptr || std::strcmp(timeLocale, "C") == 0 ||
                     std::strcmp(timeLocale, "POSIX") == 0;
    if (const std::lconv* conv = std::localeconv()) {
        c.decimalPoint = conv->decimal_point ? conv->decimal_point : "";
        c.thousandsSeparator = conv->thousands_sep ? conv->thousands_sep : "";
        c.currencySymbol = conv->currency_symbol ? conv->currency_symbol : "";
    }
    c.dateFormat = langinfo(D_FMT);
    c.timeFormat = langinfo(T_FMT);
    c.timeFormatAmPm = langinfo(T_FMT_AMPM);
    c.am = langinfo(AM_STR);
    c.pm = langinfo(PM_STR);
    for (int k = 0; k < 12; ++k) {
        c.months[k] = langinfo(static_cast<nl_item>(MON_1 + k));
        c.monthAbbreviations[k] = langinfo(static_cast<nl_item>(ABMON_1 + k));
    }
    for (int k = 0; k < 7; ++k) {
        c.days[k] = langinfo(static_cast<nl_item>(DAY_1 + k));
        c.dayAbbreviations[k] = langinfo(static_cast<nl_item>(ABDAY_1 + k));
    }
    return c;
}

KxLocale kxReadProcessLocale() {
    return kxLocaleFromPosix(kxReadPosixConventions());
}
