#include "engine/values/DateTime.h"

#include "engine/Calendar.h"

namespace {
constexpr int kFirstYear = 1752;
constexpr int kFirstMonth = 9;
constexpr int kFirstDay = 14;
constexpr int kLastYear = 32767;
} // namespace

bool kxIsValidDate(int year, int month, int day) {
    if (year < kFirstYear || year > kLastYear) return false;
    if (day < 1 || day > kxDaysInMonth(year, month)) return false;
    if (year == kFirstYear)
        return month > kFirstMonth || (month == kFirstMonth && day >= kFirstDay);
    return true;
}

bool kxIsValidTime(int hour, int minute, int second) {
    return hour >= 0 && hour <= 23 && minute >= 0 && minute <= 59 && second >= 0 && second <= 59;
}
