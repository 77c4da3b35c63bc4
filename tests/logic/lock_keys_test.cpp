// The Caps Lock and Num Lock panes follow X11's modifier state, which each key event gives as
// it was just before the event.

#include "app/KxLockKeys.h"

#include <gtest/gtest.h>

TEST(LockKeys, AnyKeyReportsTheStateItCarries) {
    EXPECT_EQ(kxLockKeysAfter(KxLockKey::None, true, 0), (KxLockKeys{false, false}));
    EXPECT_EQ(kxLockKeysAfter(KxLockKey::None, true, kxX11LockMask), (KxLockKeys{true, false}));
    EXPECT_EQ(kxLockKeysAfter(KxLockKey::None, false, kxX11Mod2Mask | 0x01), (KxLockKeys{false, true}));
}

TEST(LockKeys, ALockKeyTurnsItsStateOverOnThePressAndIgnoresTheRelease) {
    // Caps Lock switched on: the press carries the old state.
    EXPECT_EQ(kxLockKeysAfter(KxLockKey::CapsLock, true, kxX11Mod2Mask), (KxLockKeys{true, true}));
    // ... and switched off again; its release still carries Lock.
    EXPECT_EQ(kxLockKeysAfter(KxLockKey::CapsLock, true, kxX11LockMask), (KxLockKeys{false, false}));
    EXPECT_FALSE(kxLockKeysAfter(KxLockKey::CapsLock, false, kxX11LockMask).has_value());
    EXPECT_EQ(kxLockKeysAfter(KxLockKey::NumLock, true, 0), (KxLockKeys{false, true}));
    EXPECT_FALSE(kxLockKeysAfter(KxLockKey::NumLock, false, 0).has_value());
}
