#pragma once
// Naming fields on the command line: a label (ignoring letter case) or #n, the 1-based position.

#include "engine/KxHeaderChunk.h"

#include <string>

// The field's position; a usage error for a name that names no field.
std::size_t cliResolveField(const KxHeaderChunk& header, const std::string& reference);
