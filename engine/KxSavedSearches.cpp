#include "engine/KxSavedSearches.h"

#include "engine/KxDatabase.h"
#include "engine/KxSearchChunk.h"
#include "engine/values/Conversion.h"
#include "engine/values/RawBytes.h"
#include "engine/values/TypeCodes.h"

namespace {
// A criterion on any field or on the category holds its text with a terminating NUL.
bool holdsPlainText(std::uint8_t field) { return field == kAnyField || field == kCategoryField; }

std::string bytesOf(const FieldValue& value) {
    const auto raw = value.raw();
    return {reinterpret_cast<const char*>(raw.data()), raw.size()};
}

// The bytes a criterion of value type `type` keeps for a value. A value box may hand over a
// value of another type (a double typed into an integer field, a calculation's result): it
// is kept as the criterion's own type, so that it reads back as what was meant.
std::string criterionBytes(const FieldValue& value, int type, bool plainText) {
    if (plainText) {
        std::string text(value.type() <= 2 ? std::string(value.text()) : value.plainText());
        text.push_back('\0');
        return text;
    }
    if (value.type() == type) return bytesOf(value);
    if (kx::type::isDouble(value.type()) && kx::type::isDouble(type)) {
        FieldValue number = FieldValue::newValue(type);
        number.setNumber(value.calcFailed() ? 0 : value.number());
        return bytesOf(number);
    }
    const auto converted = kxConvertValue(value, type);
    return converted ? bytesOf(*converted) : std::string();
}
} // namespace

int kxCriterionValueType(const KxHeaderChunk& header, std::uint8_t field) {
    if (holdsPlainText(field)) return static_cast<int>(KxFieldType::Text);
    if (field >= header.fields.size()) return 0;
    switch (header.fields[field].type) {
    case KxFieldType::Text:
    case KxFieldType::MultipleChoice: return static_cast<int>(KxFieldType::Text);
    case KxFieldType::Number:
    case KxFieldType::Calculation: return static_cast<int>(KxFieldType::Number);
    case KxFieldType::Integer: return static_cast<int>(KxFieldType::Integer);
    case KxFieldType::Date: return static_cast<int>(KxFieldType::Date);
    case KxFieldType::Time: return static_cast<int>(KxFieldType::Time);
    default: return 0;
    }
}

KxSavedSearches::KxSavedSearches(KxDatabase& db) : chunk_(db.searchChunk()), header_(db.header()) {}

std::size_t KxSavedSearches::count() const { return chunk_.searches.size(); }

std::size_t KxSavedSearches::add() {
    if (count() >= KxSearchChunk::kMaxSearches) throw KxDbError::LimitReached;
    if (chunk_.byteSize() + KxSearchChunk::kSearchFixedSize > kMaxChunkSize) throw KxDbError::TooLarge;
    chunk_.searches.emplace_back();
    return count() - 1;
}

void KxSavedSearches::remove(std::size_t index) {
    if (index >= count()) throw KxDbError::LimitReached;
    chunk_.searches.erase(chunk_.searches.begin() + static_cast<std::ptrdiff_t>(index));
    if (chunk_.current == index)
        chunk_.current = 0;
    else if (chunk_.current > index)
        --chunk_.current;
}

std::string KxSavedSearches::name(std::size_t index) const {
    return chunk_.searches.at(index).name.text();
}

void KxSavedSearches::setName(std::size_t index, std::string_view name) {
    chunk_.searches.at(index).name.setText(name.substr(0, kMaxNameLength));
}

std::uint8_t KxSavedSearches::listOptionsSet(std::size_t index) const {
    return chunk_.searches.at(index).listOptionsSet;
}

// A search may name only a set that exists (or none): the file would not open again otherwise.
void KxSavedSearches::setListOptionsSet(std::size_t index, std::uint8_t set) {
    KxStoredSearch& search = chunk_.searches.at(index);
    if (set != kNoListOptionsSet && set >= header_.listSets.size()) throw KxDbError::LimitReached;
    search.listOptionsSet = set;
}

