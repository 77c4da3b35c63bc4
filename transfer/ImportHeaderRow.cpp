#include "transfer/ImportHeaderRow.h"

#include "platform/NoCase.h"
#include "transfer/KxExporter.h"
#include "transfer/KxFieldChooserModel.h"
#include "transfer/KxFieldSelection.h"

#include <algorithm>

namespace {
std::string firstRowText(const KxImporter& source, std::size_t column) {
    const auto value = source.value(0, column);
    return value ? std::string(value->text()) : std::string();
}
} // namespace

bool kxFirstRowHoldsLabels(const KxImporter& source, const KxDatabase& db) {
    if (source.rowCount() == 0 || source.columnCount() == 0 || source.hasCategoryColumn()) return false;
    // The labels an export writes: every field, Label Only ones too, then "Category".
    const KxExportSelections selections(db);
    const KxFieldSelection& named = selections.named;
    for (std::size_t column = 0; column < source.columnCount(); ++column) {
        const std::string text = firstRowText(source, column);
        bool found = false;
        for (std::size_t entry = 0; entry < named.entryCount() && !found; ++entry)
            found = !text.empty() && kxEqualNoCase(text, named.entryLabel(entry));
        if (!found) return false;
    }
    return true;
}

std::vector<std::uint8_t> kxOrderByLabels(const KxImporter& source, const KxFieldSelection& selection) {
    std::vector<std::uint8_t> order;
    std::vector<bool> used(selection.entryCount(), false);
    for (std::size_t column = 0; column < source.columnCount(); ++column) {
        const std::string text = firstRowText(source, column);
        std::uint8_t chosen = KxFieldSelection::kSkipped;
        for (std::size_t entry = 0; entry < selection.entryCount(); ++entry) {
            if (used[entry] || !kxEqualNoCase(text, selection.entryLabel(entry))) continue;
            used[entry] = true;
            chosen = static_cast<std::uint8_t>(entry);
            break;
        }
        order.push_back(chosen);
    }
    return order;
}

void kxArrangeImportList(KxFieldChooserModel& model, const std::vector<std::uint8_t>& order) {
    auto used = [&order](int entry) {
        return entry != KxFieldChooserModel::kNoEntry &&
               std::find(order.begin(), order.end(), static_cast<std::uint8_t>(entry)) != order.end();
    };
    auto findFrom = [&model](std::size_t start, auto&& wanted) {
        for (std::size_t k = start; k < model.size(); ++k)
            if (wanted(model.items()[k])) return k;
        return model.size();
    };
    for (std::size_t place = 0; place < order.size() && place < model.size(); ++place) {
        std::size_t from = model.size();
        bool check = false;
        if (order[place] != KxFieldSelection::kSkipped) {
            from = findFrom(place, [&](const KxFieldChooserModel::Item& item) { return item.entry == order[place]; });
            check = true;
        }
        if (from == model.size())
            from = findFrom(place, [](const KxFieldChooserModel::Item& item) {
                return item.entry == KxFieldChooserModel::kNoEntry;
            });
        if (from == model.size())
            from = findFrom(place, [&](const KxFieldChooserModel::Item& item) { return !used(item.entry); });
        if (from == model.size()) continue;
        if (from != place) model.move(from, place);
        model.setChecked(place, check);
    }
}
