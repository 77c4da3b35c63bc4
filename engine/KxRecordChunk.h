#pragma once
// One record: identity, flags, times and one raw value per field. The values live in one
// buffer with a table of end offsets, not in one allocation per value.

#include "engine/KxChunk.h"

#include <span>
#include <vector>

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
    static std::unique_ptr<KxRecordChunk> load(const kx::ByteReader& in, std::size_t fieldCount);

    std::uint32_t byteSize() const override {
        return kFixedSize + 4 * static_cast<std::uint32_t>(ends_.size()) +
               static_cast<std::uint32_t>(values_.size());
    }
    void write(kx::ByteWriter& out) const override;

    std::uint8_t flags = 0;
    std::uint8_t reserved7 = 0;
    KxRecordIdentity identity;
    std::uint32_t modified = 0;
    std::uint32_t reserved22 = 0;

    std::size_t valueCount() const { return ends_.size(); }
    std::span<const std::uint8_t> value(std::size_t field) const {
        const std::uint32_t start = field == 0 ? 0 : ends_[field - 1];
        return {values_.data() + start, ends_[field] - start};
    }
    bool isEmpty() const { return values_.empty(); }
    // Replaces one value's bytes (an empty span empties the field). No size check here:
    // the database checks the 65280-byte limit before it changes a record.
    void setValue(std::size_t field, std::span<const std::uint8_t> bytes);
    // Replaces every value at once, in one pass (one span per field, valueCount() of them).
    void setValues(std::span<const std::span<const std::uint8_t>> values);
    // Takes every value of another record of the same schema.
    void copyValuesFrom(const KxRecordChunk& other);
    void insertValue(std::size_t field); // a new empty value at that position
    void eraseValue(std::size_t field);

    // Copies the fixed part and values of another record of the same schema.
    void copyContentFrom(const KxRecordChunk& other);

private:
    std::vector<std::uint32_t> ends_;  // end offset of each value inside values_
    std::vector<std::uint8_t> values_;
};
