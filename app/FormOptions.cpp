#include "app/FormOptions.h"

#include "engine/KxHeaderChunk.h"
#include "app/AppStrings.h"
#include "app/KxDbDoc.h"
#include "views/FormItems.h"

namespace {
bool labelled(const KxHeaderChunk& header, const KxFormItem& item) {
    return item.field < header.fields.size() && header.fields[item.field].type != KxFieldType::LabelOnly;
}
} // namespace

bool kxLabelsRightJustified(const KxHeaderChunk& header) {
    for (const KxFormItem& item : kxCurrentFormItems(header))
        if (labelled(header, item)) return (item.flags & kFlagJustifyMask) == 1;
    return false;
}

bool kxSetLabelJustification(KxHeaderChunk& header, bool right) {
    if (kxLabelsRightJustified(header) == right) return false;
    const std::size_t layout = header.currentLayout();
    if (layout >= header.layouts.size()) return false;
    for (KxFormItem& item : header.layouts[layout].items) {
        if (!labelled(header, item)) continue;
        item.flags = static_cast<std::uint16_t>((item.flags & ~kFlagJustifyMask) | (right ? 1 : 0));
    }
    return true;
}

void kxRunFormOptions(KxDbDoc& doc, const std::function<std::optional<bool>(bool right)>& choose) {
    if (!doc.isOpen()) return;
    doc.beginCommand();
    const auto& items = kxCurrentFormItems(doc.database().header());
    if (items.empty()) {
        doc.ui().inform(kxString(kxStrNoFormFields));
        return;
    }
    KxHeaderChunk& header = doc.database().header();
    const auto chosen = choose(kxLabelsRightJustified(header));
    if (!chosen || !kxSetLabelJustification(header, *chosen)) return;
    doc.setModified();
    doc.updateAllViews(KxViewHint::All);
}
