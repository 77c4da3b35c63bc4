#pragma once
// Where the main window opens, from the size and position stored when it last moved or
// changed size (−1 for unknown, and both sizes −1 when it was maximized).

#include <optional>

struct KxWindowGeometry {
    int x = -1, y = -1, width = -1, height = -1;
    bool operator==(const KxWindowGeometry&) const = default;
};

struct KxScreenSize {
    int width = 0, height = 0;
};

// The stored size with its position, or none for the system's default placement (a size
// that is not positive). A position off the top or left, or one that would put any part of
// the window past the screen's right or bottom edge, centres the window instead (never above or
// left of the screen's corner).
std::optional<KxWindowGeometry> kxInitialPlacement(const KxWindowGeometry& stored, KxScreenSize screen);

// Both stored sizes negative: the window last closed maximized and opens maximized.
inline bool kxOpensMaximized(const KxWindowGeometry& stored) {
    return stored.width < 0 && stored.height < 0;
}

// The pixel widths of the two panes: list = width × percent ÷ 100, the record pane the
// rest, each at least 10 pixels when the width allows.
struct KxPaneWidths {
    int list = 0, record = 0;
};
KxPaneWidths kxSplitPanes(int width, int percent);
