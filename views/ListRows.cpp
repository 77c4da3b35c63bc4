#include "views/ListRows.h"

#include "engine/KxCategoryEditor.h"
#include "engine/FieldDisplay.h"
#include "engine/KxDatabase.h"
#include "engine/KxStrings.h"
#include "editors/KxCategoryEditing.h"
#include "editors/EditorStrings.h"
#include "views/PaneStrings.h"
#include "engine/KxRecordChunk.h"
#include "engine/Sort.h"
#include "engine/TextCollation.h"
#include "engine/values/NumberParse.h"
#include "engine/values/RawBytes.h"

#include <algorithm>
#include <limits>

std::vector<std::uint32_t> kxRowsInView(const KxDatabase& db, bool deletedMode, std::uint16_t filter) {
    std::vector<std::uint32_t> rows;
    const std::size_t count = deletedMode ? db.deletedCount() : db.liveCount();
    rows.reserve(count);
    for (std::size_t i = 0; i < count; ++i)
        if (deletedMode || kxLiveRecordInView(db, i, filter)) rows.push_back(static_cast<std::uint32_t>(i));
    return rows;
}

bool kxLiveRecordInView(const KxDatabase& db, std::size_t liveIndex, std::uint16_t filter) {
    if (filter == kAllCategories) return true;
    if (filter == kFoundRecords) return db.liveAttributes(liveIndex) & kAttrFound;
    return db.liveCategory(liveIndex) == filter;
}

namespace {
bool canLookUp(KxFieldType type) {
    return type == KxFieldType::Text || type == KxFieldType::MultipleChoice || type == KxFieldType::Integer ||
           type == KxFieldType::Number || type == KxFieldType::Calculation;
}

bool isNumeric(KxFieldType type) {
    return type == KxFieldType::Integer || type == KxFieldType::Number || type == KxFieldType::Calculation;
}
} // namespace

KxListLayout kxListLayoutOf(const KxDatabase& db, std::size_t set) {
    KxListLayout layout;
    const KxHeaderChunk& header = db.header();
    if (set >= header.listSets.size()) return layout;
    const KxListOptionsSet& options = header.listSets[set];
    layout.columns = options.columns;
    auto typeOf = [&](std::size_t column) {
        const std::uint8_t field = layout.columns[column].field;
        return field < header.fields.size() ? header.fields[field].type : KxFieldType::LabelOnly;
    };
    const std::vector<KxSortKey>* keys =
        options.sortDef < header.sortDefs.size() ? &header.sortDefs[options.sortDef].keys : nullptr;
    if (!layout.columns.empty()) {
        if (canLookUp(typeOf(0))) {
            layout.lookupColumn = 0;
        } else if (typeOf(0) == KxFieldType::Checkbox && layout.columns.size() > 1 && canLookUp(typeOf(1))) {
            layout.lookupColumn = 1;
            // Rows ordered by the check box first are not ordered by the text beside it.
            if (keys) {
                auto first = std::find_if(keys->begin(), keys->end(),
                                          [](const KxSortKey& k) { return k.direction != KxSortDirection::None; });
                if (first != keys->end() && first->field == layout.columns[0].field) layout.lookupColumn = -1;
            }
        }
    }
    if (layout.lookupColumn >= 0 && keys) {
        const std::uint8_t field = layout.columns[static_cast<std::size_t>(layout.lookupColumn)].field;
        auto key = std::find_if(keys->begin(), keys->end(), [&](const KxSortKey& k) {
            return k.field == field && k.direction != KxSortDirection::None;
        });
        if (key != keys->end()) layout.lookupAscending = key->direction == KxSortDirection::Ascending;
    }
    return layout;
}

const KxRecordChunk& kxRowRecord(const KxDatabase& db, bool deletedMode, std::uint32_t row) {
    return deletedMode ? db.deletedChunk(row) : db.liveChunk(row);
}

bool kxInSortedPlace(const KxDatabase& db, bool deletedList, std::size_t index) {
    const std::vector<KxSortKey> keys = kxSortKeys(db);
    if (keys.empty()) return true;
    const std::size_t count = deletedList ? db.deletedCount() : db.liveCount();
    auto at = [&](std::size_t i) -> const KxRecordChunk& {
        return kxRowRecord(db, deletedList, static_cast<std::uint32_t>(i));
    };
    return (index == 0 || kxCompareRecords(db, keys, at(index - 1), at(index)) <= 0) &&
           (index + 1 >= count || kxCompareRecords(db, keys, at(index), at(index + 1)) <= 0);
}

std::string kxCellText(const KxDatabase& db, const KxRecordChunk& record, std::uint8_t field) {
    if (field >= record.valueCount()) return {};
    return kxDisplayText(db.header(), field, record.value(field));
}

