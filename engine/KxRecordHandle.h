#pragma once
// A short-lived handle on one record. A locking handle marks the record busy while it lives;
// every use finds the record again by its chunk, so a handle survives re-sorting.

#include "engine/KxChunk.h"

#include <cstddef>
#include <optional>
#include <span>

class FieldValue;

class KxDatabase;
class KxRecordChunk;

class KxRecordHandle {
public:
    KxRecordHandle(KxDatabase& db, std::size_t dirIndex, KxRecordChunk& chunk, bool lock);
    ~KxRecordHandle();
    KxRecordHandle(KxRecordHandle&& other) noexcept;
    KxRecordHandle& operator=(KxRecordHandle&& other) noexcept;
    KxRecordHandle(const KxRecordHandle&) = delete;
    KxRecordHandle& operator=(const KxRecordHandle&) = delete;

    // The stored bytes of a field, checked against the field type's length (29 when they do
    // not fit it); an empty span is an empty field.
    std::span<const std::uint8_t> rawValue(std::size_t field) const;
    // Stores a value's bytes (empty empties the field); 25 when the record would grow
    // beyond 65280 bytes.
    void setRawValue(std::size_t field, std::span<const std::uint8_t> bytes);
    // Every value at once from a record of the same schema (KxDbError::TooLarge when it is
    // beyond 65280 bytes, the record then unchanged).
    void setRawValues(const KxRecordChunk& values);
    // The same, taking the values over: `values` gets what the record held.
    void takeRawValues(KxRecordChunk& values);
    void clearValue(std::size_t field);
    // The value as an object of the field's type, or none for an empty field.
    std::optional<FieldValue> value(std::size_t field) const;
    // Stores the value's bytes; a value without bytes (no text, no time) empties the field.
    void setValue(std::size_t field, const FieldValue& value);
    bool isEmpty() const;

    std::uint16_t category() const;
    void setCategory(std::uint16_t category); // 14 above 15
    KxRecordIdentity identity() const;
    void setIdentity(const KxRecordIdentity& id);
    std::uint32_t creationTime() const;
    void setCreationTime(std::uint32_t t);
    std::uint32_t modificationTime() const;
    void setModificationTime(std::uint32_t t);
    std::uint8_t attributes() const;
    void setAttributes(std::uint8_t attributes); // 33 when busy or bit 0x80 would change
    std::uint8_t flags() const;
    void setFlags(std::uint8_t flags);           // 33 when the deleted flag would change

    bool isDeleted() const;
    std::size_t liveIndex() const;
    std::size_t deletedIndex() const; // 24 for a live record
    bool isModified() const { return modified_; }

    // Puts back the copy taken before this record's first change; 38 when the copy belongs
    // to another record or there is none.
    void undo();
    // Unlocks; the handle can still be used, unlocked. Also done when the handle is destroyed.
    void release();

    const KxRecordChunk& chunk() const { return *chunk_; }

private:
    static constexpr std::size_t kGone = static_cast<std::size_t>(-1);
    std::size_t find() const; // the record's directory index, kGone when it is no more
    std::size_t locate() const;
    void beforeChange();
    // The checks of setting every value at once.
    void checkAllValues(const KxRecordChunk& values) const;

    KxDatabase* db_;
    mutable std::size_t hint_;
    KxRecordChunk* chunk_;
    bool locked_ = false;
    bool modified_ = false;
    bool dirtyPending_ = false; // changed since the last release, which marks the record dirty
};
