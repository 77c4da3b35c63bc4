#include "views/FormItems.h"

#include <algorithm>

const std::vector<KxFormItem>& kxCurrentFormItems(const KxHeaderChunk& header) {
    static const std::vector<KxFormItem> none;
    const std::size_t layout = header.currentLayout();
    return layout < header.layouts.size() ? header.layouts[layout].items : none;
}

bool kxFormItemShown(const KxFormItem& item, KxFieldType type, bool hasValue, bool readOnlyForm) {
    if (item.flags & kFlagHidden) return false;
    const bool displayOnly = item.flags & kFlagDisplayOnly;
    const bool alwaysShown = type == KxFieldType::Checkbox || type == KxFieldType::LabelOnly;
    return (!displayOnly || hasValue) && (!readOnlyForm || hasValue || alwaysShown);
}

int kxFormPercent(std::uint16_t stored) {
    return std::min<int>(stored, 1000) * 100 / 1000;
}

std::vector<KxFormRow> kxShownFormRows(const KxHeaderChunk& header, bool readOnlyForm,
                                       const std::function<bool(std::size_t field)>& hasValue) {
    std::vector<KxFormRow> rows;
    const auto& items = kxCurrentFormItems(header);
    for (std::size_t i = 0; i < items.size(); ++i) {
        const KxFormItem& item = items[i];
        if (item.field >= header.fields.size()) continue; // an item naming no field shows nothing
        const KxFieldType type = header.fields[item.field].type;
        const bool filled = type != KxFieldType::LabelOnly && hasValue(item.field);
        if (!kxFormItemShown(item, type, filled, readOnlyForm)) continue;
        KxFormRow row;
        row.item = i;
        row.field = item.field;
        row.type = type;
        row.flags = item.flags;
        row.displayOnly = readOnlyForm || (item.flags & kFlagDisplayOnly);
        row.labelRight = (item.flags & kFlagJustifyMask) == 1;
        row.labelPercent = item.value1 == 0 ? kDefaultLabelPercent : kxFormPercent(item.value1);
        row.controlPercent = std::max(kxFormPercent(item.value2), row.labelPercent + 1);
        rows.push_back(row);
    }
    return rows;
}
