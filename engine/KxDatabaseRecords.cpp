// The live and deleted record lists: create, clone, find, delete, undelete and remove.

#include "engine/KxDatabase.h"

#include <algorithm>

#include "base/KxClock.h"
#include "engine/KxRecordChunk.h"
#include "engine/KxRecordHandle.h"
#include "engine/KxRemovalLog.h"

namespace {
// Carried from one database object to the next within the run.
std::uint16_t g_sequence = 0;

bool matchesFilter(const KxDirEntry& entry, std::uint16_t filter) {
    if (filter == kAllCategories) return true;
    if (filter == kFoundRecords) return entry.attributes & kAttrFound;
    return entry.category == filter;
}
} // namespace

KxRecordChunk& KxDatabase::recordAt(std::size_t dirIndex) const {
    return static_cast<KxRecordChunk&>(*directory_[dirIndex].chunk);
}

KxRecordHandle KxDatabase::makeHandle(std::size_t dirIndex, bool lock) {
    return KxRecordHandle(*this, dirIndex, recordAt(dirIndex), lock);
}

void KxDatabase::checkRecordLimit() const {
    if (liveCount() + deletedCount() >= kMaxRecords || directory_.size() >= kMaxDirEntries)
        throw KxDbError::LimitReached;
}

void KxDatabase::stampNewRecord(KxRecordChunk& record) {
    std::uint32_t t = kxClock().now();
    if (t != lastCreationSecond_) {
        sameSecondCount_ = 0;
    } else if (sameSecondCount_ >= 65535) {
        // The sequence number is 16 bits: no more records fit into this second.
        sameSecondCount_ = 0;
        kxClock().sleepOneSecond();
        t = kxClock().now();
    }
    lastCreationSecond_ = t;
    ++sameSecondCount_;
    // Another program run may have added records to this file within this very second (the
    // command-line tool does); carry on after their sequence numbers so identities stay unique.
    if (!newestStamp_ || newestStamp_->first != t) newestStamp_ = {t, newestSequenceAt(t)};
    if (newestStamp_->second && static_cast<std::uint16_t>(g_sequence - *newestStamp_->second - 1) > 0x7FFF)
        g_sequence = static_cast<std::uint16_t>(*newestStamp_->second + 1);
    newestStamp_->second = g_sequence;
    record.identity = {userId_, t, g_sequence++};
    record.modified = t;
}

std::optional<std::uint16_t> KxDatabase::newestSequenceAt(std::uint32_t second) const {
    std::optional<std::uint16_t> newest;
    const std::size_t base = liveBase();
    for (std::size_t k = 0; k < liveCount() + deletedCount(); ++k) {
        const KxRecordIdentity& id = recordAt(base + k).identity;
        if (id.created != second || id.userId != userId_) continue;
        if (!newest || static_cast<std::uint16_t>(id.sequence - *newest) < 0x8000) newest = id.sequence;
    }
    return newest;
}

void KxDatabase::reserveRecords(std::size_t more) {
    directory_.reserve(std::min(directory_.size() + more, kMaxDirEntries));
}

KxRecordHandle KxDatabase::newRecord(std::size_t& position, bool keepLocked) {
    checkRecordLimit();
    auto chunk = std::make_unique<KxRecordChunk>(header_->fields.size());
    stampNewRecord(*chunk);
    if (position > liveCount()) position = liveCount();
    const std::size_t at = liveBase() + position;
    directory_.insert(directory_.begin() + static_cast<std::ptrdiff_t>(at),
                      KxDirEntry{std::move(chunk), 0, 0, kAttrDirty | kAttrFound, 0});
    header_->setLiveCount(header_->liveCount() + 1);
    return makeHandle(at, keepLocked);
}

KxRecordHandle KxDatabase::cloneRecord(std::size_t liveIndex, bool keepLocked) {
    if (liveIndex >= liveCount()) throw KxDbError::LimitReached;
    std::size_t position = liveIndex + 1;
    KxRecordHandle handle = newRecord(position, true);
    KxRecordChunk& clone = recordAt(liveBase() + position);
    const KxRecordChunk& source = recordAt(liveBase() + liveIndex);
    const KxRecordIdentity ownIdentity = clone.identity;
    clone.copyContentFrom(source);
    clone.identity = ownIdentity;
    clone.modified = kxClock().now();
    directory_[liveBase() + position].category = directory_[liveBase() + liveIndex].category;
    if (!keepLocked) handle.release();
    return handle;
}

