#pragma once
// "Now" for the date and time boxes, which start an empty field at the current local date
// and time. Tests install a fixed clock.

#include <QDateTime>

#include <functional>

QDateTime kxCtrlNow();
// An empty function puts the system clock back.
void kxSetCtrlClock(std::function<QDateTime()> now);
