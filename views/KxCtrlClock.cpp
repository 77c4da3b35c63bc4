#include "views/KxCtrlClock.h"

#include "Clock.h"

QDateTime kxCtrlNow() {
    return QDateTime::fromSecsSinceEpoch(kxSystemNow());
}
