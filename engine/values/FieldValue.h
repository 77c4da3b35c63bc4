#pragma once
// One field's value of one record: its raw bytes as the record stores them, its texts for
// display, and the parsing and comparison that follow the field's type.
//
// Raw bytes per type code (little-endian, as in the file):
//   1, 2  the text, a NUL, and a second NUL when that makes the count odd -> even
//   3     signed 32-bit integer          4  double
//   5     signed 16-bit year, month, day 6  hour, minute, second, a spare 0 byte
//   7     16-bit flag, nonzero checked   8  4 inert bytes
//   9     double result, 16-bit error flag (nonzero: the calculation failed)
// An empty field has no bytes and no value object; a value whose raw size is 0 (a text
// without text, a Time without a valid time) empties the field it is stored into.

#include "engine/KxDbError.h"
#include "engine/KxLocale.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

class FieldValue {
  public:
    // A value of type code 1..9 in its type's empty state: no text, 0, no date, no time,
    // unchecked. Label Only (0) and codes above 9 have no values: KxDbError::OutOfMemory,
    // as asking for one has always answered.
    static FieldValue newValue(int type);

    int type() const { return type_; }

    // ---- raw bytes ----
    std::size_t rawSize() const;
    const std::uint8_t* rawData() const;
    std::span<const std::uint8_t> raw() const { return {rawData(), rawSize()}; }
    // Replaces the value with stored bytes. A count that does not fit the type (any
    // nonzero count for texts), or missing bytes, throws KxDbError::BadValueLength and
    // keeps the value as it was.
    void setRaw(const void* bytes, std::size_t count);
    void setRaw(std::span<const std::uint8_t> bytes) { setRaw(bytes.data(), bytes.size()); }

    // ---- texts ----
    // The type's default text: the display form of a text, the integer, kxNumberText of a
    // Number, the short date, the time with seconds, "Yes"/"No", fifteen '#' for a failed
    // calculation; an empty text for no date, no time and type 8.
    std::string plainText(const KxLocale& locale = kxLocale()) const;
    // The text shown in lists, forms, exports and reports: Number and Calculation with the
    // field's decimals and the form item's flags (0x80 thousands separators, 0x100
    // currency symbol), Time without seconds under flag 0x40, everything else plainText.
    std::string displayText(int decimals, unsigned flags,
                            const KxLocale& locale = kxLocale()) const;
    // Sets the value from what the user typed or an import supplied. Never fails: a bad
    // number is 0, a bad date or time is no date or time, a bad checkbox text unchecked.
    void parseText(std::string_view text, const KxLocale& locale = kxLocale());

    // -1, 0 or 1 in the type's order; a value of another type orders by type code. For
    // Calculation values a failed one comes first.
    int compare(const FieldValue& other) const;

    // ---- Text and Multiple Choice ----
    bool hasText() const { return !textRaw_.empty(); }
    // The stored form: lines end in a line feed alone.
    std::string_view text() const;
    // The form shown in edit boxes: a stored text with line feeds and no carriage return
    // gets carriage return + line feed; any other text is shown as stored.
    std::string displayForm() const;
    // Stores the text without carriage returns, up to a NUL; an empty text is no text.
    void setText(std::string_view text);
    // The NULs a stored text of that length ends with: its terminator, and one more to make
    // the value's length even; none for no text.
    static std::size_t textPadding(std::size_t length) { return length == 0 ? 0 : length % 2 == 0 ? 2 : 1; }

    // ---- Number stored as integer (3) and type 8 ----
    std::int32_t integer() const;
    void setInteger(std::int32_t value);

    // ---- Number (4) and Calculation (9) ----
    double number() const;
    // For a Calculation this also clears the error flag.
    void setNumber(double value);
    bool calcFailed() const;
    // A failed result holds 0 whatever value is given.
    void setCalcResult(double value, bool failed);

    // ---- Date and Time ----
    // Whether a Date or Time holds a valid date or time; true for every other type.
    bool isValid() const { return valid_; }
    int year() const;
    int month() const;
    int day() const;
    // Checked: an invalid date leaves no date (0, 0, 0) and returns false.
    bool setDate(int year, int month, int day);
    int hour() const;
    int minute() const;
    int second() const;
    // Checked: an invalid time leaves no time and returns false.
    bool setTime(int hour, int minute, int second);

    // ---- Checkbox ----
    std::int16_t checkboxFlag() const;
    bool isChecked() const { return checkboxFlag() != 0; }
    void setChecked(bool checked) { setCheckboxFlag(checked ? 1 : 0); }
    void setCheckboxFlag(std::int16_t flag);

  private:
    explicit FieldValue(int type);
    std::span<const std::uint8_t> fixedBytes() const;
    void clearDateOrTime();

    std::uint8_t type_;
    bool valid_ = true;
    std::array<std::uint8_t, 10> fixed_{};
    std::string textRaw_; // the text, its NUL and a padding NUL; empty when there is no text
};
