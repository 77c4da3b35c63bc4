#pragma once
// Which part of the user guide belongs to a window: F1 opens the guide at the section about
// the dialog or window in front.

#include <string>
#include <string_view>

// The heading of the guide's section for a window of the given class ("KxSearchDialog"),
// or empty for the start of the guide.
std::string kxHelpSection(std::string_view windowClass);
