#pragma once
// The fields a user picks from in the List Options and Search Records dialogs: every field
// that is not Label Only, in form order (the current layout's items from top to bottom, then
// any field that has no item, so none is left out), each with the name shown for it.

#include "engine/KxHeaderChunk.h"

#include <cstdint>
#include <string>
#include <vector>

struct KxFieldChoice {
    std::uint8_t field = 0;
    std::string name; // the label, or "Field %d" with the field's position from 1 (Windows-1252)
};

std::vector<KxFieldChoice> kxFieldChoices(const KxHeaderChunk& header);
