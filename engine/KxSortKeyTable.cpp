#include "engine/KxSortKeyTable.h"

#include "engine/KxRecordChunk.h"
#include "engine/TextCollation.h"
#include "engine/values/RawBytes.h"
#include "engine/values/TypeCodes.h"
#include "engine/values/ValueCompare.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace {
// A short value reads as if the missing bytes were zero.
std::array<std::uint8_t, 10> padded(std::span<const std::uint8_t> raw) {
    std::array<std::uint8_t, 10> bytes{};
    // An empty value of a record without any value has no bytes at all, not even an address.
    if (!raw.empty()) std::memcpy(bytes.data(), raw.data(), std::min(raw.size(), bytes.size()));
    return bytes;
}

int sign(std::int64_t d) { return d < 0 ? -1 : d > 0 ? 1 : 0; }
} // namespace

KxSortKeyTable::KxSortKeyTable(const std::vector<KxFieldDef>& fields,
                               const std::vector<KxSortKey>& keys, Held held)
    : keys_(keys), held_(held) {
    for (const auto& key : keys) types_.push_back(static_cast<int>(fields.at(key.field).type));
    leadingIsText_ = !types_.empty() && (types_[0] == kx::type::Text || types_[0] == kx::type::MultipleChoice);
    leadingDescends_ = !keys_.empty() && keys_[0].direction == KxSortDirection::Descending;
}

KxSortKeyTable::Cell KxSortKeyTable::makeCell(int type, std::span<const std::uint8_t> raw) {
    Cell cell;
    // An empty Checkbox counts as unchecked: it sorts with the unchecked ones.
    if (raw.empty() && type != kx::type::Checkbox) return cell;
    cell.present = true;
    const auto b = padded(raw);
    switch (type) {
    case kx::type::Text:
    case kx::type::MultipleChoice: {
        const std::string_view text = kx::raw::text(raw);
        cell.length = static_cast<std::uint16_t>(std::min<std::size_t>(text.size(), 0xFFFF));
        // Every character but NUL, which a text never holds, weighs more than the zero
        // bytes after a short text, so the prefixes order as the texts do where they differ.
        const std::string weights = kxFoldKey(text.substr(0, 8));
        cell.prefix = 0;
        for (std::size_t k = 0; k < 8; ++k)
            cell.prefix = (cell.prefix << 8) | (k < weights.size() ? static_cast<unsigned char>(weights[k]) : 0u);
        break;
    }
    case kx::type::Integer: cell.number = kx::raw::i32(b.data()); break;
    case kx::type::Number:
    case kx::type::Calculation: cell.real = kx::raw::f64(b.data()); break;
    case kx::type::Date: cell.number = (std::int64_t{kx::raw::i16(b.data())} << 16) | (b[2] << 8) | b[3]; break;
    case kx::type::Time: cell.number = (b[0] << 16) | (b[1] << 8) | b[2]; break;
    case kx::type::Checkbox: cell.number = kx::raw::i16(b.data()) != 0; break;
    case kx::type::Unnamed: cell.number = kx::raw::i32(b.data()) != 0; break;
    default: break;
    }
    return cell;
}

int KxSortKeyTable::compareCells(std::size_t key, const Cell& x, const Cell& y, std::size_t a,
                                 std::size_t b) const {
    if (x.present != y.present) return x.present ? 1 : -1;
    if (!x.present) return 0;
    switch (types_[key]) {
    case kx::type::Text:
    case kx::type::MultipleChoice: {
        if (x.prefix != y.prefix) return x.prefix < y.prefix ? -1 : 1;
        if (x.length <= 8 && y.length <= 8) return 0; // equal prefixes: the same weights
        const std::size_t field = keys_[key].field;
        return kxCompareTextNoCase(kx::raw::text(records_[a]->value(field)), kx::raw::text(records_[b]->value(field)));
    }
    case kx::type::Number:
    case kx::type::Calculation: return kxCompareDoubles(x.real, y.real);
    default: return sign(x.number - y.number);
    }
}

void KxSortKeyTable::reserve(std::size_t records) {
    cells_.reserve(records * held());
    records_.reserve(records);
}

void KxSortKeyTable::add(const KxRecordChunk& record) {
    for (std::size_t k = 0; k < held(); ++k)
        cells_.push_back(makeCell(types_[k], record.value(keys_[k].field)));
    records_.push_back(&record);
}

int KxSortKeyTable::compare(std::size_t a, std::size_t b) const {
    const std::size_t n = keys_.size();
    const std::size_t h = held();
    for (std::size_t k = 0; k < n; ++k) {
        const int c = k < h ? compareCells(k, cells_[a * h + k], cells_[b * h + k], a, b)
                            : compareCells(k, makeCell(types_[k], records_[a]->value(keys_[k].field)),
                                           makeCell(types_[k], records_[b]->value(keys_[k].field)), a, b);
        if (c != 0) return keys_[k].direction == KxSortDirection::Descending ? -c : c;
    }
    const KxRecordIdentity& x = records_[a]->identity;
    const KxRecordIdentity& y = records_[b]->identity;
    int c = 0;
    if (x.created != y.created) c = x.created < y.created ? -1 : 1;
    else if (x.sequence != y.sequence) c = x.sequence < y.sequence ? -1 : 1;
    else if (x.userId != y.userId) c = x.userId < y.userId ? -1 : 1;
    const bool descending = n > 0 && keys_[0].direction == KxSortDirection::Descending;
    return descending ? -c : c;
}

std::uint64_t KxSortKeyTable::leadingOrder(std::size_t record) const {
    if (!leadingIsText_) return 0;
    const Cell cell = held() > 0 ? cells_[record * held()] : makeCell(types_[0], records_[record]->value(keys_[0].field));
    const std::uint64_t prefix = cell.present ? cell.prefix : 0;
    return leadingDescends_ ? ~prefix : prefix;
}
