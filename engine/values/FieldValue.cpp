#include "FieldValue.h"

#include "DateTime.h"
#include "KxDbError.h"
#include "KxStrings.h"
#include "NumberFormat.h"
#include "NumberParse.h"
#include "RawBytes.h"
#include "TypeCodes.h"
#include "ValueCompare.h"

#include <algorithm>

namespace {

constexpr unsigned kHideSeconds = 0x40;
constexpr unsigned kThousands = 0x80;
constexpr unsigned kCurrency = 0x100;

// What a failed calculation shows, whatever its decimals.
const std::string kFailedCalc(15, '#');

// The checkbox texts are cut to three characters, as the value's text always was.
std::string checkboxText(bool checked) {
    return kxString(checked ? kxStrYes : kxStrNo).substr(0, 3);
}

} // namespace

FieldValue::FieldValue(int type) : type_(static_cast<std::uint8_t>(type)) {
    // A new Date or Time holds no date or time until one is set.
    if (type == kxtype::Date || type == kxtype::Time) clearDateOrTime();
}

FieldValue FieldValue::newValue(int type) {
    if (type < kxtype::Text || type > kxtype::Calculation) throw KxDbError::OutOfMemory;
    return FieldValue(type);
}

// ---- raw bytes ---------------------------------------------------------------------------

std::size_t FieldValue::rawSize() const {
    if (kxtype::isText(type_)) return textRaw_.size();
    // A Time without a valid time is an empty field, never bytes that read as midnight.
    if (type_ == kxtype::Time && !valid_) return 0;
    return static_cast<std::size_t>(kxtype::fixedRawSize(type_));
}

const std::uint8_t* FieldValue::rawData() const {
    if (kxtype::isText(type_)) return reinterpret_cast<const std::uint8_t*>(textRaw_.data());
    return fixed_.data();
}

std::span<const std::uint8_t> FieldValue::fixedBytes() const {
    return {fixed_.data(), static_cast<std::size_t>(kxtype::fixedRawSize(type_))};
}

void FieldValue::setRaw(const void* bytes, std::size_t count) {
    if (bytes == nullptr || count == 0) throw KxDbError::BadValueLength;
    const auto* p = static_cast<const std::uint8_t*>(bytes);
    if (kxtype::isText(type_)) {
        // The stored text is kept as the record holds it, up to its NUL.
        const std::string_view stored = kxraw::text({p, count});
        textRaw_.clear();
        if (!stored.empty()) {
            textRaw_.assign(stored);
            textRaw_.append(stored.size() % 2 == 0 ? 2 : 1, '\0');
        }
        return;
    }
    if (count != static_cast<std::size_t>(kxtype::fixedRawSize(type_)))
        throw KxDbError::BadValueLength;
    std::copy(p, p + count, fixed_.begin());
    if (type_ == kxtype::Date) valid_ = kxIsValidDate(year(), month(), day());
    if (type_ == kxtype::Time) valid_ = kxIsValidTime(hour(), minute(), second());
}

// ---- texts -------------------------------------------------------------------------------

std::string FieldValue::plainText(const KxLocale& locale) const {
    switch (type_) {
    case kxtype::Text:
    case kxtype::MultipleChoice:
        return displayForm();
    case kxtype::Integer:
        return std::to_string(integer());
    case kxtype::Number:
        return numberText(number(), false, false, locale);
    case kxtype::Date:
        return valid_ ? formatDate(year(), month(), day(), locale) : std::string();
    case kxtype::Time:
        return valid_ ? formatTime(hour(), minute(), second(), true, locale) : std::string();
    case kxtype::Checkbox:
        return checkboxText(isChecked());
    case kxtype::Calculation:
        return calcFailed() ? kFailedCalc : numberText(number(), false, false, locale);
    default:
        return {};
    }
}

std::string FieldValue::displayText(int decimals, unsigned flags, const KxLocale& locale) const {
    switch (type_) {
    case kxtype::Calculation:
        if (calcFailed()) return kFailedCalc;
        [[fallthrough]];
    case kxtype::Number:
        return formatNumber(number(), decimals, (flags & kCurrency) != 0, (flags & kThousands) != 0,
                            locale);
    case kxtype::Time:
        return valid_ ? formatTime(hour(), minute(), second(), (flags & kHideSeconds) == 0, locale)
                      : std::string();
    default:
        return plainText(locale);
    }
}

void FieldValue::parseText(std::string_view text, const KxLocale& locale) {
    switch (type_) {
    case kxtype::Text:
    case kxtype::MultipleChoice:
        setText(text);
        break;
    case kxtype::Integer:
        setInteger(parseInteger(text));
        break;
    case kxtype::Number:
    case kxtype::Calculation:
        setNumber(isNumberText(text, locale) ? parseNumber(text, locale) : 0.0);
        break;
    case kxtype::Date:
        if (auto date = parseDateText(text, locale))
            setDate(date->year, date->month, date->day);
        else
            clearDateOrTime();
        break;
    case kxtype::Time:
        if (auto time = parseTimeText(text, locale))
            setTime(time->hour, time->minute, time->second);
        else
            clearDateOrTime();
        break;
    case kxtype::Checkbox:
        setChecked(isCheckedText(text));
        break;
    default:
        break;
    }
}

