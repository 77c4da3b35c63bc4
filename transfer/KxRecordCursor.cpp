#include "transfer/KxRecordCursor.h"

#include "engine/KxDatabase.h"
#include "engine/KxRecordChunk.h"

KxRecordCursor::KxRecordCursor(const KxDatabase& db, std::int32_t currentRecord, std::uint16_t category)
    : db_(db), currentRecord_(currentRecord), viewCategory_(category) {}

void KxRecordCursor::init(Range range, bool deletedList, int limit) {
    range_ = range;
    deletedList_ = deletedList;
    limit_ = limit;
    position_ = 0;
    end_ = listSize();
    switch (range) {
    case Range::Category: category_ = viewCategory_; break;
    case Range::SearchResults: category_ = kFoundRecords; break;
    default: category_ = 0; break;
    }
}

std::size_t KxRecordCursor::listSize() const {
    return deletedList_ ? db_.deletedCount() : db_.liveCount();
}

bool KxRecordCursor::first() {
    if (range_ == Range::CurrentRecord) {
        // No current record, or one past the list, yields nothing rather than a stray index.
        if (currentRecord_ < 0 || static_cast<std::size_t>(currentRecord_) >= listSize()) {
            position_ = end_ = 0;
            return false;
        }
        position_ = static_cast<std::size_t>(currentRecord_);
        end_ = position_ + 1;
    }
    return seek();
}

bool KxRecordCursor::next() {
    if (limit_ == 0) return false; // stays exhausted however often it is asked
    if (limit_ > 0) --limit_;
    ++position_;
    return seek();
}

bool KxRecordCursor::matches(std::size_t liveIndex) const {
    if (range_ == Range::Category)
        return category_ == kAllCategories || db_.liveCategory(liveIndex) == category_;
    if (range_ == Range::SearchResults) return (db_.liveAttributes(liveIndex) & kAttrFound) != 0;
    return true;
}

bool KxRecordCursor::seek() {
    // The deleted list is walked whole: categories and search marks do not apply to it.
    if (!deletedList_)
        while (position_ < end_ && !matches(position_)) ++position_;
    return position_ < end_;
}

const KxRecordChunk& KxRecordCursor::record() const {
    return deletedList_ ? db_.deletedChunk(position_) : db_.liveChunk(position_);
}

std::uint16_t KxRecordCursor::recordCategory() const {
    if (!deletedList_) return db_.liveCategory(position_);
    return db_.directoryEntry(db_.schemaChunkCount() + db_.liveCount() + position_).category;
}
