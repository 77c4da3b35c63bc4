#include "app/PaneRouting.h"

#include <algorithm>

KxPaneTarget kxPaneFor(KxViewMessage message, std::uintptr_t wParam) {
    switch (message) {
    case KxViewMessage::SetListPaneWidth: return KxPaneTarget::Frame;
    case KxViewMessage::ShowRecord:
    case KxViewMessage::ReleaseRecord:
    case KxViewMessage::RetakeRecord:
    case KxViewMessage::FieldValue: return KxPaneTarget::RecordView;
    case KxViewMessage::RecordChanged:
    case KxViewMessage::ClearLookup: return KxPaneTarget::ListView;
    case KxViewMessage::CategoriesChanged:
        return wParam != 0 ? KxPaneTarget::ListView : KxPaneTarget::RecordView;
    default: return KxPaneTarget::Nobody;
    }
}

int kxListPaneShare(std::uintptr_t wParam) {
    return static_cast<int>(std::min<std::uintptr_t>(wParam, 100));
}

KxPaneWidths kxSplitPanes(int width, int percent) {
    constexpr int kMinimum = 10;
    width = std::max(width, 0);
    percent = std::clamp(percent, 0, 100);
    int list = static_cast<int>(static_cast<long long>(width) * percent / 100);
    if (width >= 2 * kMinimum) list = std::clamp(list, kMinimum, width - kMinimum);
    return {list, width - list};
}
