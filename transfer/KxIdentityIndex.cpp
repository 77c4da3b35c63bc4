#include "transfer/KxIdentityIndex.h"

#include "engine/KxDatabase.h"
#include "engine/KxRecordChunk.h"

KxIdentityIndex::KxIdentityIndex(const KxDatabase& db) {
    const std::size_t live = db.liveCount();
    const std::size_t deleted = db.deletedCount();
    entries_.reserve(live + deleted);
    for (std::size_t i = 0; i < live; ++i) {
        const KxRecordChunk& record = db.liveChunk(i);
        entries_.try_emplace(record.identity, Entry{&record, db.liveCategory(i), true});
    }
    const std::size_t deletedBase = db.schemaChunkCount() + live;
    for (std::size_t j = 0; j < deleted; ++j) {
        const KxRecordChunk& record = db.deletedChunk(j);
        entries_.try_emplace(record.identity,
                             Entry{&record, db.directoryEntry(deletedBase + j).category, false});
    }
}

const KxIdentityIndex::Entry* KxIdentityIndex::find(const KxRecordIdentity& identity) const {
    const auto it = entries_.find(identity);
    return it == entries_.end() ? nullptr : &it->second;
}

void KxIdentityIndex::add(const KxRecordIdentity& identity, const Entry& entry) {
    entries_.try_emplace(identity, entry);
}
