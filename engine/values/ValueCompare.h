#pragma once
// The typed order of raw values, used by sorting and searching straight on record bytes.

#include <cstdint>
#include <span>

// -1, 0 or 1 for two present raw values of the type code:
//   1, 2  case-insensitive text order (kxCompareTextNoCase) of the texts up to their NUL
//   3     signed integers;  4, 9  doubles (a Calculation's error flag is not looked at)
//   5     year, month, day; 6  hour, minute, second
//   7, 8  unchecked (0) before checked (any nonzero value, all of them equal)
// Bytes missing from a short value read as 0; a NaN sorts before every number. Other
// codes compare the bytes as they are.
int kxCompareRaw(int type, std::span<const std::uint8_t> a, std::span<const std::uint8_t> b);

// A total order of doubles: NaN first (all NaNs equal), then numeric order (-0 equals 0).
int kxCompareDoubles(double a, double b);
