#include "transfer/DisplayNames.h"

#include "engine/KxDatabase.h"
#include "engine/KxStrings.h"
#include "transfer/TransferStrings.h"

std::string kxDefaultFieldName(std::size_t numberFromOne) {
    std::string text = kxString(kxStrFieldNumber);
    if (const auto at = text.find("%d"); at != std::string::npos)
        text.replace(at, 2, std::to_string(numberFromOne));
    return text;
}

std::string kxLabelOrDefault(const std::string& label, std::size_t numberFromOne) {
    return label.empty() ? kxDefaultFieldName(numberFromOne) : label;
}

std::string kxCategoryDisplayName(const KxDatabase& db, std::uint16_t slot) {
    std::string name = slot < KxFileHeader::kCategoryCount ? db.fileHeader().categoryName(slot) : std::string();
    return name.empty() ? kxString(kxStrUnfiled) : name;
}
