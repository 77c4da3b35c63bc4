#pragma once
// The user's regional settings, read from the process locale. The caller sets the process
// locale from the environment first (setlocale(LC_ALL, "")), reads it here once and
// installs the result with kxSetLocale.

#include "engine/KxLocale.h"

#include <array>
#include <string>
#include <string_view>

// What the C library reports for the process locale, each text in the locale's own
// character set.
struct KxPosixConventions {
    std::string codeset;       // nl_langinfo(CODESET)
    bool plainCLocale = false; // the time category is the C (POSIX) locale
    std::string decimalPoint;
    std::string thousandsSeparator;
    std::string currencySymbol;
    std::string dateFormat;     // D_FMT
    std::string timeFormat;     // T_FMT
    std::string timeFormatAmPm; // T_FMT_AMPM, what %r stands for
    std::string am;
    std::string pm;
    std::array<std::string, 12> months;
    std::array<std::string, 12> monthAbbreviations;
    std::array<std::string, 7> days; // Sunday first
    std::array<std::string, 7> dayAbbreviations;
};

KxPosixConventions kxReadPosixConventions();

// The locale the conventions describe, in Windows-1252. Only the first character of the
// decimal and thousands separators counts. Whatever the locale leaves empty keeps its
// default (full stop, comma, dollar sign, M/d/yyyy, h:mm:ss tt, AM, PM, English names);
// the plain C locale keeps the default date and time pictures.
KxLocale kxLocaleFromPosix(const KxPosixConventions& conventions);

// A strftime format turned into a picture: %d dd, %-d and %e d, %m MM, %-m M, %Y yyyy,
// %y yy, %b MMM, %B MMMM, %a ddd, %A dddd, %H HH, %-H and %k H, %I hh, %-I and %l h,
// %M mm, %S ss, %p tt, %D %F %T %R %r expanded; time zones and unknown conversions are
// dropped with the blank beside them; literal letters are quoted. %r stands for
// amPmFormat.
std::string kxPictureFromPosix(std::string_view format,
                               std::string_view amPmFormat = "%I:%M:%S %p");

// The characters between the hours and the minutes of a time picture; ":" when there are
// none or they hold a letter.
std::string kxTimeSeparatorOf(std::string_view timePicture);

// kxLocaleFromPosix(kxReadPosixConventions()).
KxLocale kxReadProcessLocale();
