#include "engine/KxRecordHandle.h"

#include "base/KxClock.h"
#include "engine/KxDatabase.h"
#include "engine/KxRecordChunk.h"
#include "engine/ValueBytes.h"

#include <algorithm>

KxRecordHandle::KxRecordHandle(KxDatabase& db, std::size_t dirIndex, KxRecordChunk& chunk,
                               bool lock)
    : db_(&db), hint_(dirIndex), chunk_(&chunk) {
    KxDirEntry& entry = db.directory_[dirIndex];
    if (lock && !(entry.attributes & kAttrBusy)) {
        entry.attributes |= kAttrBusy;
        ++db.busyRecords_;
        locked_ = true;
    }
}

KxRecordHandle::~KxRecordHandle() { release(); }

KxRecordHandle::KxRecordHandle(KxRecordHandle&& other) noexcept
    : db_(other.db_), hint_(other.hint_), chunk_(other.chunk_), locked_(other.locked_),
      modified_(other.modified_), dirtyPending_(other.dirtyPending_) {
    other.db_ = nullptr;
    other.locked_ = false;
    other.modified_ = false;
    other.dirtyPending_ = false;
}

KxRecordHandle& KxRecordHandle::operator=(KxRecordHandle&& other) noexcept {
    if (this != &other) {
        release();
        db_ = other.db_;
        hint_ = other.hint_;
        chunk_ = other.chunk_;
        locked_ = other.locked_;
        modified_ = other.modified_;
        dirtyPending_ = other.dirtyPending_;
        other.db_ = nullptr;
        other.locked_ = false;
        other.modified_ = false;
        other.dirtyPending_ = false;
    }
    return *this;
}

std::size_t KxRecordHandle::find() const {
    const auto& dir = db_->directory_;
    const std::size_t n = dir.size();
    if (n == 0) return kGone;
    // Search outward from the hint: a record that moved usually moved a short way. The hint
    // may lie past the end when records before it were removed.
    const std::size_t hint = std::min(hint_, n - 1);
    for (std::size_t d = 0; d < n; ++d) {
        if (hint + d < n && dir[hint + d].chunk.get() == chunk_) return hint_ = hint + d;
        if (d > 0 && d <= hint && dir[hint - d].chunk.get() == chunk_) return hint_ = hint - d;
    }
    return kGone;
}

std::size_t KxRecordHandle::locate() const {
    const std::size_t at = find();
    if (at == kGone) throw KxDbError::Damaged;
    return at;
}

// Unlocks the record and marks it dirty when it was changed. The handle stays usable,
// unlocked. Never throws: it also runs from the destructor, perhaps after the record is gone.
void KxRecordHandle::release() {
    if (!db_ || (!locked_ && !dirtyPending_)) return;
    const std::size_t at = find();
    KxDirEntry* entry = at == kGone ? nullptr : &db_->directory_[at];
    if (locked_) {
        locked_ = false;
        if (entry) {
            entry->attributes &= static_cast<std::uint8_t>(~kAttrBusy);
            --db_->busyRecords_;
        }
    }
    if (dirtyPending_ && entry) entry->attributes |= kAttrDirty;
    dirtyPending_ = false;
}

std::span<const std::uint8_t> KxRecordHandle::rawValue(std::size_t field) const {
    if (field >= chunk_->valueCount()) throw KxDbError::LimitReached;
    auto bytes = chunk_->value(field);
    if (bytes.empty()) return bytes;
    const auto expected = kxFixedValueLength(db_->header().fields[field].type);
    if (expected && *expected != bytes.size()) throw KxDbError::BadValueLength;
    return bytes;
}

void KxRecordHandle::beforeChange() {
    if (!db_->undo_ || !(db_->undo_->chunk->identity == chunk_->identity))
        db_->takeUndoCopy(*chunk_, category(), modified_);
}

