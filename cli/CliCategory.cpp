#include "cli/CliCategory.h"

#include "cli/CliArgs.h"
#include "cli/CliSession.h"
#include "engine/KxCategoryEditor.h"
#include "engine/KxDatabase.h"
#include "engine/KxStrings.h"
#include "engine/TextCollation.h"
#include "editors/KxCategoryEditing.h"
#include "cli/CliStrings.h"

#include <ostream>

std::string cliCategoryText(const std::string& name, std::ostream& err) {
    std::string text = cliToDatabaseText(name);
    if (text.size() > KxCategoryEditor::kMaxNameLength) {
        text.resize(KxCategoryEditor::kMaxNameLength);
        err << cliText(kxStrCliCategoryCut,
                       {std::to_string(KxCategoryEditor::kMaxNameLength), cliFromDatabaseText(text)})
            << "\n";
    }
    return text;
}

std::uint16_t cliCategoryFilter(const KxDatabase& db, const std::string& name, std::ostream& err) {
    if (name == "all") return 255;
    const std::string text = cliCategoryText(name, err);
    if (kxEqualTextNoCase(text, kxString(kxStrUnfiled))) return 0;
    for (std::uint16_t slot = 1; slot < 16; ++slot)
        if (db.fileHeader().categoryName(slot) == text) return slot;
    throw CliUsageError(cliText(kxStrCliNoCategoryNamed, {name}));
}

std::optional<std::uint16_t> cliCategoryForNewRecord(KxDatabase& db, KxUi& ui, const std::string& name,
                                                    std::ostream& err) {
    const std::string text = cliCategoryText(name, err);
    if (text.empty() || kxEqualTextNoCase(text, kxString(kxStrUnfiled))) return 0;
    const std::uint8_t slot = KxCategoryEditor(db).findCategory(text);
    if (slot != KxCategoryEditor::kNotFound) return slot;
    const auto added = KxCategoryEditing(db, ui).add(text);
    if (!added) return std::nullopt;
    return static_cast<std::uint16_t>(*added);
}

void cliSaveChanged(KxDatabase& db) {
    db.header().setAttributes(static_cast<std::uint16_t>(db.header().attributes() | kAttrModified));
    cliSave(db);
}
