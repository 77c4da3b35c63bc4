#include "app/KxCommandState.h"

#include "engine/KxDatabase.h"
#include "app/AppStrings.h"
#include "engine/KxSearchChunk.h"
#include "engine/TextCollation.h"
#include "app/KxDbDoc.h"
#include "app/MenuCommands.h"

#include <algorithm>

KxCommandState kxCommandState(const KxDbDoc& doc) {
    KxCommandState state;
    state.open = doc.isOpen();
    if (!state.open) return state;
    state.currentRecord = doc.hasCurrentRecord();
    state.deletedMode = doc.deletedMode();
    state.searchMode = doc.searchMode();
    state.categoryFilterAll = doc.categoryFilter() == kAllCategories;
    state.deletedCount = doc.database().deletedCount();
    return state;
}

bool kxCommandEnabled(KxCommand command, const KxCommandState& s, const KxFocusState& focus) {
    const auto id = static_cast<std::uint32_t>(command);
    const auto firstSearch = static_cast<std::uint32_t>(KxCommand::SavedSearch1);
    const bool savedSearch = id >= firstSearch && id < firstSearch + kxSavedSearchCommandCount;
    switch (command) {
    case KxCommand::NewDatabase:
    case KxCommand::OpenDatabase:
    case KxCommand::Exit:
    case KxCommand::Help:
    case KxCommand::About:
        return true;
    default:
        break;
    }
    if (id >= static_cast<std::uint32_t>(KxCommand::RecentFileFirst) &&
        id < static_cast<std::uint32_t>(KxCommand::RecentFileFirst) + kxRecentFileCount)
        return true;
    if (!s.open) return false;
    // The saved searches run as Search Records does.
    if (savedSearch) return kxCommandEnabled(KxCommand::SearchRecords, s, focus);

    switch (command) {
    case KxCommand::Import:
    case KxCommand::ImportClipboard:
    case KxCommand::NewRecord:
    case KxCommand::SearchRecords:
        return !s.deletedMode;
    case KxCommand::DeleteRecord:
    case KxCommand::DeleteCategory:
    case KxCommand::CopyRecordToClipboard:
    case KxCommand::RestoreRecord:
    case KxCommand::ShowRecordInfo:
        return s.currentRecord;
    case KxCommand::Undelete:
    case KxCommand::PermanentlyDelete:
        return s.currentRecord && s.deletedMode;
    case KxCommand::ShowAllRecords:
        return s.deletedMode || s.searchMode || !s.categoryFilterAll;
    case KxCommand::ShowDeletedRecords:
        return !s.deletedMode && s.deletedCount > 0;
    case KxCommand::CloneRecord:
        return !s.deletedMode && s.currentRecord;
    case KxCommand::Cut:
        return s.currentRecord && ((focus.textControl && !focus.readOnly && focus.hasSelection) ||
                                   focus.dateTimePicker);
    case KxCommand::Copy:
        return focus.textControl && focus.hasSelection && (focus.lookupBox || s.currentRecord);
    case KxCommand::Paste:
        return s.currentRecord && focus.textControl && !focus.lookupBox && !focus.readOnly &&
               focus.canPaste;
    case KxCommand::Undo:
    case KxCommand::Redo:
        return s.currentRecord && focus.textControl && !focus.readOnly && focus.canUndo;
    default:
        // Close, Export, Save, Save As, Save/Install, Print, the option dialogs, Edit, Done,
        // moving through the list and the deletion log only need an open database.
        return true;
    }
}

std::string kxDeleteCategoryMenuText(const KxCommandState& state) {
    if (state.deletedMode) return kxString(kxStrMenuDisposeDeleted);
    if (state.searchMode) return kxString(kxStrMenuDeleteSearchResults);
    return kxString(kxStrMenuDeleteCategory);
}

std::vector<std::pair<std::size_t, std::string>> kxSavedSearchMenu(KxDatabase& db) {
    std::vector<std::pair<std::size_t, std::string>> entries;
    if (!db.isOpen()) return entries;
    const auto* chunk = static_cast<const KxSearchChunk*>(db.peekChunk(KxChunkTag::Searches));
    if (!chunk) return entries;
    for (std::size_t i = 1; i < chunk->searches.size(); ++i)
        entries.emplace_back(i, chunk->searches[i].name.text());
    std::stable_sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) {
        return kxCompareTextNoCase(a.second, b.second) < 0;
    });
    if (entries.size() > kxSavedSearchCommandCount) entries.resize(kxSavedSearchCommandCount);
    for (std::size_t k = 0; k < entries.size(); ++k) {
        std::string name;
        for (char c : entries[k].second) {
            name += c;
            if (c == '&') name += '&'; // shown literally, not as a mnemonic
        }
        entries[k].second = "&" + std::to_string(k + 1) + " " + name;
    }
    return entries;
}
