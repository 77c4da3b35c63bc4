#include "transfer/KxFieldChooserModel.h"

#include "transfer/TransferStrings.h"
#include "transfer/KxFieldSelection.h"

#include <algorithm>

KxFieldChooserModel KxFieldChooserModel::forChooser(const KxFieldSelection& selection) {
    KxFieldChooserModel model;
    const auto& order = selection.order();
    for (std::size_t e = 0; e < selection.entryCount(); ++e) {
        const bool chosen = std::find(order.begin(), order.end(), e) != order.end();
        model.items_.push_back({selection.entryLabel(e), static_cast<int>(e), chosen});
    }
    model.initial_ = model.items_;
    return model;
}

KxFieldChooserModel KxFieldChooserModel::forImport(const KxFieldSelection& selection,
                                                   std::size_t columnCount) {
    KxFieldChooserModel model;
    for (std::size_t e = 0; e < selection.entryCount(); ++e)
        model.items_.push_back({selection.entryLabel(e), static_cast<int>(e), true});
    while (model.items_.size() < columnCount)
        model.items_.push_back({kxString(kxStrNoField), kNoEntry, false});
    model.initial_ = model.items_;
    return model;
}

void KxFieldChooserModel::setChecked(std::size_t item, bool checked) {
    if (item < items_.size()) items_[item].checked = checked;
}

void KxFieldChooserModel::move(std::size_t from, std::size_t to) {
    if (from >= items_.size() || to > items_.size() || to == from || to == from + 1) return;
    Item item = std::move(items_[from]);
    items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(from));
    if (to > from) --to;
    items_.insert(items_.begin() + static_cast<std::ptrdiff_t>(to), std::move(item));
}

void KxFieldChooserModel::reset() {
    items_ = initial_;
    for (Item& item : items_) item.checked = item.entry != kNoEntry;
}

std::vector<std::uint8_t> KxFieldChooserModel::checkedOrder() const {
    std::vector<std::uint8_t> order;
    for (const Item& item : items_)
        if (item.checked && item.entry != kNoEntry) order.push_back(static_cast<std::uint8_t>(item.entry));
    return order;
}

std::vector<std::uint8_t> KxFieldChooserModel::importOrder() const {
    std::vector<std::uint8_t> order;
    for (const Item& item : items_)
        order.push_back(item.checked && item.entry != kNoEntry ? static_cast<std::uint8_t>(item.entry)
                                                               : KxFieldSelection::kSkipped);
    return order;
}
