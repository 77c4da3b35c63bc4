#include "views/widgets/KxCtrlClock.h"

#include "base/KxClock.h"

QDateTime kxCtrlNow() {
    return QDateTime::fromSecsSinceEpoch(kxSystemNow());
}
