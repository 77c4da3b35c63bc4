#include "views/KxCtrlClock.h"

namespace {

std::function<QDateTime()>& ctrlClock() {
    static std::function<QDateTime()> now;
    return now;
}

} // namespace

QDateTime kxCtrlNow() {
    return ctrlClock() ? ctrlClock()() : QDateTime::currentDateTime();
}

void kxSetCtrlClock(std::function<QDateTime()> now) {
    ctrlClock() = std::move(now);
}
