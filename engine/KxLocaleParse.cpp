// The date-only and time-only text parsers of the locale.

#include "engine/KxLocale.h"

#include "engine/Calendar.h"
#include "engine/Picture.h"
#include "engine/TextCollation.h"


namespace {

// A number longer than this is no part of a date or a time.
constexpr int kMaxNumberDigits = 5;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\xA0';
}
bool isLetter(char c) {
    return kxIsLetter1252(static_cast<unsigned char>(c));
}

std::string_view trim(std::string_view s) {
    while (!s.empty() && isBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

struct Cursor {
    std::string_view text;
    std::size_t pos = 0;

    bool atEnd() const { return pos >= text.size(); }
    char peek() const { return atEnd() ? '\0' : text[pos]; }
    void skipBlanks() {
        while (!atEnd() && isBlank(text[pos]))
            ++pos;
    }
    // Reads a run of digits; false when there is none or it is too long.
    bool number(int& value, int& digits) {
        const std::size_t start = pos;
        value = 0;
        while (!atEnd() && isDigit(text[pos])) {
            if (pos - start >= kMaxNumberDigits) return false;
            value = value * 10 + (text[pos] - '0');
            ++pos;
        }
        digits = static_cast<int>(pos - start);
        return digits > 0;
    }
    std::string_view word() {
        const std::size_t start = pos;
        while (!atEnd() && isLetter(text[pos]))
            ++pos;
        return text.substr(start, pos - start);
    }
};

// ---- dates -------------------------------------------------------------------------------

int findName(std::string_view word, const std::array<std::string, 12>& names,
             const std::array<std::string, 12>& abbreviations) {
    for (int k = 0; k < 12; ++k)
        if (kxEqualTextNoCase(word, names[k]) || kxEqualTextNoCase(word, abbreviations[k]))
            return k + 1;
    return 0;
}

bool isDayName(std::string_view word, const KxLocale& locale) {
    for (int k = 0; k < 7; ++k)
        if (kxEqualTextNoCase(word, locale.dayNames[k]) ||
            kxEqualTextNoCase(word, locale.dayAbbreviations[k]))
            return true;
    return false;
}

struct DateField {
    int value = 0;
    int digits = 0; // 0 for a month given by name
};

// Positions of day, month and year in the short-date picture (0, 1, 2); month/day/year
// when the picture does not say.
struct FieldOrder {
    int day = 1;
    int month = 0;
    int year = 2;
};

FieldOrder readOrder(const std::string& picture) {
    int seen = 0;
    int day = -1, month = -1, year = -1;
    kxWalkPicture(
        picture, kxDateLetters,
        [&](char letter, int count) {
            int& slot = letter == 'd' ? day : letter == 'M' ? month : year;
            if (slot < 0 && !(letter == 'd' && count > 2)) slot = seen++;
        },
        [](char) {});
    if (day < 0 || month < 0 || year < 0) return {};
    return {day, month, year};
}

// The order of the picture last asked about is kept: an import reads thousands of dates
// against one picture.
FieldOrder orderOf(const std::string& picture) {
    thread_local std::string lastPicture;
    thread_local FieldOrder lastOrder = readOrder(lastPicture);
    if (picture != lastPicture) {
        lastOrder = readOrder(picture);
        lastPicture = picture;
    }
    return lastOrder;
}

bool isDateSeparator(char c, const std::string& picture) {
    if (c == '/' || c == '-' || c == '.' || c == ',' || isBlank(c)) return true;
    return c != '\'' && !isDigit(c) && !isLetter(c) && picture.find(c) != std::string::npos;
}

int windowedYear(const DateField& year) {
    if (year.digits > 2) return year.value;
    return year.value < 30 ? 2000 + year.value : 1900 + year.value;
}

// Reads day, month and year from the cursor; the cursor stops right after the third field.
std::optional<KxDateParts> scanDate(Cursor& in, const KxLocale& locale) {
    DateField fields[3];
    int count = 0;
    int named = -1; // index of the month given by name
    while (count < 3) {
        while (!in.atEnd() && isDateSeparator(in.peek(), locale.shortDatePicture))
            ++in.pos;
        if (in.atEnd()) return std::nullopt;
        if (isDigit(in.peek())) {
            if (!in.number(fields[count].value, fields[count].digits)) return std::nullopt;
            ++count;
            continue;
        }
        const std::string_view word = in.word();
        if (word.empty()) return std::nullopt;
        if (isDayName(word, locale)) continue;
        const int month = findName(word, locale.monthNames, locale.monthAbbreviations);
        if (month == 0 || named >= 0) return std::nullopt;
        named = count;
        fields[count++] = {month, 0};
    }

    KxDateParts date;
    DateField year;
    if (named >= 0) {
        const DateField& a = fields[named == 0 ? 1 : 0];
        const DateField& b = fields[named == 2 ? 1 : 2];
        date.month = fields[named].value;
        const FieldOrder order = orderOf(locale.shortDatePicture);
        bool aIsYear = a.digits > 2 ? true : b.digits > 2 ? false : order.year < order.day;
        year = aIsYear ? a : b;
        date.day = aIsYear ? b.value : a.value;
        if ((aIsYear ? b : a).digits > 2) return std::nullopt;
    } else if (fields[0].digits > 2) {
        year = fields[0];
        date.month = fields[1].value;
        date.day = fields[2].value;
        if (fields[1].digits > 2 || fields[2].digits > 2) return std::nullopt;
    } else {
        const FieldOrder order = orderOf(locale.shortDatePicture);
        year = fields[order.year];
        date.month = fields[order.month].value;
        date.day = fields[order.day].value;
        if (fields[order.month].digits > 2 || fields[order.day].digits > 2) return std::nullopt;
    }
    date.year = windowedYear(year);
    if (date.year < 1 || date.year > 32767) return std::nullopt;
    if (date.day < 1 || date.day > kxDaysInMonth(date.year, date.month)) return std::nullopt;
    return date;
}

// ---- times -------------------------------------------------------------------------------

enum class Half { None, Am, Pm };

bool startsWithNoCase(std::string_view text, std::string_view prefix) {
    return !prefix.empty() && text.size() >= prefix.size() &&
           kxEqualTextNoCase(text.substr(0, prefix.size()), prefix);
}

// Reads an AM or PM designator at the cursor, longest match first.
Half scanDesignator(Cursor& in, const KxLocale& locale) {
    const std::string_view rest = in.text.substr(in.pos);
    const std::string_view candidates[] = {locale.amDesignator,
                                           locale.pmDesignator,
                                           "AM",
                                           "PM",
                                           std::string_view(locale.amDesignator).substr(0, 1),
                                           std::string_view(locale.pmDesignator).substr(0, 1),
                                           "A",
                                           "P"};
    for (int k = 0; k < 8; ++k) {
        const std::string_view candidate = candidates[k];
        if (!startsWithNoCase(rest, candidate)) continue;
        // A designator is a whole word: no letter may follow it.
        if (candidate.size() < rest.size() && isLetter(rest[candidate.size()])) continue;
        in.pos += candidate.size();
        return k % 2 == 0 ? Half::Am : Half::Pm;
    }
    return Half::None;
}

bool scanTimeSeparator(Cursor& in, const KxLocale& locale) {
    const std::string_view rest = in.text.substr(in.pos);
    if (!locale.timeSeparator.empty() && rest.starts_with(locale.timeSeparator)) {
        in.pos += locale.timeSeparator.size();
        return true;
    }
    if (in.peek() == ':' || in.peek() == '.') {
        ++in.pos;
        return true;
    }
    return false;
}

// A whole time text: nothing may follow it.
std::optional<KxTimeParts> scanTime(std::string_view text, const KxLocale& locale) {
    Cursor in{text};
    in.skipBlanks();
    Half half = scanDesignator(in, locale);
    in.skipBlanks();

    int values[3] = {0, 0, 0};
    int digits = 0;
    int parts = 0;
    if (!in.number(values[0], digits) || digits > 2) return std::nullopt;
    parts = 1;
    while (parts < 3) {
        const std::size_t mark = in.pos;
        if (!scanTimeSeparator(in, locale) || !in.number(values[parts], digits) || digits > 2) {
            in.pos = mark;
            break;
        }
        ++parts;
    }
    in.skipBlanks();
    if (half == Half::None) {
        half = scanDesignator(in, locale);
        in.skipBlanks();
    }
    if (!in.atEnd()) return std::nullopt;
    if (parts == 1 && half == Half::None) return std::nullopt;

    KxTimeParts time{values[0], values[1], values[2]};
    if (half != Half::None) {
        if (time.hour > 12) return std::nullopt;
        if (time.hour == 12) time.hour = 0;
        if (half == Half::Pm) time.hour += 12;
    }
    if (time.hour > 23 || time.minute > 59 || time.second > 59) return std::nullopt;
    return time;
}

// What follows a date and before a time: blanks, or the ISO letter T.
std::string_view afterDate(std::string_view rest) {
    rest = trim(rest);
    if (!rest.empty() && (rest.front() == 'T' || rest.front() == 't')) rest.remove_prefix(1);
    return rest;
}

} // namespace

std::optional<KxDateParts> kxParseDateText(std::string_view text, const KxLocale& locale) {
    text = trim(text);
    Cursor in{text};
    std::optional<KxDateParts> date = scanDate(in, locale);
    if (!date) return std::nullopt;
    const std::string_view rest = text.substr(in.pos);
    if (trim(rest).empty()) return date;
    // A time after the date is allowed and ignored, but must be a time.
    if (!rest.empty() && !isBlank(rest.front()) && rest.front() != 'T' && rest.front() != 't')
        return std::nullopt;
    if (!scanTime(afterDate(rest), locale)) return std::nullopt;
    return date;
}

std::optional<KxTimeParts> kxParseTimeText(std::string_view text, const KxLocale& locale) {
    text = trim(text);
    if (auto time = scanTime(text, locale)) return time;
    Cursor in{text};
    if (!scanDate(in, locale)) return std::nullopt;
    const std::string_view rest = text.substr(in.pos);
    if (rest.empty() || (!isBlank(rest.front()) && rest.front() != 'T' && rest.front() != 't'))
        return std::nullopt;
    return scanTime(afterDate(rest), locale);
}
