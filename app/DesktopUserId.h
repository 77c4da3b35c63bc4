#pragma once
// The desktop user id: the first part of the identity of every record made on this PC.
// It is made once, from the time and the name of the first handheld user, and kept in the
// settings as "UserId".

#include "base/KxClock.h"
#include "base/KxSettings.h"
#include "install/HandheldUsers.h"

#include <cstdint>
#include <ctime>
#include <functional>

using KxNowFunction = std::function<std::int64_t()>;

// The current time in seconds since 1970, cut to 32 bits, plus the CRC-32 of the first
// handheld user's name; the time alone when there is no user or the name cannot be had.
std::uint32_t kxFreshUserId(const KxHandheldUserSource& users, std::int64_t nowSeconds);

// The stored id; when it is missing or 0, a fresh one, which is stored.
std::uint32_t kxDesktopUserId(KxSettings& settings, const KxHandheldUserSource& users,
                              const KxNowFunction& now = kxSystemNow);
