#include "engine/Search.h"

#include "engine/KxCategoryEditor.h"
#include "engine/KxDatabase.h"
#include "engine/KxStrings.h"
#include "engine/KxRecordChunk.h"
#include "engine/KxSavedSearches.h"
#include "engine/KxSearchChunk.h"
#include "engine/TextCollation.h"
#include "engine/values/DateTime.h"
#include "engine/values/NumberTextMatch.h"
#include "engine/values/RawBytes.h"
#include "engine/values/ValueCompare.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace {

using Op = KxSearchOperator;

std::array<std::uint8_t, 10> padded(std::span<const std::uint8_t> raw) {
    std::array<std::uint8_t, 10> b{};
    // An empty value of a record without any value has no bytes at all, not even an address.
    if (!raw.empty()) std::memcpy(b.data(), raw.data(), std::min(raw.size(), b.size()));
    return b;
}

// One criterion, with its value read and folded once for the whole run.
struct PreparedCriterion {
    std::uint8_t field = 0;
    Op op = Op::Empty;
    KxFieldType type = KxFieldType::LabelOnly;
    bool hideSeconds = false;
    std::string foldedText;          // text criteria, folded for case-insensitive matching
    std::string plainText;           // the same unfolded: numbers' texts have no letters to fold
    bool numberTextMayMatch = true;  // the text could occur in the text of a number
    std::optional<KxNumberTextMatcher> numberMatcher; // the text searches in numbers' texts
    std::optional<FieldValue> value; // typed criteria
};

// Folds texts to their collation weights (kxFoldKey) into one buffer that every value of a
// run reuses, so matching allocates nothing.
class TextFolder {
public:
    TextFolder() {
        std::string bytes(256, '\0');
        for (std::size_t b = 0; b < bytes.size(); ++b) bytes[b] = static_cast<char>(b);
        const std::string weights = kxFoldKey(bytes);
        std::copy(weights.begin(), weights.end(), weights_.begin());
    }
    std::string_view fold(std::string_view text) const {
        buffer_.resize(text.size());
        for (std::size_t k = 0; k < text.size(); ++k)
            buffer_[k] = weight(text[k]);
        return buffer_;
    }

    // Whether the folded text holds the folded needle, without folding the text first: only
    // where a character of the needle's first weight stands is the rest compared.
    bool contains(std::string_view text, std::string_view foldedNeedle) const {
        if (foldedNeedle.empty()) return true;
        if (text.size() < foldedNeedle.size()) return false;
        const char first = foldedNeedle.front();
        const std::size_t rest = foldedNeedle.size() - 1;
        const char* const last = text.data() + (text.size() - foldedNeedle.size());
        for (const char* p = text.data(); p <= last; ++p) {
            if (weight(*p) != first) continue;
            std::size_t k = 1;
            while (k <= rest && weight(p[k]) == foldedNeedle[k]) ++k;
            if (k > rest) return true;
        }
        return false;
    }

private:
    char weight(char c) const { return weights_[static_cast<unsigned char>(c)]; }
    std::array<char, 256> weights_{};
    mutable std::string buffer_;
};

bool isTextSearch(Op op) { return op == Op::Contains || op == Op::BeginsWith; }

// The text rule shared by Text, Multiple Choice and the search over all fields.
bool matchesText(Op op, const std::optional<std::string_view>& v, const std::string& foldedNeedle,
                 const TextFolder& folder) {
    if (op == Op::Empty) return !v;
    if (!v) return false;
    switch (op) {
    case Op::NotEmpty: return true;
    case Op::Contains: return folder.contains(*v, foldedNeedle);
    case Op::BeginsWith:
        return v->size() >= foldedNeedle.size() && folder.fold(v->substr(0, foldedNeedle.size())) == foldedNeedle;
    default: return false;
    }
}

// The text of a number in the search over all fields holds only a minus sign, digits and
// the decimal separator; a text with any other character is never found in it.
bool mayOccurInNumberText(std::string_view text) {
    const char decimal = kxLocale().decimalSeparator;
    return std::all_of(text.begin(), text.end(), [&](char ch) {
        return (ch >= '0' && ch <= '9') || ch == '-' || ch == decimal;
    });
}