int FieldValue::compare(const FieldValue& other) const {
    if (type_ != other.type_) return type_ < other.type_ ? -1 : 1;
    if (kxtype::isText(type_)) {
        if (hasText() != other.hasText()) return hasText() ? 1 : -1;
        return compareRaw(type_, raw(), other.raw());
    }
    if (type_ == kxtype::Calculation && calcFailed() != other.calcFailed())
        return calcFailed() ? -1 : 1;
    if (type_ == kxtype::Time && (!valid_ || !other.valid_))
        return valid_ == other.valid_ ? 0 : (valid_ ? 1 : -1);
    return compareRaw(type_, fixedBytes(), other.fixedBytes());
}

// ---- Text and Multiple Choice ------------------------------------------------------------

std::string_view FieldValue::text() const {
    return kxraw::text(raw());
}

std::string FieldValue::displayForm() const {
    const std::string_view stored = text();
    if (stored.find('\n') == std::string_view::npos || stored.find('\r') != std::string_view::npos)
        return std::string(stored);
    std::string shown;
    shown.reserve(stored.size() + 16);
    for (char c : stored) {
        if (c == '\n') shown += '\r';
        shown += c;
    }
    return shown;
}

void FieldValue::setText(std::string_view text) {
    text = text.substr(0, std::min(text.size(), text.find('\0')));
    textRaw_.clear();
    textRaw_.reserve(text.size() + 2);
    for (std::size_t from = 0; from < text.size();) {
        const std::size_t cr = std::min(text.find('\r', from), text.size());
        textRaw_.append(text, from, cr - from);
        from = cr + 1;
    }
    if (!textRaw_.empty()) textRaw_.append(textRaw_.size() % 2 == 0 ? 2 : 1, '\0');
}

// ---- numbers -----------------------------------------------------------------------------

std::int32_t FieldValue::integer() const {
    return kxraw::i32(fixed_.data());
}

void FieldValue::setInteger(std::int32_t value) {
    kxraw::putI32(fixed_.data(), value);
}

double FieldValue::number() const {
    return kxraw::f64(fixed_.data());
}

void FieldValue::setNumber(double value) {
    kxraw::putF64(fixed_.data(), value);
    if (type_ == kxtype::Calculation) kxraw::putI16(fixed_.data() + 8, 0);
}

bool FieldValue::calcFailed() const {
    return type_ == kxtype::Calculation && kxraw::i16(fixed_.data() + 8) != 0;
}

void FieldValue::setCalcResult(double value, bool failed) {
    kxraw::putF64(fixed_.data(), failed ? 0.0 : value);
    kxraw::putI16(fixed_.data() + 8, failed ? 1 : 0);
}

// ---- Date and Time -----------------------------------------------------------------------

int FieldValue::year() const {
    return kxraw::i16(fixed_.data());
}
int FieldValue::month() const {
    return fixed_[2];
}
int FieldValue::day() const {
    return fixed_[3];
}

bool FieldValue::setDate(int year, int month, int day) {
    if (!kxIsValidDate(year, month, day)) {
        clearDateOrTime();
        return false;
    }
    kxraw::putI16(fixed_.data(), static_cast<std::int16_t>(year));
    fixed_[2] = static_cast<std::uint8_t>(month);
    fixed_[3] = static_cast<std::uint8_t>(day);
    valid_ = true;
    return true;
}

int FieldValue::hour() const {
    return fixed_[0];
}
int FieldValue::minute() const {
    return fixed_[1];
}
int FieldValue::second() const {
    return fixed_[2];
}

bool FieldValue::setTime(int hour, int minute, int second) {
    if (!kxIsValidTime(hour, minute, second)) {
        clearDateOrTime();
        return false;
    }
    fixed_[0] = static_cast<std::uint8_t>(hour);
    fixed_[1] = static_cast<std::uint8_t>(minute);
    fixed_[2] = static_cast<std::uint8_t>(second);
    fixed_[3] = 0;
    valid_ = true;
    return true;
}

void FieldValue::clearDateOrTime() {
    fixed_.fill(0);
    valid_ = false;
}

// ---- Checkbox ----------------------------------------------------------------------------

std::int16_t FieldValue::checkboxFlag() const {
    return kxraw::i16(fixed_.data());
}

void FieldValue::setCheckboxFlag(std::int16_t flag) {
    kxraw::putI16(fixed_.data(), flag);
}
