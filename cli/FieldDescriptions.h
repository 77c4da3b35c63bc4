#pragma once
// Parses the tool's field descriptions: "Label:type[:option,...]".

#include "editors/KxSchemaBuilder.h"

#include <string>
#include <vector>

// Throws CliUsageError with a readable reason for a description that does not parse, or for
// a calculation operand that names no earlier Number or Calculation field.
std::vector<KxFieldSpec> parseFieldSpecs(const std::vector<std::string>& specs);
