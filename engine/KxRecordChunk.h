#pragma once
// One record: identity, flags, times and one raw value per field. The values and a table of
// their end offsets share one allocation: a database holds up to 16000 records, and each
// costs little more than its bytes in the file.

#include "engine/KxChunk.h"

#include <memory>
#include <span>

class KxRecordChunk : public KxChunk {
public:
    static constexpr std::uint32_t kFixedSize = 30;
    static constexpr std::uint8_t kFlagDeleted = 0x02;

    // Byte offsets inside the chunk.
    static constexpr std::size_t kFlagsAt = 6;       // u8
    static constexpr std::size_t kReserved7At = 7;   // u8, kept as read
    static constexpr std::size_t kUserIdAt = 8;      // u32, identity: creating desktop
    static constexpr std::size_t kCreatedAt = 12;    // u32, identity: creation second
    static constexpr std::size_t kSequenceAt = 16;   // u16, identity: sequence
    static constexpr std::size_t kModifiedAt = 18;   // u32
    static constexpr std::size_t kReserved22At = 22; // u32, kept as read
    static constexpr std::size_t kValueTableAt = 26; // u32: offset of the u32 value offsets

    explicit KxRecordChunk(std::size_t fieldCount);
    KxRecordChunk(const KxRecordChunk& other);
    KxRecordChunk& operator=(const KxRecordChunk& other);
    static std::unique_ptr<KxRecordChunk> load(const kx::ByteReader& in, std::size_t fieldCount);

    std::uint32_t byteSize() const override { return kFixedSize + 4 * std::uint32_t{count()} + valueBytes(); }
    void write(kx::ByteWriter& out) const override;

    std::uint8_t flags = 0;
    std::uint8_t reserved7 = 0;
    KxRecordIdentity identity;
    std::uint32_t modified = 0;
    std::uint32_t reserved22 = 0;

    std::size_t valueCount() const { return count(); }
    std::span<const std::uint8_t> value(std::size_t field) const {
        const std::uint16_t start = field == 0 ? 0 : ends()[field - 1];
        return {values() + start, static_cast<std::size_t>(ends()[field] - start)};
    }
    bool isEmpty() const { return valueBytes() == 0; }
    // Replaces one value's bytes (an empty span empties the field). The database checks the
    // 65280-byte limit before it changes a record; values that could not be held at all
    // (over 65535 bytes together) throw KxDbError::TooLarge.
    void setValue(std::size_t field, std::span<const std::uint8_t> bytes);
    // Replaces every value at once, in one pass (one span per field, valueCount() of them).
    void setValues(std::span<const std::span<const std::uint8_t>> values);
    // Takes every value of another record of the same schema.
    void copyValuesFrom(const KxRecordChunk& other);
    // Exchanges every value with another record of the same schema.
    void swapValues(KxRecordChunk& other);
    void insertValue(std::size_t field); // a new empty value at that position
    void eraseValue(std::size_t field);

    // Copies the fixed part and values of another record of the same schema.
    void copyContentFrom(const KxRecordChunk& other);

private:
    // Storage for the count, `count` end offsets and `bytes` bytes of values; the count is set.
    static std::unique_ptr<std::uint16_t[]> allocate(std::size_t count, std::size_t bytes);
    static std::uint8_t* valuesOf(std::uint16_t* data) { return reinterpret_cast<std::uint8_t*>(data + 1 + data[0]); }
    std::uint16_t count() const { return data_[0]; }
    std::uint16_t* ends() const { return data_.get() + 1; }
    std::uint8_t* values() const { return valuesOf(data_.get()); }
    std::uint32_t valueBytes() const { return count() == 0 ? 0 : ends()[count() - 1]; }
    // The bytes of the storage in use.
    std::size_t storageBytes() const { return (1 + std::size_t{count()}) * sizeof(std::uint16_t) + valueBytes(); }

    // The value count, the end offset of each value (a record's values never reach 65536
    // bytes), then the values end to end: one allocation, so that a record object stays small.
    std::unique_ptr<std::uint16_t[]> data_;
};
