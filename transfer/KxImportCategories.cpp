#include "transfer/KxImportCategories.h"

#include "engine/KxCategoryEditor.h"
#include "engine/KxDatabase.h"
#include "engine/KxStrings.h"
#include "engine/TextCollation.h"

KxImportCategories::Mapping KxImportCategories::map(std::string_view text) {
    // A stored name ends at its first NUL; cut the text there too, or every row would make
    // another category whose name never matches the text again.
    text = text.substr(0, text.find('\0'));
    if (text.empty()) return {};
    KxCategoryEditor categories(db_);
    const std::uint8_t found = categories.findCategory(text);
    if (found != KxCategoryEditor::kNotFound) return {Outcome::Mapped, found};

    const bool unfiled = kxEqualTextNoCase(text, kxString(kxStrUnfiled));
    if (text.size() <= KxCategoryEditor::kMaxNameLength && !unfiled) {
        for (std::size_t slot = 1; slot < KxCategoryEditor::kSlots; ++slot) {
            if (!categories.categoryName(slot).empty()) continue;
            categories.setCategoryName(slot, text);
            return {Outcome::Mapped, static_cast<std::uint16_t>(slot)};
        }
    }
    if (unfiled) return {Outcome::Mapped, 0};
    return {Outcome::Unmapped, 0};
}
