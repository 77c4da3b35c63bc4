#pragma once
// Categories named on the command line.

#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>

class KxDatabase;
class KxUi;

// A category name from the command line in database text, cut to the 15 characters a name
// holds; a cut is told on `err` so that the user knows which name the database keeps.
std::string cliCategoryText(const std::string& name, std::ostream& err);
// "all" is 255, "Unfiled" (in any letter case) 0, else the slot with that name (cut as
// above); a usage error when none has it.
std::uint16_t cliCategoryFilter(const KxDatabase& db, const std::string& name, std::ostream& err);
// The slot of the named category, made in the lowest free slot when it is new; none when
// the category cannot be made (the refusal has been shown).
std::optional<std::uint16_t> cliCategoryForNewRecord(KxDatabase& db, KxUi& ui, const std::string& name,
                                                    std::ostream& err);
// Marks the database modified, as the desktop program does, and saves it.
void cliSaveChanged(KxDatabase& db);
