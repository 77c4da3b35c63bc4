#pragma once
// Choosing the entries of a field selection on the command line, for export and print:
// "--fields all", or labels separated by commas (the option may be repeated), in output
// order. A label is matched ignoring case; "#n" names the n-th entry (from 1). The Category
// entry is labelled "Category".

#include <cstdint>
#include <string>
#include <vector>

class KxFieldSelection;

// The order for the selection; every entry in entry order when no option was given. A name
// that matches no entry is a usage error.
std::vector<std::uint8_t> cliChooseEntries(const KxFieldSelection& selection,
                                           const std::vector<std::string>& options);
