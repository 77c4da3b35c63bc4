#include "Clock.h"

#include <ctime>
#include <thread>

std::uint32_t kxSystemLocalStandardTime() {
    tzset();
    // `timezone` is the standard offset west of UTC; daylight saving is deliberately ignored.
    return static_cast<std::uint32_t>(static_cast<std::int64_t>(std::time(nullptr)) - timezone);
}

namespace {
KxClock systemClock() {
    return {kxSystemLocalStandardTime,
            [] { std::this_thread::sleep_for(std::chrono::seconds(1)); }};
}
KxClock& current() {
    static KxClock clock = systemClock();
    return clock;
}
} // namespace

const KxClock& kxClock() { return current(); }

void kxSetClock(KxClock clock) {
    KxClock fallback = systemClock();
    if (!clock.now) clock.now = fallback.now;
    if (!clock.sleepOneSecond) clock.sleepOneSecond = fallback.sleepOneSecond;
    current() = std::move(clock);
}
