#pragma once
// The order in which import, export, printing and the clipboard import list a database's
// fields: the items of the current form layout from top to bottom, then any field that is
// not on the form, in field order, so that no field is ever left out.

#include "engine/KxHeaderChunk.h"

#include <cstdint>
#include <vector>

// Field positions in form order; each field once. Label Only fields only when asked for.
std::vector<std::uint8_t> kxFieldsInFormOrder(const KxHeaderChunk& header, bool includeLabelOnly);
