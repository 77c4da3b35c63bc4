#pragma once
// The text of a raw value as the search over all fields matches it.

#include "engine/KxLocale.h"

#include <cstdint>
#include <span>
#include <string>

// Texts as stored; integers in decimal; Number and Calculation with fifteen decimals,
// untrimmed, without grouping or currency symbol (12.5 gives 12.500000000000000); dates
// and times as their default texts; types 7 and 8 "Yes" or "No". A value whose byte count
// does not fit its type gives an empty text.
std::string kxRawValueText(int type, std::span<const std::uint8_t> raw,
                         const KxLocale& locale = kxLocale());

// The same text appended to `out`, without a new string for the common numbers.
void kxAppendRawValueText(int type, std::span<const std::uint8_t> raw, std::string& out,
                        const KxLocale& locale = kxLocale());
