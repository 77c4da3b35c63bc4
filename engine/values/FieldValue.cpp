#include "engine/values/FieldValue.h"

#include "engine/values/DateTime.h"
#include "engine/KxDbError.h"
#include "engine/KxStrings.h"
#include "engine/values/NumberFormat.h"
#include "engine/values/NumberParse.h"
#include "engine/values/RawBytes.h"
#include "engine/values/TypeCodes.h"
#include "engine/values/ValueCompare.h"

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
    if (type == kx::type::Date || type == kx::type::Time) clearDateOrTime();
}

FieldValue FieldValue::newValue(int type) {
    if (type < kx::type::Text || type > kx::type::Calculation) throw KxDbError::OutOfMemory;
    return FieldValue(type);
}

// ---- raw bytes ---------------------------------------------------------------------------

std::size_t FieldValue::rawSize() const {
    if (kx::type::isText(type_)) return textRaw_.size();
    // A Time without a valid time is an empty field, never bytes that read as midnight.
    if (type_ == kx::type::Time && !valid_) return 0;
    return static_cast<std::size_t>(kx::type::fixedRawSize(type_));
}

const std::uint8_t* FieldValue::rawData() const {
    if (kx::type::isText(type_)) return reinterpret_cast<const std::uint8_t*>(textRaw_.data());
    return fixed_.data();
}

std::span<const std::uint8_t> FieldValue::fixedBytes() const {
    return {fixed_.data(), static_cast<std::size_t>(kx::type::fixedRawSize(type_))};
}

void FieldValue::setRaw(const void* bytes, std::size_t count) {
    if (bytes == nullptr || count == 0) throw KxDbError::BadValueLength;
    const auto* p = static_cast<const std::uint8_t*>(bytes);
    if (kx::type::isText(type_)) {
        // The stored text is kept as the record holds it, up to its NUL.
        const std::string_view stored = kx::raw::text({p, count});
        textRaw_.clear();
        if (!stored.empty()) {
            textRaw_.assign(stored);
            textRaw_.append(stored.size() % 2 == 0 ? 2 : 1, '\0');
        }
        return;
    }
    if (count != static_cast<std::size_t>(kx::type::fixedRawSize(type_)))
        throw KxDbError::BadValueLength;
    std::copy(p, p + count, fixed_.begin());
    if (type_ == kx::type::Date) valid_ = kxIsValidDate(year(), month(), day());
    if (type_ == kx::type::Time) valid_ = kxIsValidTime(hour(), minute(), second());
}

// ---- texts -------------------------------------------------------------------------------

std::string FieldValue::plainText(const KxLocale& locale) const {
    switch (type_) {
    case kx::type::Text:
    case kx::type::MultipleChoice:
        return displayForm();
    case kx::type::Integer:
        return std::to_string(integer());
    case kx::type::Number:
        return kxNumberText(number(), false, false, locale);
    case kx::type::Date:
        return valid_ ? kxFormatDate(year(), month(), day(), locale) : std::string();
    case kx::type::Time:
        return valid_ ? kxFormatTime(hour(), minute(), second(), true, locale) : std::string();
    case kx::type::Checkbox:
        return checkboxText(isChecked());
    case kx::type::Calculation:
        return calcFailed() ? kFailedCalc : kxNumberText(number(), false, false, locale);
    default:
        return {};
    }
}

std::string FieldValue::displayText(int decimals, unsigned flags, const KxLocale& locale) const {
    switch (type_) {
    case kx::type::Calculation:
        if (calcFailed()) return kFailedCalc;
        [[fallthrough]];
    case kx::type::Number:
        return kxFormatNumber(number(), decimals, (flags & kCurrency) != 0, (flags & kThousands) != 0,
                            locale);
    case kx::type::Time:
        return valid_ ? kxFormatTime(hour(), minute(), second(), (flags & kHideSeconds) == 0, locale)
                      : std::string();
    default:
        return plainText(locale);
    }
}

void FieldValue::parseText(std::string_view text, const KxLocale& locale) {
    switch (type_) {
    case kx::type::Text:
    case kx::type::MultipleChoice:
        setText(text);
        break;
    case kx::type::Integer:
        setInteger(kxParseInteger(text));
        break;
    case kx::type::Number:
    case kx::type::Calculation:
        setNumber(kxIsNumberText(text, locale) ? kxParseNumber(text, locale) : 0.0);
        break;
    case kx::type::Date:
        if (auto date = kxParseDateText(text, locale))
            setDate(date->year, date->month, date->day);
        else
            clearDateOrTime();
        break;
    case kx::type::Time:
        if (auto time = kxParseTimeText(text, locale))
            setTime(time->hour, time->minute, time->second);
        else
            clearDateOrTime();
        break;
    case kx::type::Checkbox:
        setChecked(kxIsCheckedText(text));
        break;
    default:
        break;
    }
}

int FieldValue::compare(const FieldValue& other) const {
    if (type_ != other.type_) return type_ < other.type_ ? -1 : 1;
    if (kx::type::isText(type_)) {
        if (hasText() != other.hasText()) return hasText() ? 1 : -1;
        return kxCompareRaw(type_, raw(), other.raw());
    }
    if (type_ == kx::type::Calculation && calcFailed() != other.calcFailed())
        return calcFailed() ? -1 : 1;
    if (type_ == kx::type::Time && (!valid_ || !other.valid_))
        return valid_ == other.valid_ ? 0 : (valid_ ? 1 : -1);
    return kxCompareRaw(type_, fixedBytes(), other.fixedBytes());
}

// ---- Text and Multiple Choice ------------------------------------------------------------

std::string_view FieldValue::text() const {
    return kx::raw::text(raw());
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
    textRaw_.append(textPadding(textRaw_.size()), '\0');
}

// ---- numbers -----------------------------------------------------------------------------

std::int32_t FieldValue::integer() const {
    return kx::raw::i32(fixed_.data());
}

void FieldValue::setInteger(std::int32_t value) {
    kx::raw::putI32(fixed_.data(), value);
}

double FieldValue::number() const {
    return kx::raw::f64(fixed_.data());
}

void FieldValue::setNumber(double value) {
    kx::raw::putF64(fixed_.data(), value);
    if (type_ == kx::type::Calculation) kx::raw::putI16(fixed_.data() + 8, 0);
}

bool FieldValue::calcFailed() const {
    return type_ == kx::type::Calculation && kx::raw::i16(fixed_.data() + 8) != 0;
}

void FieldValue::setCalcResult(double value, bool failed) {
    kx::raw::putF64(fixed_.data(), failed ? 0.0 : value);
    kx::raw::putI16(fixed_.data() + 8, failed ? 1 : 0);
}

// ---- Date and Time -----------------------------------------------------------------------

int FieldValue::year() const {
    return kx::raw::i16(fixed_.data());
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
    kx::raw::putI16(fixed_.data(), static_cast<std::int16_t>(year));
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
    return kx::raw::i16(fixed_.data());
}

void FieldValue::setCheckboxFlag(std::int16_t flag) {
    kx::raw::putI16(fixed_.data(), flag);
}
