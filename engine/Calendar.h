#pragma once
// Gregorian calendar arithmetic shared by date validity, formatting and parsing.

constexpr bool kxIsLeapYear(int year) {
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

// Length of a month (1..12) in days; 0 for a month outside that range.
constexpr int kxDaysInMonth(int year, int month) {
    constexpr int lengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) return 0;
    return month == 2 && kxIsLeapYear(year) ? 29 : lengths[month - 1];
}

// Day of the week, 0 = Sunday, of a proleptic Gregorian date (any year, month 1..12).
constexpr int kxWeekday(int year, int month, int day) {
    // Days since 1970-01-01 by the usual era decomposition, then 1970-01-01 was a Thursday.
    const int y = year - (month <= 2 ? 1 : 0);
    const int era = (y >= 0 ? y : y - 399) / 400;
    const int yearOfEra = y - era * 400;
    const int dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const int dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    const long days = static_cast<long>(era) * 146097 + dayOfEra - 719468;
    const long weekday = (days + 4) % 7;
    return static_cast<int>(weekday < 0 ? weekday + 7 : weekday);
}
