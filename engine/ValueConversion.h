#pragma once
// Converting a stored value from one field type to another, as when a field's type changes
// or an import stores a value into a field of another type.

#include "engine/KxHeaderChunk.h"

#include <cstdint>
#include <span>
#include <vector>

// The new bytes (empty: the field becomes empty; always empty for pairs that do not convert).
std::vector<std::uint8_t> kxConvertRawValue(KxFieldType from, KxFieldType to,
                                            std::span<const std::uint8_t> bytes);
