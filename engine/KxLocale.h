#pragma once
// The user's regional conventions for numbers, dates and times, and the date and time
// formatting and parsing that follow them.
//
// KxLocale is plain data: the platform layer fills one from the process locale at start-up
// and installs it with kxSetLocale; tests build their own. Every function that depends on
// regional settings takes the locale it is to use, defaulting to the installed one.
//
// Pictures use the classic letters: in a date picture d/dd day, ddd/dddd weekday name,
// M/MM month, MMM/MMMM month name, y/yy two-digit year, yyyy full year; in a time picture
// h/hh 12-hour and H/HH 24-hour hour, m/mm minute, s/ss second, t/tt the AM or PM
// designator (first character or whole). Text in single quotes is literal ('' is a quote);
// every other character is copied as it stands. All texts are Windows-1252.

#include <array>
#include <optional>
#include <string>
#include <string_view>

struct KxLocale {
    char decimalSeparator = '.';
    char thousandsSeparator = ',';
    std::string currencySymbol = "$";
    std::string shortDatePicture = "M/d/yyyy";
    std::string timePicture = "h:mm:ss tt";
    std::string timeSeparator = ":";
    std::string amDesignator = "AM";
    std::string pmDesignator = "PM";
    std::array<std::string, 12> monthNames = {"January",   "February", "March",    "April",
                                              "May",       "June",     "July",     "August",
                                              "September", "October",  "November", "December"};
    std::array<std::string, 12> monthAbbreviations = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                      "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    // Sunday first.
    std::array<std::string, 7> dayNames = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                           "Thursday", "Friday", "Saturday"};
    std::array<std::string, 7> dayAbbreviations = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};

    bool operator==(const KxLocale&) const = default;
};

// The locale installed for the whole process; default-constructed until one is set.
const KxLocale& kxLocale();
void kxSetLocale(const KxLocale& locale);

struct KxDateParts {
    int year = 0;
    int month = 0;
    int day = 0;
    bool operator==(const KxDateParts&) const = default;
};

struct KxTimeParts {
    int hour = 0;
    int minute = 0;
    int second = 0;
    bool operator==(const KxTimeParts&) const = default;
};

// The date in the short-date picture. A picture with more than three letters y shows the
// full year, any other picture the last two digits. Month and day are not checked here
// beyond what their names need (a month outside 1..12 has no name and shows nothing).
std::string kxFormatDate(int year, int month, int day, const KxLocale& locale = kxLocale());

// The time in the time picture, with or without seconds; an invalid time gives an empty
// text. Seconds are added to a picture that has none after its minutes (or its 12-hour
// hours, or at the very start), separated by the time separator; they are taken out of a
// picture that has them together with the one character before them.
std::string kxFormatTime(int hour, int minute, int second, bool withSeconds,
                       const KxLocale& locale = kxLocale());

// The picture kxFormatTime uses; exposed so that time editors show the same fields.
std::string kxTimePictureFor(bool withSeconds, const KxLocale& locale = kxLocale());

// Date-only parse. Accepts the day, month and year in the order of the short-date picture
// (with any of / - . , or blanks between them, a month name or abbreviation in place of
// the month, a weekday name anywhere), ISO year-month-day (a first number of three or more
// digits), and a time after the date, which is ignored. A year of one or two digits lies
// in 1930..2029 (00-29 are 2000-2029, 30-99 are 1930-1999). The result is a real calendar
// day (month 1..12, day within its month); the 1752 calendar rule is the caller's.
std::optional<KxDateParts> kxParseDateText(std::string_view text,
                                         const KxLocale& locale = kxLocale());

// Time-only parse: hour, minute and optional second separated by the time separator, a
// colon or a full stop, with an optional AM or PM designator (the locale's, or AM/PM, A/P
// in any case) before or after; an hour alone is accepted with a designator. A date
// before the time is ignored. Midnight is a time like any other.
std::optional<KxTimeParts> kxParseTimeText(std::string_view text,
                                         const KxLocale& locale = kxLocale());
