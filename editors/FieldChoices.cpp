#include "editors/FieldChoices.h"

#include "transfer/DisplayNames.h"
#include "transfer/FormOrder.h"

std::vector<KxFieldChoice> kxFieldChoices(const KxHeaderChunk& header) {
    std::vector<KxFieldChoice> choices;
    for (const std::uint8_t field : kxFieldsInFormOrder(header, false))
        choices.push_back(
            {field, kxLabelOrDefault(header.fields[field].label, std::size_t{field} + 1)});
    return choices;
}
