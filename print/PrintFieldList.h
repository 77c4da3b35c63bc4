#pragma once
// The fields to print, kept in the database as a form layout of its own (named by print
// setting 103) whose items name the fields in print order, 255 standing for the Category
// entry. The Field and Form Editor drops the layout and the setting together, since field
// positions change there.

#include <cstdint>
#include <optional>
#include <vector>

class KxDatabase;
class KxFieldSelection;

// The selection's order stored in the list, or none when setting 103 names no such list (or
// names the form the user sees, which is never the print list). Items naming no entry of the
// selection are left out, as are repeats.
std::optional<std::vector<std::uint8_t>> kxLoadPrintFieldList(const KxDatabase& db,
                                                              const KxFieldSelection& selection);

// Writes the selection's order into the list, creating the list (and setting 103) when there
// is none. False when the schema has no room for it (ten layouts, or a full header chunk); the
// database is then left as it was.
bool kxStorePrintFieldList(KxDatabase& db, const KxFieldSelection& selection);
