#pragma once
// The engine reads the time only through this clock, so tests can fix "now".

#include <cstdint>
#include <functional>

struct KxClock {
    // Seconds since 1970-01-01 00:00 in local standard time (daylight saving not applied).
    std::function<std::uint32_t()> now;
    // Waits one second; used when 65535 records were created within one second.
    std::function<void()> sleepOneSecond;
};

const KxClock& kxClock();
// Installs another clock; an empty clock puts the system clock back.
void kxSetClock(KxClock clock);
// The system's local standard time.
std::uint32_t kxSystemLocalStandardTime();
