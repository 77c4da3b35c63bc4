#pragma once
// Names shown for fields without a label and for records without a named category, as
// selections, importers and the clipboard import show them.

#include <cstddef>
#include <cstdint>
#include <string>

class KxDatabase;

// "Field 3" for the third entry of a list (counting from 1).
std::string kxDefaultFieldName(std::size_t numberFromOne);

// The label, or the default name when the label is empty.
std::string kxLabelOrDefault(const std::string& label, std::size_t numberFromOne);

// The name of a record's category; "Unfiled" for slot 0 and for a slot without a name.
std::string kxCategoryDisplayName(const KxDatabase& db, std::uint16_t slot);
