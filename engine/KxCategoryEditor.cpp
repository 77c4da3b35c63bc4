#include "engine/KxCategoryEditor.h"

#include "base/KxClock.h"
#include "engine/KxDatabase.h"
#include "engine/KxRecordChunk.h"

void KxCategoryEditor::checkSlot(std::size_t slot) const {
    if (slot >= kSlots) throw KxDbError::BadCategory;
}

std::string KxCategoryEditor::categoryName(std::size_t slot) const {
    checkSlot(slot);
    return db_.fileHeader().categoryName(slot);
}

void KxCategoryEditor::setCategoryName(std::size_t slot, std::optional<std::string_view> name) {
    checkSlot(slot);
    KxFileHeader& h = db_.fileHeader();
    if (name && !name->empty()) {
        const std::string_view text = name->substr(0, kMaxNameLength);
        if (h.categoryName(slot) == text) return;
        for (std::size_t s = 0; s < kSlots; ++s)
            if (h.categoryName(s) == text) throw KxDbError::NameExists;
        // A new id: the next after the last one handed out, skipping ids in use; 255 wraps to 128.
        auto next = [](std::uint16_t id) { return static_cast<std::uint16_t>(id >= 255 ? 128 : id + 1); };
        std::uint16_t id = next(h.lastCategoryId());
        for (std::size_t tries = 0; tries < 128; ++tries) {
            bool used = false;
            for (std::size_t s = 0; s < kSlots && !used; ++s) used = h.categoryId(s) == id;
            if (!used) break;
            id = next(id);
        }
        h.setCategoryId(slot, id);
        h.setLastCategoryId(id);
        h.setCategoryNameBytes(slot, text);
        h.setNamedCategoryMask(static_cast<std::uint16_t>(h.namedCategoryMask() | (1u << slot)));
        return;
    }
    h.setCategoryNameBytes(slot, "");
    recategorise(slot, 0, true);
    h.setNamedCategoryMask(static_cast<std::uint16_t>(h.namedCategoryMask() & ~(1u << slot)));
}

void KxCategoryEditor::clearCategorySlot(std::size_t slot) {
    checkSlot(slot);
    KxFileHeader& h = db_.fileHeader();
    h.setCategoryNameBytes(slot, "");
    h.setNamedCategoryMask(static_cast<std::uint16_t>(h.namedCategoryMask() & ~(1u << slot)));
}

std::uint16_t KxCategoryEditor::categoryId(std::size_t slot) const {
    checkSlot(slot);
    return db_.fileHeader().categoryId(slot);
}

void KxCategoryEditor::setCategoryId(std::size_t slot, std::uint16_t id) {
    checkSlot(slot);
    db_.fileHeader().setCategoryId(slot, id);
}

std::uint8_t KxCategoryEditor::findCategory(std::string_view name) const {
    for (std::size_t s = 0; s < kSlots; ++s)
        if (db_.fileHeader().categoryName(s) == name) return static_cast<std::uint8_t>(s);
    return kNotFound;
}

std::size_t KxCategoryEditor::namedCategoryCount() const {
    std::size_t count = 0;
    for (std::size_t s = 1; s < kSlots; ++s)
        if (!db_.fileHeader().categoryName(s).empty()) ++count;
    return count;
}

void KxCategoryEditor::recategorise(std::size_t from, std::size_t to, bool markChanged) {
    checkSlot(from);
    checkSlot(to);
    const std::size_t base = db_.schemaChunkCount();
    const auto n = static_cast<std::uint32_t>(db_.liveCount() + db_.deletedCount());
    const std::uint32_t now = markChanged ? kxClock().now() : 0;
    for (std::uint32_t k = 0; k < n; ++k) {
        KxDirEntry& entry = db_.directory_[base + k];
        if (entry.category == from) {
            entry.category = static_cast<std::uint16_t>(to);
            KxRecordChunk& record = db_.recordAt(base + k);
            if (markChanged) {
                entry.attributes |= kAttrDirty;
                record.modified = now;
            }
            if (db_.undo_ && db_.undo_->chunk->identity == record.identity) db_.undo_.reset();
        }
        db_.report(k + 1, n);
    }
}
