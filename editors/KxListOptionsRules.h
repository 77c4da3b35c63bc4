#pragma once
// The choices the List Options dialog offers for each of its five columns. Column 1 always
// names a field and may go unsorted only while that field is a check box; while it is an
// unsorted check box, column 2 must name a field and sort by it. So the list always has at
// least one sort key.

#include "engine/KxHeaderChunk.h"
#include "engine/Sort.h"
#include "editors/FieldChoices.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class KxListOptionsRules {
  public:
    static constexpr std::size_t kColumns = 5;

    // The fields offered: every field that is not Label Only, in form order.
    explicit KxListOptionsRules(const KxHeaderChunk& header);

    const std::vector<std::uint8_t>& fields() const { return fields_; }
    // The label, or "Field %d" when the label is empty (Windows-1252); empty for a field
    // not offered.
    std::string fieldName(std::uint8_t field) const;

    bool offersNone(std::size_t column, const std::vector<KxListOptionsColumn>& columns) const;
    // In the order "Ascending", "Descending", "No Sort" as far as offered.
    std::vector<KxSortDirection> directions(std::size_t column, const std::vector<KxListOptionsColumn>& columns) const;

    // The dialog's opening state from the set's columns: five columns, "None" and "No Sort"
    // past the end, the first field for a field no longer offered; then the rules applied.
    std::vector<KxListOptionsColumn> opening(const std::vector<KxListOptionsColumn>& stored) const;
    // Withdrawn choices fall back: a field to the first one, a direction to "Ascending".
    void enforce(std::vector<KxListOptionsColumn>& columns) const;

  private:
    bool isCheckbox(std::uint8_t field) const;
    const KxHeaderChunk& header_;
    std::vector<KxFieldChoice> choices_;
    std::vector<std::uint8_t> fields_;
};
