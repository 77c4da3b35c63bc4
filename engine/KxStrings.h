#pragma once
// The program's texts that are keyed by number, as the product numbers its messages. Each
// subsystem keeps its own table beside its code (app/AppStrings.h, editors/EditorStrings.h, ...)
// so that a dialog's new message rebuilds that subsystem only; the engine keeps its own few
// here. kxString() looks in every table a program registered; numbers are unique across them.

#include <map>
#include <string>
#include <string_view>
#include <vector>

inline constexpr int kxStrYes = 101;
inline constexpr int kxStrNo = 102;
inline constexpr int kxStrUnfiled = 103;

using KxStringTable = std::map<int, std::string>;

// Adds a subsystem's table to those kxString() consults; answers true. A subsystem's header
// registers its table through an inline variable, so a program that uses one of its numbers
// always has the table.
bool kxRegisterStrings(const KxStringTable& (*table)());
// The engine's table and every registered one, in order of registration.
std::vector<const KxStringTable*> kxStringTables();

// The text with the given number; an empty text for a number that has none.
const std::string& kxString(int id);
// The text with its first "%s" replaced by the argument.
std::string kxString(int id, std::string_view argument);
