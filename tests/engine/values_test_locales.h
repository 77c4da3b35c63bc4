#pragma once
// The two explicit locales the value tests run under; no test reads the machine's locale.

#include "engine/KxLocale.h"

// Month/day/four-digit year, 12-hour clock: the defaults.
inline KxLocale usLocale() {
    return KxLocale{};
}

// Day.month.two-digit year, 24-hour clock, decimal comma, euro sign (1252 byte 0x80).
inline KxLocale germanLocale() {
    KxLocale l;
    l.decimalSeparator = ',';
    l.thousandsSeparator = '.';
    l.currencySymbol = "\x80";
    l.shortDatePicture = "dd.MM.yy";
    l.timePicture = "HH:mm:ss";
    l.timeSeparator = ":";
    l.amDesignator = "";
    l.pmDesignator = "";
    l.monthNames = {"Januar", "Februar", "M\xE4rz",   "April",   "Mai",      "Juni",
                    "Juli",   "August",  "September", "Oktober", "November", "Dezember"};
    l.monthAbbreviations = {"Jan", "Feb", "M\xE4r", "Apr", "Mai", "Jun",
                            "Jul", "Aug", "Sep",    "Okt", "Nov", "Dez"};
    return l;
}
