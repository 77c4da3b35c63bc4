#pragma once
// Where the frame sends each private message of the views. The message travels unchanged
// (wParam, lParam); only its receiver is decided here.

#include "app/DocView.h"

#include <cstdint>

enum class KxPaneTarget { Frame, ListView, RecordView, Nobody };

// 0x601 the frame itself; 0x602, 0x608, 0x609 and 0x60D the record view; 0x605 and 0x60A the
// list view; 0x607 the list view when wParam is non-zero, else the record view. Others are
// not routed.
KxPaneTarget kxPaneFor(KxViewMessage message, std::uintptr_t wParam);

// The list pane's share of the width after 0x601: wParam percent, at most 100.
int kxListPaneShare(std::uintptr_t wParam);

// The pixel widths of the two panes: list = width × percent ÷ 100, the record pane the
// rest, each at least 10 pixels when the width allows.
struct KxPaneWidths {
    int list = 0, record = 0;
};
KxPaneWidths kxSplitPanes(int width, int percent);