KxRecordHandle KxDatabase::record(std::size_t liveIndex, bool lock) {
    if (liveIndex >= liveCount()) throw KxDbError::LimitReached;
    return makeHandle(liveBase() + liveIndex, lock);
}

KxRecordHandle KxDatabase::deletedRecord(std::size_t deletedIndex, bool lock) {
    if (deletedIndex >= deletedCount()) throw KxDbError::LimitReached;
    return makeHandle(deletedBase() + deletedIndex, lock);
}

std::optional<KxRecordHandle> KxDatabase::findRecord(const KxRecordIdentity& id, bool lock) {
    for (std::size_t i = 0; i < liveCount(); ++i)
        if (recordAt(liveBase() + i).identity == id) return makeHandle(liveBase() + i, lock);
    return std::nullopt;
}

std::optional<KxRecordHandle> KxDatabase::findDeletedRecord(const KxRecordIdentity& id, bool lock) {
    for (std::size_t j = 0; j < deletedCount(); ++j)
        if (recordAt(deletedBase() + j).identity == id) return makeHandle(deletedBase() + j, lock);
    return std::nullopt;
}

KxRecordIdentity KxDatabase::identityOf(std::size_t liveIndex) const {
    return liveChunk(liveIndex).identity;
}

KxRecordIdentity KxDatabase::identityOfDeleted(std::size_t deletedIndex) const {
    return deletedChunk(deletedIndex).identity;
}

const KxRecordChunk& KxDatabase::liveChunk(std::size_t liveIndex) const {
    if (liveIndex >= liveCount()) throw KxDbError::LimitReached;
    return recordAt(liveBase() + liveIndex);
}

const KxRecordChunk& KxDatabase::deletedChunk(std::size_t deletedIndex) const {
    if (deletedIndex >= deletedCount()) throw KxDbError::LimitReached;
    return recordAt(deletedBase() + deletedIndex);
}

std::uint8_t KxDatabase::liveAttributes(std::size_t liveIndex) const {
    return directory_[liveBase() + liveIndex].attributes;
}

std::uint16_t KxDatabase::liveCategory(std::size_t liveIndex) const {
    return directory_[liveBase() + liveIndex].category;
}

void KxDatabase::setLiveAttributeBits(std::size_t liveIndex, std::uint8_t set, std::uint8_t clear) {
    auto& a = directory_[liveBase() + liveIndex].attributes;
    a = static_cast<std::uint8_t>((a & ~clear) | set);
}

void KxDatabase::moveEntry(std::size_t from, std::size_t to) {
    if (from == to) return;
    KxDirEntry entry = std::move(directory_[from]);
    if (from < to) {
        std::move(directory_.begin() + static_cast<std::ptrdiff_t>(from) + 1,
                  directory_.begin() + static_cast<std::ptrdiff_t>(to) + 1,
                  directory_.begin() + static_cast<std::ptrdiff_t>(from));
    } else {
        std::move_backward(directory_.begin() + static_cast<std::ptrdiff_t>(to),
                           directory_.begin() + static_cast<std::ptrdiff_t>(from),
                           directory_.begin() + static_cast<std::ptrdiff_t>(from) + 1);
    }
    directory_[to] = std::move(entry);
}

void KxDatabase::moveRecord(std::size_t from, std::size_t to) {
    if (from >= liveCount() || to >= liveCount()) throw KxDbError::LimitReached;
    moveEntry(liveBase() + from, liveBase() + to);
}

void KxDatabase::moveDeletedRecord(std::size_t from, std::size_t to) {
    if (from >= deletedCount() || to >= deletedCount()) throw KxDbError::LimitReached;
    moveEntry(deletedBase() + from, deletedBase() + to);
}

