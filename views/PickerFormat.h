#pragma once
// The date and time pictures of the user's locale, rewritten in the display-format letters
// of the date and time pickers, so that a picker shows its value the way kxFormatDate and
// kxFormatTime write it.

#include <string>
#include <string_view>

// Day, month and year fields keep their lengths (a year of up to three letters shows two
// digits, a longer one four); era letters are dropped; any other letter is kept as literal
// text.
std::string kxPickerDateFormat(std::string_view shortDatePicture);

// Hour, minute and second fields keep their lengths (at most two letters); the AM/PM
// designator (t or tt) becomes the pickers' AM/PM field; any other letter is kept as
// literal text.
std::string kxPickerTimeFormat(std::string_view timePicture);
