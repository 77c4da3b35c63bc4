#pragma once
// Changing a value's type: when a field's type changes and when an import stores a value
// into a field of another type.

#include "engine/values/FieldValue.h"

#include <optional>

enum class KxConversion { Lossless, Lossy, Impossible };

// What converting from one type code to another keeps:
//   lossless  the same type, from Label Only, to Text or Multiple Choice, integer to
//             Number or Calculation;
//   lossy     to integer from Text, Multiple Choice, Number or Calculation; from Text or
//             Multiple Choice to Number, Calculation, Date, Time or Checkbox;
//   impossible every other pair (Number <-> Calculation, Date to Number, anything to 8).
KxConversion kxConversionKind(int from, int to);

// The value converted to the type. Through text where either side is Text or Multiple
// Choice (the source's default text parsed by the target type); a double to the integer
// type truncates toward zero and holds to the 32-bit range (a failed calculation gives 0);
// an integer becomes the same double. No value for an impossible pair or a Label Only
// target. The result may be empty (raw size 0): a text without text, no time.
std::optional<FieldValue> kxConvertValue(const FieldValue& value, int toType,
                                       const KxLocale& locale = kxLocale());