std::size_t KxSavedSearches::current() const { return chunk_.current; }

void KxSavedSearches::setCurrent(std::size_t index) {
    if (index >= count()) throw KxDbError::LimitReached;
    chunk_.current = static_cast<std::uint8_t>(index);
}

std::size_t KxSavedSearches::criterionCount(std::size_t search) const {
    return chunk_.searches.at(search).criteria.size();
}

// A criterion names a field that exists, any field (255) or the category (254); one on a
// missing field would keep the file from opening again.
void KxSavedSearches::requireField(std::uint8_t field) const {
    if (field < kCategoryField && field >= header_.fields.size()) throw KxDbError::LimitReached;
}

std::size_t KxSavedSearches::addCriterion(std::size_t search, std::uint8_t field, KxSearchOperator op) {
    auto& criteria = chunk_.searches.at(search).criteria;
    requireField(field);
    if (criteria.size() >= KxSearchChunk::kMaxCriteria) throw KxDbError::LimitReached;
    if (chunk_.byteSize() + KxSearchChunk::kCriterionFixedSize > kMaxChunkSize) throw KxDbError::TooLarge;
    criteria.push_back({field, static_cast<std::uint8_t>(op), {}});
    return criteria.size() - 1;
}

void KxSavedSearches::deleteCriterion(std::size_t search, std::size_t criterion) {
    auto& criteria = chunk_.searches.at(search).criteria;
    if (criterion >= criteria.size()) throw KxDbError::LimitReached;
    criteria.erase(criteria.begin() + static_cast<std::ptrdiff_t>(criterion));
}

void KxSavedSearches::clearCriteria(std::size_t search) { chunk_.searches.at(search).criteria.clear(); }

std::uint8_t KxSavedSearches::criterionField(std::size_t search, std::size_t criterion) const {
    return chunk_.searches.at(search).criteria.at(criterion).field;
}

void KxSavedSearches::setCriterionField(std::size_t search, std::size_t criterion, std::uint8_t field) {
    KxStoredCriterion& c = chunk_.searches.at(search).criteria.at(criterion);
    requireField(field);
    c.field = field;
}

KxSearchOperator KxSavedSearches::criterionOperator(std::size_t search, std::size_t criterion) const {
    return static_cast<KxSearchOperator>(chunk_.searches.at(search).criteria.at(criterion).op);
}

void KxSavedSearches::setCriterionOperator(std::size_t search, std::size_t criterion, KxSearchOperator op) {
    chunk_.searches.at(search).criteria.at(criterion).op = static_cast<std::uint8_t>(op);
}

void KxSavedSearches::setCriterionValue(std::size_t search, std::size_t criterion, const FieldValue* value) {
    KxStoredCriterion& c = chunk_.searches.at(search).criteria.at(criterion);
    const int type = kxCriterionValueType(header_, c.field);
    const std::string bytes = value && type != 0 ? criterionBytes(*value, type, holdsPlainText(c.field)) : std::string();
    if (std::size_t{chunk_.byteSize()} - c.value.size() + bytes.size() > kMaxChunkSize)
        throw KxDbError::TooLarge;
    c.value = bytes;
}

std::optional<FieldValue> KxSavedSearches::criterionValue(std::size_t search, std::size_t criterion) const {
    const KxStoredCriterion& c = chunk_.searches.at(search).criteria.at(criterion);
    const int type = kxCriterionValueType(header_, c.field);
    if (type == 0 || c.value.empty()) return std::nullopt;
    FieldValue value = FieldValue::newValue(type);
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(c.value.data());
    if (type == static_cast<int>(KxFieldType::Text)) {
        value.setText(kx::raw::text({bytes, c.value.size()}));
        return value;
    }
    // A Calculation criterion may hold the whole result (10 bytes): its double comes first.
    const std::size_t want = type == static_cast<int>(KxFieldType::Number) ? 8 : 4;
    if (c.value.size() < want) return std::nullopt;
    value.setRaw(bytes, want);
    return value;
}
