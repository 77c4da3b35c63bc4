#pragma once
// Walks the records of a range: the entire database, the category the list shows, the
// records marked by the last search, or the current record; in the record list or in the
// deleted list; with an optional limit.

#include <cstdint>
#include <cstddef>

class KxDatabase;
class KxRecordChunk;

class KxRecordCursor {
public:
    enum class Range { Entire = 0, Category = 1, SearchResults = 2, CurrentRecord = 3 };

    // `currentRecord` is the document's current record index (−1 for none) and `category`
    // the category the list view shows (255 = all).
    KxRecordCursor(const KxDatabase& db, std::int32_t currentRecord, std::uint16_t category);

    // limit: how many further records are allowed after the first; −1 for no limit.
    void init(Range range, bool deletedList, int limit);
    bool first();
    bool next();
    // The record at the position and its category.
    const KxRecordChunk& record() const;
    std::uint16_t recordCategory() const;
    std::size_t position() const { return position_; }
    std::size_t end() const { return end_; }

private:
    bool seek();
    bool matches(std::size_t liveIndex) const;
    std::size_t listSize() const;

    const KxDatabase& db_;
    std::int32_t currentRecord_;
    std::uint16_t viewCategory_;
    Range range_ = Range::Entire;
    bool deletedList_ = false;
    int limit_ = -1;
    std::size_t position_ = 0;
    std::size_t end_ = 0;
    std::uint16_t category_ = 0;
};
