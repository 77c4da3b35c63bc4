#pragma once
// How a field's value is shown in the list, on the form, in copies and in the tool: the
// field's decimal places and the current form item's flags (thousands separators, currency
// symbol, seconds hidden).

#include "engine/KxHeaderChunk.h"

#include <cstdint>
#include <span>
#include <string>

// The display flags of the field's first item on the current form layout (0 when none).
std::uint16_t kxFormFlagsOf(const KxHeaderChunk& header, std::size_t field);

// The display text of a stored value; empty for an empty field.
std::string kxDisplayText(const KxHeaderChunk& header, std::size_t field,
                          std::span<const std::uint8_t> raw);
