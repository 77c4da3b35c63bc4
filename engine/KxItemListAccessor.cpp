// The item list accessor: the list of one Text or Multiple Choice field, held busy while used.

#include "engine/KxSchemaEditor.h"

#include "engine/KxItemListChunk.h"
#include "engine/KxDatabase.h"

namespace {

KxItemListChunk& listOfField(KxDatabase& db, std::size_t field) {
    if (db.directorySize() == 0) throw KxDbError::NoDatabase;
    if (field >= db.header().fields.size()) throw KxDbError::LimitReached;
    // A field loaded without a list gets an empty one, as setting its type would have given.
    return db.itemListOf(field);
}

} // namespace

KxItemListAccessor::KxItemListAccessor(KxDatabase& db, std::size_t field, bool lock)
    : db_(db), list_(listOfField(db, field)) {
    if (!lock) return;
    KxDirEntry& entry = db.entryOf(&list_);
    if (entry.attributes & kAttrBusy) return; // someone else holds it and will release it
    entry.attributes |= kAttrBusy;
    ++db.busySchemaChunks_;
    locked_ = true;
}

KxItemListAccessor::~KxItemListAccessor() {
    if (!locked_) return;
    // Looked up without throwing: the database may have been closed meanwhile.
    for (auto& entry : db_.directory_) {
        if (entry.chunk.get() != &list_) continue;
        entry.attributes &= static_cast<std::uint8_t>(~kAttrBusy);
        --db_.busySchemaChunks_;
        return;
    }
}

std::size_t KxItemListAccessor::itemCount() const { return list_.itemCount(); }

const std::string& KxItemListAccessor::itemText(std::size_t index) const {
    return list_.itemText(index);
}

std::size_t KxItemListAccessor::addItem(std::string_view text) { return list_.addItem(text); }

void KxItemListAccessor::setItem(std::size_t index, std::string_view text) {
    list_.setItem(index, text);
}

void KxItemListAccessor::moveItem(std::size_t from, std::size_t to) { list_.moveItem(from, to); }

void KxItemListAccessor::deleteItem(std::size_t index) { list_.deleteItem(index); }

void KxItemListAccessor::clearItems() { list_.clearItems(); }
