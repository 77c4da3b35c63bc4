#pragma once
// The saved searches of a database. Search 0 is the unnamed working search that a basic
// search stores into; 1 and up are the named ones. Limits: 20 searches (13), 250 criteria
// per search (13), 65280 bytes for all of them together (25). A refused change leaves the
// searches as they were.

#include "engine/KxHeaderChunk.h"
#include "engine/values/FieldValue.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

class KxDatabase;
class KxSearchChunk;

enum class KxSearchOperator : std::uint8_t {
    Empty = 0,       // "an empty field"
    Contains = 1,    // "text that contains"
    BeginsWith = 2,  // "text that begins with"
    Equal = 3,
    NotEqual = 4,
    Less = 5,        // less than, before
    Greater = 6,     // greater than, after
    Checked = 7,
    Unchecked = 8,
    NotEmpty = 9,    // "a non-empty field"
};

class KxSavedSearches {
public:
    static constexpr std::size_t kMaxNameLength = 20;
    static constexpr std::uint8_t kNoListOptionsSet = 255;

    explicit KxSavedSearches(KxDatabase& db);

    std::size_t count() const;
    std::size_t add();                   // an empty, unnamed search without a list options set
    void remove(std::size_t index);      // the current search index follows
    std::string name(std::size_t index) const;
    void setName(std::size_t index, std::string_view name);
    std::uint8_t listOptionsSet(std::size_t index) const; // 255: none
    void setListOptionsSet(std::size_t index, std::uint8_t set); // 13 for a set that does not exist
    std::size_t current() const;
    void setCurrent(std::size_t index);

    std::size_t criterionCount(std::size_t search) const;
    // The field is a field's position, 255 (any text or numeric field) or 254 (the category);
    // 13 for a field that does not exist.
    std::size_t addCriterion(std::size_t search, std::uint8_t field, KxSearchOperator op);
    void deleteCriterion(std::size_t search, std::size_t criterion);
    void clearCriteria(std::size_t search);
    std::uint8_t criterionField(std::size_t search, std::size_t criterion) const;
    void setCriterionField(std::size_t search, std::size_t criterion, std::uint8_t field);
    KxSearchOperator criterionOperator(std::size_t search, std::size_t criterion) const;
    void setCriterionOperator(std::size_t search, std::size_t criterion, KxSearchOperator op);
    // Stores the value's bytes (none removes the value). A Checkbox criterion keeps none.
    void setCriterionValue(std::size_t search, std::size_t criterion, const FieldValue* value);
    // The value read back for the criterion's field: a text for Text, Multiple Choice, any
    // field (255) and the category (254); a double for Number and Calculation; an integer
    // for an integer Number; a date; a time; none for Checkbox or when nothing is stored.
    std::optional<FieldValue> criterionValue(std::size_t search, std::size_t criterion) const;

private:
    void requireField(std::uint8_t field) const;

    KxSearchChunk& chunk_;
    const KxHeaderChunk& header_;
};

// The type code a criterion on this field keeps its value as; 0 when it keeps none.
int kxCriterionValueType(const KxHeaderChunk& header, std::uint8_t field);
