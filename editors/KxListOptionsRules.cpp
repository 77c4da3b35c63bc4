#include "editors/KxListOptionsRules.h"

#include <algorithm>

KxListOptionsRules::KxListOptionsRules(const KxHeaderChunk& header)
    : header_(header), choices_(kxFieldChoices(header)) {
    for (const KxFieldChoice& choice : choices_) fields_.push_back(choice.field);
}

std::string KxListOptionsRules::fieldName(std::uint8_t field) const {
    const auto at = std::find_if(choices_.begin(), choices_.end(),
                                 [field](const KxFieldChoice& choice) { return choice.field == field; });
    return at != choices_.end() ? at->name : std::string();
}

bool KxListOptionsRules::isCheckbox(std::uint8_t field) const {
    return field < header_.fields.size() && header_.fields[field].type == KxFieldType::Checkbox;
}

bool KxListOptionsRules::offersNone(std::size_t column, const std::vector<KxListOptionsColumn>& columns) const {
    if (column == 0) return false;
    if (column == 1 && !columns.empty() && isCheckbox(columns[0].field) &&
        columns[0].direction == KxSortDirection::None)
        return false;
    return true;
}

std::vector<KxSortDirection> KxListOptionsRules::directions(std::size_t column,
                                                            const std::vector<KxListOptionsColumn>& columns) const {
    std::vector<KxSortDirection> offered{KxSortDirection::Ascending, KxSortDirection::Descending};
    const bool noSort = column == 0 ? !columns.empty() && isCheckbox(columns[0].field) : offersNone(column, columns);
    if (noSort) offered.push_back(KxSortDirection::None);
    return offered;
}

std::vector<KxListOptionsColumn> KxListOptionsRules::opening(const std::vector<KxListOptionsColumn>& stored) const {
    std::vector<KxListOptionsColumn> columns(kColumns, KxListOptionsColumn{kNoField, KxSortDirection::None});
    for (std::size_t k = 0; k < kColumns && k < stored.size(); ++k) {
        columns[k] = stored[k];
        const bool offered = std::find(fields_.begin(), fields_.end(), stored[k].field) != fields_.end();
        if (!offered && !fields_.empty()) columns[k].field = fields_.front();
    }
    if (columns[0].field == kNoField && !fields_.empty()) columns[0] = {fields_.front(), KxSortDirection::Ascending};
    enforce(columns);
    return columns;
}

void KxListOptionsRules::enforce(std::vector<KxListOptionsColumn>& columns) const {
    for (std::size_t k = 0; k < columns.size(); ++k) {
        if (columns[k].field == kNoField && !offersNone(k, columns) && !fields_.empty())
            columns[k].field = fields_.front();
        const auto offered = directions(k, columns);
        if (std::find(offered.begin(), offered.end(), columns[k].direction) == offered.end())
            columns[k].direction = KxSortDirection::Ascending;
    }
}
