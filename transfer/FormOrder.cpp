#include "transfer/FormOrder.h"

std::vector<std::uint8_t> kxFieldsInFormOrder(const KxHeaderChunk& header, bool includeLabelOnly) {
    const std::size_t count = header.fields.size();
    std::vector<bool> listed(count, false);
    std::vector<std::uint8_t> order;
    auto take = [&](std::size_t field) {
        if (field >= count || listed[field]) return;
        listed[field] = true;
        if (includeLabelOnly || header.fields[field].type != KxFieldType::LabelOnly)
            order.push_back(static_cast<std::uint8_t>(field));
    };
    if (header.currentLayout() < header.layouts.size())
        for (const KxFormItem& item : header.layouts[header.currentLayout()].items) take(item.field);
    for (std::size_t field = 0; field < count; ++field) take(field);
    return order;
}
