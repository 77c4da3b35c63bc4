#include "app/KxSearchRequest.h"

#include "engine/KxDatabase.h"

namespace {
using Op = KxSearchOperator;

enum class Kind { Text, Number, Date, Time, Checkbox, Category, None };

Kind kindOf(const KxHeaderChunk& h, std::uint8_t field) {
    if (field == kAnyField) return Kind::Text;
    if (field == kCategoryField) return Kind::Category;
    if (field >= h.fields.size()) return Kind::None;
    switch (h.fields[field].type) {
    case KxFieldType::Text:
    case KxFieldType::MultipleChoice: return Kind::Text;
    case KxFieldType::Integer:
    case KxFieldType::Number:
    case KxFieldType::Calculation: return Kind::Number;
    case KxFieldType::Date: return Kind::Date;
    case KxFieldType::Time: return Kind::Time;
    case KxFieldType::Checkbox: return Kind::Checkbox;
    default: return Kind::None;
    }
}
} // namespace

std::vector<KxSearchOperator> kxOperatorsFor(const KxHeaderChunk& h, std::uint8_t field) {
    switch (kindOf(h, field)) {
    case Kind::Text: return {Op::Contains, Op::BeginsWith, Op::NotEmpty, Op::Empty};
    case Kind::Number: return {Op::Equal, Op::NotEqual, Op::Greater, Op::Less, Op::NotEmpty, Op::Empty};
    case Kind::Date:
    case Kind::Time: return {Op::Equal, Op::Less, Op::Greater, Op::NotEmpty, Op::Empty};
    case Kind::Checkbox: return {Op::Checked, Op::Unchecked};
    case Kind::Category: return {Op::Equal, Op::NotEqual};
    default: return {};
    }
}

std::string kxOperatorText(const KxHeaderChunk& h, std::uint8_t field, KxSearchOperator op) {
    const Kind kind = kindOf(h, field);
    switch (op) {
    case Op::Empty: return "an empty field";
    case Op::NotEmpty: return "a non-empty field";
    case Op::Contains: return "text that contains";
    case Op::BeginsWith: return "text that begins with";
    case Op::Checked: return "Is Checked";
    case Op::Unchecked: return "Is Unchecked";
    case Op::Equal:
        return kind == Kind::Category ? "is" : kind == Kind::Date ? "a date equal to"
               : kind == Kind::Time ? "a time equal to" : "a number equal to";
    case Op::NotEqual: return kind == Kind::Category ? "is not" : "a number not equal to";
    case Op::Less:
        return kind == Kind::Date ? "a date before" : kind == Kind::Time ? "a time before" : "a number less than";
    case Op::Greater:
        return kind == Kind::Date ? "a date after" : kind == Kind::Time ? "a time after" : "a number greater than";
    }
    return {};
}

std::vector<KxSearchRow> kxSearchRows(KxDatabase& db, std::size_t search) {
    KxSavedSearches searches(db);
    std::vector<KxSearchRow> rows;
    if (search >= searches.count()) return rows;
    for (std::size_t c = 0; c < searches.criterionCount(search) && rows.size() < 3; ++c)
        rows.push_back({searches.criterionField(search, c), searches.criterionOperator(search, c),
                        searches.criterionValue(search, c)});
    return rows;
}

KxSearchDialogStart kxSearchDialogStart(KxDatabase& db) {
    KxSavedSearches searches(db);
    KxSearchDialogStart start;
    if (searches.count() == 0) return start;
    start.search = searches.current() < searches.count() ? searches.current() : 0;
    start.listOptionsSet = searches.listOptionsSet(start.search);
    start.rows = kxSearchRows(db, start.search);
    start.advanced = start.search != 0 || searches.criterionCount(start.search) > 1;
    return start;
}

std::size_t kxStoreSearchRequest(KxDatabase& db, const KxSearchRequest& request,
                                 std::optional<std::uint8_t>* replacedListSet) {
    KxSavedSearches searches(db);
    if (searches.count() == 0) searches.add();
    const std::size_t target = request.advanced ? request.chosenSearch : 0;
    if (target >= searches.count()) throw KxDbError::LimitReached;
    const std::uint8_t before = searches.listOptionsSet(target);
    searches.setListOptionsSet(target, request.listOptionsSet);
    if (replacedListSet && before != request.listOptionsSet && before != KxSavedSearches::kNoListOptionsSet)
        *replacedListSet = before;
    searches.clearCriteria(target);
    for (std::size_t r = 0; r < request.rows.size(); ++r) {
        const auto& row = request.rows[r];
        if (!row || (r > 0 && !request.advanced)) continue;
        const std::size_t c = searches.addCriterion(target, row->field, row->op);
        if (row->value) searches.setCriterionValue(target, c, &*row->value);
    }
    searches.setCurrent(target);
    return target;
}
