#include "editors/KxCategoryEditing.h"

#include "engine/KxCategoryEditor.h"
#include "engine/KxDatabase.h"
#include "engine/KxStrings.h"
#include "editors/EditorStrings.h"
#include "engine/TextCollation.h"
#include "base/KxUi.h"

#include <algorithm>

std::vector<std::pair<std::size_t, std::string>> kxSortedCategoryNames(const KxDatabase& db) {
    std::vector<std::pair<std::size_t, std::string>> named;
    for (std::size_t slot = 1; slot < KxCategoryEditor::kSlots; ++slot)
        if (auto name = db.fileHeader().categoryName(slot); !name.empty()) named.emplace_back(slot, name);
    std::stable_sort(named.begin(), named.end(), [](const auto& a, const auto& b) {
        return kxCompareTextNoCase(a.second, b.second) < 0;
    });
    return named;
}

bool KxCategoryEditing::isReserved(const std::string& name) const {
    return name == kxString(kxStrUnfiled) || name == kxString(kxStrAllCategories);
}

void KxCategoryEditing::showExists(const std::string& name) {
    ui_.message(kxString(kxStrCategoryExists, name), kxString(kxStrCategoryExistsCaption), KxButtons::Ok,
                KxIcon::Warning, KxAnswer::Ok);
}

bool KxCategoryEditing::canAdd() {
    if (list().size() < kMaxNamed) return true;
    ui_.message(kxString(kxStrCategoryLimit, std::to_string(kMaxNamed)), kxString(kxStrNewCategoryTitle), KxButtons::Ok,
                KxIcon::Warning, KxAnswer::Ok);
    return false;
}

std::optional<std::size_t> KxCategoryEditing::add(const std::string& name) {
    if (!canAdd()) return std::nullopt;
    KxCategoryEditor categories(db_);
    std::size_t slot = 1;
    while (slot < KxCategoryEditor::kSlots && !categories.categoryName(slot).empty()) ++slot;
    try {
        if (isReserved(name)) throw KxDbError::NameExists;
        categories.setCategoryName(slot, name);
    } catch (KxDbError e) {
        if (e == KxDbError::NameExists)
            showExists(name);
        else
            ui_.inform(kxDbErrorMessage(e));
        return std::nullopt;
    }
    categoriesChanged_ = true;
    return slot;
}

std::optional<std::size_t> KxCategoryEditing::rename(std::size_t slot, const std::string& name) {
    KxCategoryEditor categories(db_);
    const std::string old = categories.categoryName(slot);
    try {
        if (isReserved(name)) throw KxDbError::NameExists;
        // The same name is no change, and nothing to save.
        if (name == old) return slot;
        categories.setCategoryName(slot, name);
        categoriesChanged_ = true;
        return slot;
    } catch (KxDbError e) {
        if (e != KxDbError::NameExists) {
            ui_.inform(kxDbErrorMessage(e));
            return std::nullopt;
        }
    }
    if (name == old) {
        showExists(name);
        return std::nullopt;
    }
    const std::string& question = kxString(kxStrConfirmCategoryMerge);
    if (ui_.message(question, kxString(kxStrMergeCategoryCaption), KxButtons::OkCancel, KxIcon::Warning, KxAnswer::Cancel) != KxAnswer::Ok)
        return std::nullopt;
    std::size_t target = 0;
    if (name != kxString(kxStrUnfiled)) {
        target = categories.findCategory(name);
        if (target == 0 || target == KxCategoryEditor::kNotFound) {
            ui_.inform(kxDbErrorMessage(KxDbError::CannotOpenOther)); // "All" names no category
            return std::nullopt;
        }
    }
    try {
        categories.recategorise(slot, target, true);
        categories.setCategoryName(slot, std::nullopt);
    } catch (KxDbError e) {
        // Records moved before the failure stay moved: the caller shows them anew.
        categoriesChanged_ = true;
        ui_.inform(kxDbErrorMessage(e));
        return std::nullopt;
    }
    categoriesChanged_ = true;
    return target;
}

std::string kxCategoryRecordsLine(const std::string& name, std::size_t records) {
    return kxString(kxStrDetailCategoryRecords, "\"" + name + "\"") + std::to_string(records);
}

std::size_t KxCategoryEditing::recordCount(std::size_t slot) const {
    return db_.countInCategory(static_cast<std::uint16_t>(slot));
}

bool KxCategoryEditing::remove(std::size_t slot, bool deleteItems) {
    if (deleteItems) {
        const std::string name = KxCategoryEditor(db_).categoryName(slot);
        if (ui_.messageWithDetail(kxString(kxStrConfirmCategoryItemsDelete),
                                  kxCategoryRecordsLine(name, recordCount(slot)), kxString(kxStrDeleteCategoryCaption),
                                  KxButtons::YesNo, KxIcon::Warning, KxAnswer::No) != KxAnswer::Yes)
            return false;
    }
    try {
        if (deleteItems) {
            for (std::size_t i = db_.liveCount(); i-- > 0;) {
                if (db_.liveCategory(i) != slot) continue;
                // Set before the first move: records deleted before a failure make the
                // caller show the list anew.
                recordsDeleted_ = true;
                db_.deleteRecord(i);
            }
        }
        KxCategoryEditor(db_).setCategoryName(slot, std::nullopt);
    } catch (KxDbError e) {
        ui_.inform(kxDbErrorMessage(e));
        return false;
    }
    categoriesChanged_ = true;
    recordsDeleted_ = true;
    return true;
}
