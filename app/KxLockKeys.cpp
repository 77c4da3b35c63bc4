#include "app/KxLockKeys.h"

std::optional<KxLockKeys> kxLockKeysAfter(KxLockKey key, bool press, std::uint32_t x11State) {
    if (!press && key != KxLockKey::None) return std::nullopt;
    KxLockKeys keys{(x11State & kxX11LockMask) != 0, (x11State & kxX11Mod2Mask) != 0};
    if (key == KxLockKey::CapsLock) keys.capsLock = !keys.capsLock;
    if (key == KxLockKey::NumLock) keys.numLock = !keys.numLock;
    return keys;
}
