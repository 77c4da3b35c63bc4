#pragma once
// Builds a new record's values away from the database and adds the record only once it is
// complete, so that a row that comes to nothing never becomes a record (and never leaves its
// identity in the removal log), and a value that does not fit leaves no half-made record.
// Values are kept apart while they come in and joined into the record in one pass, so that
// storing a value never moves the others.

#include "engine/Calculation.h"
#include "engine/KxRecordChunk.h"
#include "transfer/KxImporter.h"

#include <cstdint>
#include <span>
#include <vector>

class KxDatabase;

class KxNewRecordBuilder {
public:
    explicit KxNewRecordBuilder(const KxDatabase& db);

    // Every field empty again.
    void reset();
    // Stores the value's bytes (a value without bytes empties the field). KxDbError::TooLarge
    // when the record would grow beyond 65280 bytes; the field then keeps what it had.
    void store(std::size_t field, const FieldValue& value);
    // Stores a text that holds no NUL and no carriage return as a Text value of it, without
    // making the value first; the same errors as store.
    void storeText(std::size_t field, std::string_view text);
    std::span<const std::uint8_t> raw(std::size_t field) const;
    bool isEmpty() const { return valueBytes_ == 0; }

    // Recomputes every Calculation field in form order, as the record form does: a result is
    // stored, no result empties the field, a result that does not fit is reported and skipped.
    void recalculate(const KxCalcStoreError& onError);

    // Appends the record to the live records (KxDbError::LimitReached when the database is
    // full) with the category and, when given, the identity and times of its source record.
    // Returns its live index; the caller moves it to its sorted place.
    std::size_t addTo(KxDatabase& db, std::uint16_t category, const KxRecordInfo* sourceInfo) const;

private:
    // Where a field's bytes lie in bytes_.
    struct Slot {
        std::size_t offset = 0;
        std::size_t size = 0;
    };

    void storeBytes(std::size_t field, std::span<const std::uint8_t> bytes, std::size_t padding = 0);
    // The values joined into record_ (done again only after a change).
    const KxRecordChunk& record() const;

    const KxDatabase& db_;
    std::vector<Slot> slots_;
    std::vector<std::uint8_t> bytes_; // every stored value, appended; replaced ones stay unused
    std::size_t valueBytes_ = 0;      // the bytes of the current values
    std::vector<std::size_t> calculations_;
    mutable KxRecordChunk record_;
    mutable std::vector<std::span<const std::uint8_t>> views_;
    mutable bool joined_ = true;
};
