#include "engine/KxRecordChunk.h"

KxRecordChunk::KxRecordChunk(std::size_t fieldCount)
    : KxChunk(KxChunkTag::Record), ends_(fieldCount, 0) {}

std::unique_ptr<KxRecordChunk> KxRecordChunk::load(const kx::ByteReader& in,
                                                   std::size_t fieldCount) {
    if (in.size() < kFixedSize ||
        in.u16(kChunkTagAt) != static_cast<std::uint16_t>(KxChunkTag::Record))
        throw KxDbError::Damaged;
    auto record = std::make_unique<KxRecordChunk>(fieldCount);
    record->flags = in.u8(kFlagsAt);
    record->reserved7 = in.u8(kReserved7At);
    record->identity = {in.u32(kUserIdAt), in.u32(kCreatedAt), in.u16(kSequenceAt)};
    record->modified = in.u32(kModifiedAt);
    record->reserved22 = in.u32(kReserved22At);
    if (fieldCount == 0) return record;

    const std::uint32_t table = in.u32(kValueTableAt);
    if (table < kFixedSize || !kx::fitsInside(table, 4ull * fieldCount, in.size()))
        throw KxDbError::Damaged;
    // Values follow one another: an offset that goes backwards or leaves the chunk is damage.
    const std::uint32_t first = in.u32(table);
    if (first < table + 4ull * fieldCount || first > in.size()) throw KxDbError::Damaged;
    std::uint32_t previous = first;
    for (std::size_t i = 0; i < fieldCount; ++i) {
        const std::uint32_t end =
            i + 1 < fieldCount ? in.u32(table + 4 * (i + 1)) : static_cast<std::uint32_t>(in.size());
        if (end < previous || end > in.size()) throw KxDbError::Damaged;
        record->ends_[i] = end - first;
        previous = end;
    }
    record->values_.assign(in.data() + first, in.data() + in.size());
    return record;
}

void KxRecordChunk::write(kx::ByteWriter& out) const {
    out.u32(byteSize());
    out.u16(static_cast<std::uint16_t>(tag()));
    out.u8(flags);
    out.u8(reserved7);
    out.u32(identity.userId);
    out.u32(identity.created);
    out.u16(identity.sequence);
    out.u32(modified);
    out.u32(reserved22);
    out.u32(kFixedSize);
    const std::uint32_t base = kFixedSize + 4 * static_cast<std::uint32_t>(ends_.size());
    std::uint32_t start = 0;
    for (std::uint32_t end : ends_) {
        out.u32(base + start);
        start = end;
    }
    out.bytes(values_.data(), values_.size());
}

void KxRecordChunk::setValue(std::size_t field, std::span<const std::uint8_t> bytes) {
    const std::uint32_t start = field == 0 ? 0 : ends_[field - 1];
    const std::uint32_t oldEnd = ends_[field];
    const std::size_t oldLength = oldEnd - start;
    const auto delta = static_cast<std::int64_t>(bytes.size()) - static_cast<std::int64_t>(oldLength);
    if (delta > 0) {
        values_.insert(values_.begin() + oldEnd, static_cast<std::size_t>(delta), 0);
    } else if (delta < 0) {
        values_.erase(values_.begin() + start + static_cast<std::ptrdiff_t>(bytes.size()),
                      values_.begin() + oldEnd);
    }
    std::copy(bytes.begin(), bytes.end(), values_.begin() + start);
    for (std::size_t i = field; i < ends_.size(); ++i)
        ends_[i] = static_cast<std::uint32_t>(ends_[i] + delta);
}

void KxRecordChunk::setValues(std::span<const std::span<const std::uint8_t>> values) {
    const std::size_t given = std::min(values.size(), ends_.size());
    std::size_t total = 0;
    for (std::size_t field = 0; field < given; ++field) total += values[field].size();
    values_.resize(total);
    std::size_t end = 0;
    for (std::size_t field = 0; field < ends_.size(); ++field) {
        if (field < given) {
            std::copy(values[field].begin(), values[field].end(), values_.begin() + static_cast<std::ptrdiff_t>(end));
            end += values[field].size();
        }
        ends_[field] = static_cast<std::uint32_t>(end);
    }
}

void KxRecordChunk::copyValuesFrom(const KxRecordChunk& other) {
    ends_ = other.ends_;
    values_ = other.values_;
}

void KxRecordChunk::insertValue(std::size_t field) {
    const std::uint32_t at = field == 0 ? 0 : ends_[field - 1];
    ends_.insert(ends_.begin() + static_cast<std::ptrdiff_t>(field), at);
}

void KxRecordChunk::eraseValue(std::size_t field) {
    setValue(field, {});
    ends_.erase(ends_.begin() + static_cast<std::ptrdiff_t>(field));
}

void KxRecordChunk::copyContentFrom(const KxRecordChunk& other) {
    flags = other.flags;
    reserved7 = other.reserved7;
    identity = other.identity;
    modified = other.modified;
    reserved22 = other.reserved22;
    ends_ = other.ends_;
    values_ = other.values_;
}
