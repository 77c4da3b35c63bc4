#include "engine/KxLocale.h"

#include "engine/Calendar.h"
#include "engine/Picture.h"

#include <cstdlib>

namespace {

KxLocale& currentLocale() {
    static KxLocale locale;
    return locale;
}

// Longest picture and time separator read from the settings.
constexpr std::size_t kMaxTimePicture = 80;
constexpr std::size_t kMaxTimeSeparator = 10;

void appendNumber(std::string& out, long value, int minDigits) {
    if (value < 0) {
        out += '-';
        value = -value;
    }
    char buf[24];
    int n = 0;
    do {
        buf[n++] = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value > 0 && n < 20);
    for (int pad = n; pad < minDigits; ++pad)
        out += '0';
    while (n > 0)
        out += buf[--n];
}

// End of the run of letter c that starts at pos.
std::size_t runEnd(const std::string& s, std::size_t pos) {
    std::size_t end = pos;
    while (end < s.size() && s[end] == s[pos])
        ++end;
    return end;
}

} // namespace

const KxLocale& kxLocale() {
    return currentLocale();
}

void kxSetLocale(const KxLocale& locale) {
    currentLocale() = locale;
}

std::string kxFormatDate(int year, int month, int day, const KxLocale& locale) {
    int yLetters = 0;
    kxWalkPicture(
        locale.shortDatePicture, kxDateLetters,
        [&](char letter, int count) { yLetters += letter == 'y' ? count : 0; }, [](char) {});
    const bool fullYear = yLetters > 3;
    const bool realMonth = month >= 1 && month <= 12;

    std::string out;
    kxWalkPicture(
        locale.shortDatePicture, kxDateLetters,
        [&](char letter, int count) {
            switch (letter) {
            case 'd':
                if (count <= 2) {
                    appendNumber(out, day, count);
                } else if (realMonth && day >= 1 && day <= kxDaysInMonth(year, month)) {
                    const int weekday = kxWeekday(year, month, day);
                    out += count == 3 ? locale.dayAbbreviations[weekday] : locale.dayNames[weekday];
                }
                break;
            case 'M':
                if (count <= 2)
                    appendNumber(out, month, count);
                else if (realMonth)
                    out += count == 3 ? locale.monthAbbreviations[month - 1]
                                      : locale.monthNames[month - 1];
                break;
            default: // 'y'
                if (fullYear)
                    appendNumber(out, year, 4);
                else
                    appendNumber(out, std::abs(year % 100), count >= 2 ? 2 : 1);
                break;
            }
        },
        [&](char c) { out += c; });
    return out;
}

std::string kxTimePictureFor(bool withSeconds, const KxLocale& locale) {
    std::string picture = locale.timePicture.substr(0, kMaxTimePicture);
    const std::string separator = locale.timeSeparator.substr(0, kMaxTimeSeparator);
    const std::size_t seconds = picture.find('s');
    if (withSeconds && seconds == std::string::npos) {
        // After the minutes, else after the 12-hour hours, else at the very start.
        std::size_t at = 0;
        if (std::size_t m = picture.find('m'); m != std::string::npos)
            at = runEnd(picture, m);
        else if (std::size_t h = picture.find('h'); h != std::string::npos)
            at = runEnd(picture, h);
        picture.insert(at, separator + "ss");
    } else if (!withSeconds && seconds != std::string::npos) {
        const std::size_t from = seconds > 0 ? seconds - 1 : 0;
        picture.erase(from, runEnd(picture, seconds) - from);
    }
    return picture;
}

std::string kxFormatTime(int hour, int minute, int second, bool withSeconds, const KxLocale& locale) {
    if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59) return {};
    const std::string& designator = hour < 12 ? locale.amDesignator : locale.pmDesignator;
    std::string out;
    kxWalkPicture(
        kxTimePictureFor(withSeconds, locale), kxTimeLetters,
        [&](char letter, int count) {
            const int digits = count >= 2 ? 2 : 1;
            switch (letter) {
            case 'h':
                appendNumber(out, hour % 12 == 0 ? 12 : hour % 12, digits);
                break;
            case 'H':
                appendNumber(out, hour, digits);
                break;
            case 'm':
                appendNumber(out, minute, digits);
                break;
            case 's':
                appendNumber(out, second, digits);
                break;
            default: // 't'
                if (count == 1)
                    out += designator.substr(0, 1);
                else
                    out += designator;
                break;
            }
        },
        [&](char c) { out += c; });
    return out;
}