void KxDatabase::swapRecords(std::size_t a, std::size_t b, bool deletedList) {
    const std::size_t base = deletedList ? deletedBase() : liveBase();
    std::swap(directory_[base + a], directory_[base + b]);
}

std::size_t KxDatabase::deleteRecord(std::size_t liveIndex) {
    if (liveIndex >= liveCount()) throw KxDbError::LimitReached;
    const std::size_t from = liveBase() + liveIndex;
    recordAt(from).flags |= KxRecordChunk::kFlagDeleted;
    moveEntry(from, directory_.size() - 1);
    header_->setLiveCount(header_->liveCount() - 1);
    header_->setDeletedCount(header_->deletedCount() + 1);
    return placeBySortKeys(directory_.size() - 1, true) - deletedBase();
}

std::size_t KxDatabase::undeleteRecord(std::size_t deletedIndex) {
    if (deletedIndex >= deletedCount()) throw KxDbError::LimitReached;
    const std::size_t from = deletedBase() + deletedIndex;
    recordAt(from).flags &= static_cast<std::uint8_t>(~KxRecordChunk::kFlagDeleted);
    const std::size_t to = deletedBase(); // the end of the live records
    moveEntry(from, to);
    header_->setLiveCount(header_->liveCount() + 1);
    header_->setDeletedCount(header_->deletedCount() - 1);
    return placeBySortKeys(to, false) - liveBase();
}

void KxDatabase::eraseRecordEntry(std::size_t dirIndex, bool deletedList, bool logRemoval) {
    const KxRecordIdentity id = recordAt(dirIndex).identity;
    if (undo_ && undo_->chunk->identity == id) undo_.reset();
    directory_.erase(directory_.begin() + static_cast<std::ptrdiff_t>(dirIndex));
    if (deletedList)
        header_->setDeletedCount(header_->deletedCount() - 1);
    else
        header_->setLiveCount(header_->liveCount() - 1);
    if (logRemoval) removalLog().append(id);
}

void KxDatabase::removeRecord(std::size_t liveIndex) {
    if (liveIndex >= liveCount()) throw KxDbError::LimitReached;
    eraseRecordEntry(liveBase() + liveIndex, false, true);
}

void KxDatabase::disposeRecord(std::size_t deletedIndex) {
    if (deletedIndex >= deletedCount()) throw KxDbError::LimitReached;
    eraseRecordEntry(deletedBase() + deletedIndex, true, true);
}

std::size_t KxDatabase::countInCategory(std::uint16_t filter) const {
    if (filter == kAllCategories) return liveCount();
    std::size_t count = 0;
    for (std::size_t i = 0; i < liveCount(); ++i)
        if (matchesFilter(directory_[liveBase() + i], filter)) ++count;
    return count;
}

bool KxDatabase::stepInCategory(std::size_t& position, std::size_t steps, bool forward,
                                std::uint16_t filter) const {
    const std::size_t live = liveCount();
    if (position >= live) return false;
    std::size_t left = steps;
    for (std::size_t i = position;;) {
        if (matchesFilter(directory_[liveBase() + i], filter)) {
            if (left == 0) {
                position = i;
                return true;
            }
            --left;
        }
        if (forward) {
            if (++i >= live) return false;
        } else {
            if (i == 0) return false;
            --i;
        }
    }
}

void KxDatabase::deleteAllInCategory(std::uint16_t filter) {
    const auto n = static_cast<std::uint32_t>(liveCount());
    std::uint32_t examined = 0;
    for (std::size_t i = n; i-- > 0;) {
        if (matchesFilter(directory_[liveBase() + i], filter)) deleteRecord(i);
        report(++examined, n);
    }
}

void KxDatabase::takeUndoCopy(const KxRecordChunk& record, std::uint16_t category, bool modified) {
    // The copy's storage is used again; a copy that fails half-way is no copy at all.
    try {
        if (!undo_) undo_ = UndoCopy{std::make_unique<KxRecordChunk>(0), 0, false};
        undo_->chunk->copyContentFrom(record);
    } catch (...) {
        undo_.reset();
        throw;
    }
    undo_->category = category;
    undo_->modified = modified;
}
