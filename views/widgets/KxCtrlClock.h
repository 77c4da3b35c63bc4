#pragma once
// "Now" for the date and time boxes, which start an empty field at the current local date
// and time: the program's one clock, as a local date and time.

#include <QDateTime>

QDateTime kxCtrlNow();