bool kxCellChecked(const KxRecordChunk& record, std::uint8_t field) {
    if (field >= record.valueCount()) return false;
    const auto raw = record.value(field);
    return raw.size() == 2 && kx::raw::i16(raw.data()) != 0;
}

namespace {
// A number cell's value; an empty cell sorts before every number.
double numberOf(KxFieldType type, std::span<const std::uint8_t> raw) {
    if (type == KxFieldType::Integer) {
        if (raw.size() != 4) return -std::numeric_limits<double>::infinity();
        return kx::raw::i32(raw.data());
    }
    if (raw.size() < 8) return -std::numeric_limits<double>::infinity();
    return kx::raw::f64(raw.data());
}

bool startsWith(const std::string& cell, const std::string& typed) {
    return cell.size() >= typed.size() && kxCompareTextNoCase(cell.substr(0, typed.size()), typed) == 0;
}
} // namespace

std::optional<std::size_t> kxLookupRow(const KxDatabase& db, bool deletedMode,
                                       const std::vector<std::uint32_t>& rows, std::uint8_t field,
                                       bool ascending, const std::string& typed) {
    if (rows.empty() || field >= db.header().fields.size()) return std::nullopt;
    const KxFieldType type = db.header().fields[field].type;
    auto cellOf = [&](std::size_t row) { return kxCellText(db, kxRowRecord(db, deletedMode, rows[row]), field); };
    // `before(row)`: the row comes before the first match in the list's order.
    auto lowerBound = [&](auto before) {
        std::size_t lo = 0, hi = rows.size();
        while (lo < hi) {
            const std::size_t mid = lo + (hi - lo) / 2;
            if (before(mid))
                lo = mid + 1;
            else
                hi = mid;
        }
        return lo;
    };
    if (isNumeric(type)) {
        if (!kxIsNumberText(typed)) return std::nullopt;
        const double wanted = kxParseNumber(typed);
        auto valueOf = [&](std::size_t row) {
            const KxRecordChunk& record = kxRowRecord(db, deletedMode, rows[row]);
            return field < record.valueCount() ? numberOf(type, record.value(field))
                                               : -std::numeric_limits<double>::infinity();
        };
        std::size_t row =
            lowerBound([&](std::size_t r) { return ascending ? valueOf(r) < wanted : valueOf(r) > wanted; });
        // "1" finds 1 but also 12 and 100, which sort above it: step towards the greater
        // values (the end when ascending, the start when descending) to the first cell that
        // starts with the typed text.
        if (ascending) {
            for (; row < rows.size(); ++row)
                if (startsWith(cellOf(row), typed)) return row;
            return std::nullopt;
        }
        for (std::size_t r = std::min(row + 1, rows.size()); r-- > 0;)
            if (startsWith(cellOf(r), typed)) return r;
        return std::nullopt;
    }
    const std::size_t row = lowerBound([&](std::size_t r) {
        std::string cell = cellOf(r);
        cell.resize(std::min(cell.size(), typed.size()));
        const int c = kxCompareTextNoCase(cell, typed);
        return ascending ? c < 0 : c > 0;
    });
    if (row < rows.size() && startsWith(cellOf(row), typed)) return row;
    return std::nullopt;
}

std::vector<KxCategoryChoice> kxCategoryChoices(const KxDatabase& db, bool withAll, bool withEdit) {
    std::vector<KxCategoryChoice> choices;
    if (withAll) choices.push_back({kxString(kxStrAllCategories), kAllCategories});
    for (auto& [slot, name] : kxSortedCategoryNames(db))
        choices.push_back({std::move(name), static_cast<std::uint16_t>(slot)});
    choices.push_back({kxString(kxStrUnfiled), 0});
    if (withEdit) choices.push_back({kxString(kxStrEditCategoriesItem), kxEditCategoriesChoice});
    return choices;
}

std::size_t kxCategoryChoiceIndex(const std::vector<KxCategoryChoice>& choices, std::uint16_t category) {
    auto indexOf = [&](std::uint16_t data) -> std::optional<std::size_t> {
        for (std::size_t i = 0; i < choices.size(); ++i)
            if (choices[i].data == data) return i;
        return std::nullopt;
    };
    if (auto own = indexOf(category)) return *own;
    if (auto all = indexOf(kAllCategories)) return *all;
    return indexOf(0).value_or(0);
}

KxColumnPair kxDragDivider(int leftPercent, int rightPercent, int dropOffset, int pixelsOfBoth) {
    const int sum = leftPercent + rightPercent;
    if (pixelsOfBoth <= 0) return {leftPercent, rightPercent};
    const int offset = std::clamp(dropOffset, 0, pixelsOfBoth);
    const int left = std::min(100, static_cast<int>(static_cast<long long>(sum) * offset / pixelsOfBoth));
    return {left, std::min(100, sum - left)};
}