void KxRecordHandle::setRawValue(std::size_t field, std::span<const std::uint8_t> bytes) {
    if (field >= chunk_->valueCount()) throw KxDbError::LimitReached;
    const std::size_t old = chunk_->value(field).size();
    if (std::size_t{chunk_->byteSize()} - old + bytes.size() > kMaxChunkSize)
        throw KxDbError::TooLarge;
    beforeChange();
    chunk_->setValue(field, bytes);
    chunk_->modified = kxClock().now();
    modified_ = dirtyPending_ = true;
}

void KxRecordHandle::setRawValues(const KxRecordChunk& values) {
    checkAllValues(values);
    beforeChange();
    chunk_->copyValuesFrom(values);
    chunk_->modified = kxClock().now();
    modified_ = dirtyPending_ = true;
}

void KxRecordHandle::takeRawValues(KxRecordChunk& values) {
    checkAllValues(values);
    beforeChange();
    chunk_->swapValues(values);
    chunk_->modified = kxClock().now();
    modified_ = dirtyPending_ = true;
}

void KxRecordHandle::checkAllValues(const KxRecordChunk& values) const {
    if (values.valueCount() != chunk_->valueCount()) throw KxDbError::LimitReached;
    if (std::size_t{values.byteSize()} > kMaxChunkSize) throw KxDbError::TooLarge;
}

void KxRecordHandle::clearValue(std::size_t field) { setRawValue(field, {}); }

bool KxRecordHandle::isEmpty() const { return chunk_->isEmpty(); }

std::uint16_t KxRecordHandle::category() const { return db_->directory_[locate()].category; }

void KxRecordHandle::setCategory(std::uint16_t category) {
    if (category > 15) throw KxDbError::BadCategory;
    beforeChange();
    db_->directory_[locate()].category = category;
    chunk_->modified = kxClock().now();
    modified_ = dirtyPending_ = true;
}

KxRecordIdentity KxRecordHandle::identity() const { return chunk_->identity; }
void KxRecordHandle::setIdentity(const KxRecordIdentity& id) { chunk_->identity = id; }
std::uint32_t KxRecordHandle::creationTime() const { return chunk_->identity.created; }
void KxRecordHandle::setCreationTime(std::uint32_t t) { chunk_->identity.created = t; }
std::uint32_t KxRecordHandle::modificationTime() const { return chunk_->modified; }
void KxRecordHandle::setModificationTime(std::uint32_t t) { chunk_->modified = t; }

std::uint8_t KxRecordHandle::attributes() const { return db_->directory_[locate()].attributes; }

void KxRecordHandle::setAttributes(std::uint8_t attributes) {
    KxDirEntry& entry = db_->directory_[locate()];
    if ((entry.attributes ^ attributes) & (kAttrBusy | kAttrReserved)) throw KxDbError::Protected;
    entry.attributes = attributes;
}

std::uint8_t KxRecordHandle::flags() const { return chunk_->flags; }

void KxRecordHandle::setFlags(std::uint8_t flags) {
    if ((chunk_->flags ^ flags) & KxRecordChunk::kFlagDeleted) throw KxDbError::Protected;
    chunk_->flags = flags;
}

bool KxRecordHandle::isDeleted() const { return locate() >= db_->deletedBase(); }

std::size_t KxRecordHandle::liveIndex() const {
    const std::size_t at = locate();
    if (at >= db_->deletedBase()) throw KxDbError::NotDeleted;
    return at - db_->liveBase();
}

std::size_t KxRecordHandle::deletedIndex() const {
    const std::size_t at = locate();
    if (at < db_->deletedBase()) throw KxDbError::NotDeleted;
    return at - db_->deletedBase();
}

void KxRecordHandle::undo() {
    auto& copy = db_->undo_;
    if (!copy || !(copy->chunk->identity == chunk_->identity)) throw KxDbError::NothingToUndo;
    const std::uint8_t deletedFlag = chunk_->flags & KxRecordChunk::kFlagDeleted;
    chunk_->copyContentFrom(*copy->chunk);
    chunk_->flags = static_cast<std::uint8_t>((chunk_->flags & ~KxRecordChunk::kFlagDeleted) | deletedFlag);
    db_->directory_[locate()].category = copy->category;
    modified_ = dirtyPending_ = copy->modified;
}
