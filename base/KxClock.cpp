#include "base/KxClock.h"

#include <ctime>
#include <thread>

std::uint32_t kxSystemLocalStandardTime() {
    // tzset() reads the zone settings again (a look at the zone file included) on every call,
    // which made stamping thousands of records in a row slow; once a second is enough to
    // follow a change of zone. The program has one user-interface thread.
    static std::time_t checkedAt = -1;
    static long offset = 0;
    const std::time_t now = std::time(nullptr);
    if (now != checkedAt) {
        tzset();
        offset = timezone; // the standard offset west of UTC; daylight saving is ignored
        checkedAt = now;
    }
    return static_cast<std::uint32_t>(static_cast<std::int64_t>(now) - offset);
}

namespace {
KxClock systemClock() {
    return {kxSystemLocalStandardTime,
            [] { std::this_thread::sleep_for(std::chrono::seconds(1)); },
            [] { return static_cast<std::int64_t>(std::time(nullptr)); }};
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
    if (!clock.secondsSince1970) clock.secondsSince1970 = fallback.secondsSince1970;
    current() = std::move(clock);
}

std::int64_t kxSystemNow() { return current().secondsSince1970(); }
