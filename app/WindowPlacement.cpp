#include "app/WindowPlacement.h"

#include <algorithm>

std::optional<KxWindowGeometry> kxInitialPlacement(const KxWindowGeometry& stored, KxScreenSize screen) {
    if (stored.width <= 0 || stored.height <= 0) return std::nullopt;
    KxWindowGeometry placed = stored;
    // Sums in long long: stored values come from a file the user may have edited.
    const bool offScreen = stored.x < 0 || stored.y < 0 ||
                           static_cast<long long>(stored.x) + stored.width > screen.width ||
                           static_cast<long long>(stored.y) + stored.height > screen.height;
    if (offScreen) {
        // A window larger than the screen keeps its title bar on screen.
        placed.x = std::max(0, (screen.width - stored.width) / 2);
        placed.y = std::max(0, (screen.height - stored.height) / 2);
    }
    return placed;
}

KxPaneWidths kxSplitPanes(int width, int percent) {
    constexpr int kMinimum = 10;
    width = std::max(width, 0);
    percent = std::clamp(percent, 0, 100);
    int list = static_cast<int>(static_cast<long long>(width) * percent / 100);
    if (width >= 2 * kMinimum) list = std::clamp(list, kMinimum, width - kMinimum);
    return {list, width - list};
}
