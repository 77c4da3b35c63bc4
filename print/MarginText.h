#pragma once
// Page margins are kept as text in inches with six decimals ("0.750000"), whatever the
// user's locale writes as its decimal mark.

#include <optional>
#include <string>
#include <string_view>

// The margin in inches; none for text that is not a number from 0 up (blanks around it are
// allowed, and a comma is taken as the decimal mark).
std::optional<double> kxMarginInches(std::string_view text);
// The margin as stored.
std::string kxMarginText(double inches);
