#pragma once
// Which dates and times a Date or Time value may hold.

// A real Gregorian day from the calendar change on 14 September 1752 on. Earlier days
// belong to the old calendar and are refused. Years run to the end of the 16-bit range.
bool kxIsValidDate(int year, int month, int day);

// 0:00:00 to 23:59:59.
bool kxIsValidTime(int hour, int minute, int second);