bool matchesOrder(Op op, int d) {
    switch (op) {
    case Op::Equal: return d == 0;
    case Op::NotEqual: return d != 0;
    case Op::Less: return d < 0;
    case Op::Greater: return d > 0;
    default: return false;
    }
}

class CriterionMatcher {
public:
    CriterionMatcher(KxDatabase& db, const KxStoredSearch& search, std::size_t searchIndex)
        : db_(db), header_(db.header()) {
        KxSavedSearches searches(db);
        const KxFormLayout* form =
            header_.currentLayout() < header_.layouts.size() ? &header_.layouts[header_.currentLayout()] : nullptr;
        for (std::size_t c = 0; c < search.criteria.size(); ++c) {
            PreparedCriterion p;
            p.field = search.criteria[c].field;
            p.op = static_cast<Op>(search.criteria[c].op);
            p.value = searches.criterionValue(searchIndex, c);
            if (p.field < header_.fields.size()) {
                p.type = header_.fields[p.field].type;
                if (form)
                    for (const auto& item : form->items)
                        if (item.field == p.field && (item.flags & kFlagHideSeconds)) p.hideSeconds = true;
            }
            if (p.value && p.value->type() <= 2) {
                p.foldedText = kxFoldKey(p.value->text());
                p.plainText = std::string(p.value->text());
                p.numberTextMayMatch = mayOccurInNumberText(p.value->text());
                if (p.numberTextMayMatch && isTextSearch(p.op))
                    p.numberMatcher.emplace(p.plainText, p.op == Op::BeginsWith);
            }
            criteria_.push_back(std::move(p));
        }
        // The fields the search over all fields looks at: Label Only, Date, Time and
        // Checkbox fields are not searched there.
        for (std::size_t f = 0; f < header_.fields.size(); ++f) {
            const KxFieldType t = header_.fields[f].type;
            if (t == KxFieldType::Text || t == KxFieldType::MultipleChoice || t == KxFieldType::Number ||
                t == KxFieldType::Calculation || t == KxFieldType::Integer)
                anyFields_.push_back({f, t});
        }
    }

    bool matches(std::size_t liveIndex) const {
        const KxRecordChunk& record = db_.liveChunk(liveIndex);
        for (const auto& c : criteria_)
            if (!matchesOne(c, record, liveIndex)) return false;
        return true;
    }

private:
    bool matchesOne(const PreparedCriterion& c, const KxRecordChunk& record, std::size_t liveIndex) const {
        if (c.field == kAnyField) return matchesAnyField(c, record);
        if (c.field == kCategoryField) return matchesCategory(c, liveIndex);
        if (c.field >= record.valueCount()) return false;
        const auto raw = record.value(c.field);
        const bool present = !raw.empty();
        const auto b = padded(raw);
        switch (c.type) {
        case KxFieldType::Text:
        case KxFieldType::MultipleChoice:
            return matchesText(c.op, present ? std::optional(kx::raw::text(raw)) : std::nullopt, c.foldedText,
                               folder_);
        case KxFieldType::Number:
        case KxFieldType::Calculation:
            if (!present) return c.op == Op::Empty;
            if (c.op == Op::Empty) return false;
            if (c.op == Op::NotEmpty) return true;
            return c.value && matchesOrder(c.op, kxCompareDoubles(kx::raw::f64(b.data()), c.value->number()));
        case KxFieldType::Integer: {
            if (!present) return c.op == Op::Empty;
            if (c.op == Op::Empty) return false;
            if (c.op == Op::NotEmpty) return true;
            const std::int32_t v = kx::raw::i32(b.data());
            const std::int32_t w = c.value ? c.value->integer() : 0;
            return c.value && matchesOrder(c.op, v < w ? -1 : v > w ? 1 : 0);
        }
        case KxFieldType::Date: {
            const int y = kx::raw::i16(b.data()), m = b[2], d = b[3];
            if (!present || !kxIsValidDate(y, m, d)) return c.op == Op::Empty;
            if (c.op == Op::Empty || c.op == Op::NotEqual) return false;
            if (c.op == Op::NotEmpty) return true;
            if (!c.value) return false;
            const long mine = (long{y} << 16) | (m << 8) | d;
            const long theirs = (long{c.value->year()} << 16) | (c.value->month() << 8) | c.value->day();
            return matchesOrder(c.op, mine < theirs ? -1 : mine > theirs ? 1 : 0);
        }
        case KxFieldType::Time: {
            if (!present || !kxIsValidTime(b[0], b[1], b[2])) return c.op == Op::Empty;
            if (c.op == Op::Empty || c.op == Op::NotEqual) return false;
            if (c.op == Op::NotEmpty) return true;
            if (!c.value) return false;
            // With seconds hidden on the form, equal hour and minute are equal times.
            const int mine = b[0] * 3600 + b[1] * 60 + (c.hideSeconds ? 0 : b[2]);
            const int theirs = c.value->hour() * 3600 + c.value->minute() * 60 + (c.hideSeconds ? 0 : c.value->second());
            return matchesOrder(c.op, mine < theirs ? -1 : mine > theirs ? 1 : 0);
        }
        case KxFieldType::Checkbox: {
            if (!present) return c.op != Op::Checked; // an empty Checkbox is unchecked
            const bool checked = kx::raw::i16(b.data()) != 0;
            if (c.op == Op::Checked) return checked;
            if (c.op == Op::Unchecked) return !checked;
            return false;
        }
        default:
            return c.op == Op::Empty ? !present : false;
        }
    }

