#pragma once
// The one clock of both programs: the engine, the application and the field controls read
// the time only through it, so tests can fix "now".

#include <cstdint>
#include <functional>

struct KxClock {
    // Seconds since 1970-01-01 00:00 in local standard time (daylight saving not applied).
    std::function<std::uint32_t()> now;
    // Waits one second; used when 65535 records were created within one second.
    std::function<void()> sleepOneSecond;
    // Seconds since 1970-01-01 00:00 UTC.
    std::function<std::int64_t()> secondsSince1970;
};

const KxClock& kxClock();
// Installs another clock; an empty clock puts the system clock back.
void kxSetClock(KxClock clock);
// The system's local standard time.
std::uint32_t kxSystemLocalStandardTime();
// Seconds since 1970 (UTC) from the installed clock.
std::int64_t kxSystemNow();
