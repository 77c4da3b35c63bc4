#include "app/KxSearchNamesEditor.h"

#include "engine/KxDatabase.h"
#include "engine/KxSavedSearches.h"
#include "base/KxUi.h"
#include "app/AppStrings.h"

std::vector<std::string> KxSearchNamesEditor::names() const {
    KxSavedSearches searches(db_);
    std::vector<std::string> list;
    for (std::size_t i = 1; i < searches.count(); ++i) list.push_back(searches.name(i));
    return list;
}

std::optional<std::string> KxSearchNamesEditor::askName(const std::string& title, const std::string& initial,
                                                        std::optional<std::size_t> renaming) {
    const auto name = ui_.askText(title, kxString(kxStrSearchNamePrompt), initial, kMaxNameLength);
    if (!name) return std::nullopt;
    const std::string text = name->substr(0, kMaxNameLength);
    if (text.empty()) {
        ui_.inform(kxString(kxStrEnterSearchName));
        return std::nullopt;
    }
    const auto listed = names();
    for (std::size_t i = 0; i < listed.size(); ++i) {
        if (listed[i] == text && (!renaming || *renaming != i + 1)) {
            ui_.message(kxString(kxStrSearchExists, text), kxString(kxStrSearchExistsCaption), KxButtons::Ok,
                        KxIcon::Warning, KxAnswer::Ok);
            return std::nullopt;
        }
    }
    return text;
}

std::optional<std::size_t> KxSearchNamesEditor::addSearch() {
    KxSavedSearches searches(db_);
    if (names().size() >= kMaxNamedSearches) {
        ui_.message(kxString(kxStrSearchLimit, std::to_string(kMaxNamedSearches)), kxString(kxStrNewSearchTitle),
                    KxButtons::Ok, KxIcon::Warning, KxAnswer::Ok);
        return std::nullopt;
    }
    const auto name = askName(kxString(kxStrNewSearchTitle), "", std::nullopt);
    if (!name) return std::nullopt;
    if (searches.count() == 0) searches.add(); // search 0, the unnamed working search
    const std::size_t index = searches.add();
    searches.setName(index, *name);
    return index;
}

std::optional<std::size_t> KxSearchNamesEditor::renameSearch(std::optional<std::size_t> selected) {
    KxSavedSearches searches(db_);
    if (!selected || *selected == 0 || *selected >= searches.count()) {
        ui_.inform(kxString(kxStrSelectSearchToRename));
        return std::nullopt;
    }
    const auto name = askName(kxString(kxStrRenameSearchTitle), searches.name(*selected), selected);
    if (!name) return std::nullopt;
    searches.setName(*selected, *name);
    return selected;
}

std::optional<KxSearchNamesEditor::Deleted> KxSearchNamesEditor::deleteSearch(std::optional<std::size_t> selected) {
    KxSavedSearches searches(db_);
    if (!selected || *selected == 0 || *selected >= searches.count()) {
        ui_.inform(kxString(kxStrSelectSearchToDelete));
        return std::nullopt;
    }
    const std::string question = kxString(kxStrConfirmSearchDelete, searches.name(*selected));
    if (ui_.message(question, kxString(kxStrDeleteSearchTitle), KxButtons::YesNo, KxIcon::Question, KxAnswer::Yes) != KxAnswer::Yes)
        return std::nullopt;
    Deleted deleted{*selected, std::nullopt};
    const std::uint8_t set = searches.listOptionsSet(*selected);
    if (set != 255) deleted.listOptionsSet = set;
    searches.remove(*selected);
    return deleted;
}