    bool matchesAnyField(const PreparedCriterion& c, const KxRecordChunk& record) const {
        for (const auto& [f, t] : anyFields_) {
            if (f >= record.valueCount()) break;
            const auto raw = record.value(f);
            std::optional<std::string_view> v;
            if (t == KxFieldType::Text || t == KxFieldType::MultipleChoice) {
                if (!raw.empty()) v = kx::raw::text(raw);
            } else if (t == KxFieldType::Number || t == KxFieldType::Calculation || t == KxFieldType::Integer) {
                if (!raw.empty() && isTextSearch(c.op)) {
                    // Only the text searches look at the number's text; it is made only when
                    // the searched text could be in it, and matched as it is: a text that can
                    // be in a number has no letters, so folding would change nothing.
                    if (c.numberMatcher && c.numberMatcher->matches(static_cast<int>(t), raw)) return true;
                    continue;
                }
                if (!raw.empty()) v = std::string_view();
            }
            if (matchesText(c.op, v, c.foldedText, folder_)) return true;
        }
        return false;
    }

    bool matchesCategory(const PreparedCriterion& c, std::size_t liveIndex) const {
        const std::uint16_t slot = db_.liveCategory(liveIndex);
        std::string name = db_.fileHeader().categoryName(slot);
        if (slot == 0 && name.empty()) name = kxString(kxStrUnfiled);
        const std::string wanted = c.value ? std::string(c.value->text()) : std::string();
        const bool equal = kxEqualTextNoCase(name, wanted);
        return c.op == Op::Equal ? equal : !equal;
    }

    KxDatabase& db_;
    const KxHeaderChunk& header_;
    std::vector<PreparedCriterion> criteria_;
    std::vector<std::pair<std::size_t, KxFieldType>> anyFields_; // in field order
    TextFolder folder_;
};

} // namespace

class KxSearchRunner {
public:
    static std::size_t run(KxDatabase& db, std::size_t index) {
        KxSearchChunk& chunk = db.searchChunk();
        if (index >= chunk.searches.size()) throw KxDbError::LimitReached;
        const std::size_t n = db.liveCount();
        for (std::size_t i = 0; i < n; ++i) db.setLiveAttributeBits(i, 0, kAttrFound);
        const KxStoredSearch& search = chunk.searches[index];
        if (search.criteria.empty()) return 0;
        CriterionMatcher matcher(db, search, index);
        std::size_t found = 0;
        for (std::size_t i = 0; i < n; ++i) {
            if (matcher.matches(i)) {
                db.setLiveAttributeBits(i, kAttrFound, 0);
                ++found;
            }
            db.report(static_cast<std::uint32_t>(i + 1), static_cast<std::uint32_t>(n));
        }
        return found;
    }
};

std::size_t kxRunSearch(KxDatabase& db, std::size_t index) { return KxSearchRunner::run(db, index); }

std::size_t kxCountMarked(const KxDatabase& db) { return db.countInCategory(kFoundRecords); }
