#pragma once
// The Caps Lock and Num Lock states the status bar shows, followed from key events. Qt has
// no call that asks for them; under X11 each key event carries the modifier state as it was
// just before the event (Lock for Caps Lock, Mod2 for Num Lock), so a lock key's own press
// turns its state over and its release says nothing new.

#include <cstdint>
#include <optional>

struct KxLockKeys {
    bool capsLock = false;
    bool numLock = false;

    bool operator==(const KxLockKeys&) const = default;
};

enum class KxLockKey { None, CapsLock, NumLock };

inline constexpr std::uint32_t kxX11LockMask = 0x02; // Caps Lock
inline constexpr std::uint32_t kxX11Mod2Mask = 0x10; // Num Lock

// The states after a key event; none for the release of a lock key, whose state may still
// show the lock that the press has just switched off.
std::optional<KxLockKeys> kxLockKeysAfter(KxLockKey key, bool press, std::uint32_t x11State);
