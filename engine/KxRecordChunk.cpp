#include "engine/KxRecordChunk.h"

#include "engine/KxDbError.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace {
constexpr std::size_t kMaxValueBytes = std::numeric_limits<std::uint16_t>::max();
}

std::unique_ptr<std::uint16_t[]> KxRecordChunk::allocate(std::size_t count, std::size_t bytes) {
    if (bytes > kMaxValueBytes || count > kMaxValueBytes) throw KxDbError::TooLarge;
    auto data = std::make_unique_for_overwrite<std::uint16_t[]>(1 + count + (bytes + 1) / 2);
    data[0] = static_cast<std::uint16_t>(count);
    return data;
}

KxRecordChunk::KxRecordChunk(std::size_t fieldCount)
    : KxChunk(KxChunkTag::Record), data_(allocate(fieldCount, 0)) {
    std::fill_n(ends(), fieldCount, std::uint16_t{0});
}

KxRecordChunk::KxRecordChunk(const KxRecordChunk& other) : KxChunk(other) { copyContentFrom(other); }

KxRecordChunk& KxRecordChunk::operator=(const KxRecordChunk& other) {
    if (this != &other) copyContentFrom(other);
    return *this;
}

std::unique_ptr<KxRecordChunk> KxRecordChunk::load(const kx::ByteReader& in,
                                                   std::size_t fieldCount) {
    if (in.size() < kFixedSize ||
        in.u16(kChunkTagAt) != static_cast<std::uint16_t>(KxChunkTag::Record))
        throw KxDbError::Damaged;
    auto record = std::make_unique<KxRecordChunk>(0);
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
    const std::size_t bytes = in.size() - first;
    if (bytes > kMaxValueBytes) throw KxDbError::Damaged;
    auto data = allocate(fieldCount, bytes);
    std::uint32_t previous = first;
    for (std::size_t i = 0; i < fieldCount; ++i) {
        const std::uint32_t end =
            i + 1 < fieldCount ? in.u32(table + 4 * (i + 1)) : static_cast<std::uint32_t>(in.size());
        if (end < previous || end > in.size()) throw KxDbError::Damaged;
        data[1 + i] = static_cast<std::uint16_t>(end - first);
        previous = end;
    }
    if (bytes) std::memcpy(valuesOf(data.get()), in.data() + first, bytes);
    record->data_ = std::move(data);
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
    const std::uint32_t base = kFixedSize + 4 * std::uint32_t{count()};
    std::uint32_t start = 0;
    for (std::size_t i = 0; i < count(); ++i) {
        out.u32(base + start);
        start = ends()[i];
    }
    out.bytes(values(), valueBytes());
}

void KxRecordChunk::setValue(std::size_t field, std::span<const std::uint8_t> bytes) {
    const std::size_t start = field == 0 ? 0 : ends()[field - 1];
    const std::size_t oldEnd = ends()[field];
    const std::size_t total = valueBytes();
    if (bytes.size() == oldEnd - start) {
        if (!bytes.empty()) std::memcpy(values() + start, bytes.data(), bytes.size());
        return;
    }
    const std::size_t n = count();
    auto data = allocate(n, total - (oldEnd - start) + bytes.size());
    const auto delta = static_cast<std::ptrdiff_t>(bytes.size()) - static_cast<std::ptrdiff_t>(oldEnd - start);
    for (std::size_t i = 0; i < n; ++i)
        data[1 + i] = static_cast<std::uint16_t>(i < field ? ends()[i] : ends()[i] + delta);
    std::uint8_t* into = valuesOf(data.get());
    std::memcpy(into, values(), start);
    if (!bytes.empty()) std::memcpy(into + start, bytes.data(), bytes.size());
    std::memcpy(into + start + bytes.size(), values() + oldEnd, total - oldEnd);
    data_ = std::move(data);
}

void KxRecordChunk::setValues(std::span<const std::span<const std::uint8_t>> values) {
    const std::size_t n = count();
    const std::size_t given = std::min(values.size(), n);
    std::size_t total = 0;
    for (std::size_t field = 0; field < given; ++field) total += values[field].size();
    auto data = allocate(n, total);
    std::uint8_t* into = valuesOf(data.get());
    std::size_t end = 0;
    for (std::size_t field = 0; field < n; ++field) {
        if (field < given && !values[field].empty()) {
            std::memcpy(into + end, values[field].data(), values[field].size());
            end += values[field].size();
        }
        data[1 + field] = static_cast<std::uint16_t>(end);
    }
    data_ = std::move(data);
}

void KxRecordChunk::copyValuesFrom(const KxRecordChunk& other) {
    if (this == &other) return;
    const std::size_t bytes = other.storageBytes();
    // Storage of the same size is used again (an undo copy of one new record after another).
    if (!data_ || storageBytes() != bytes) data_ = allocate(other.count(), other.valueBytes());
    std::memcpy(data_.get(), other.data_.get(), bytes);
}

void KxRecordChunk::swapValues(KxRecordChunk& other) { std::swap(data_, other.data_); }

void KxRecordChunk::insertValue(std::size_t field) {
    const std::size_t n = count();
    const std::size_t total = valueBytes();
    auto data = allocate(n + 1, total);
    const std::uint16_t at = field == 0 ? 0 : ends()[field - 1];
    std::copy(ends(), ends() + field, data.get() + 1);
    data[1 + field] = at;
    std::copy(ends() + field, ends() + n, data.get() + 2 + field);
    std::memcpy(valuesOf(data.get()), values(), total);
    data_ = std::move(data);
}

void KxRecordChunk::eraseValue(std::size_t field) {
    setValue(field, {});
    const std::size_t n = count();
    const std::size_t total = valueBytes();
    auto data = allocate(n - 1, total);
    std::copy(ends(), ends() + field, data.get() + 1);
    std::copy(ends() + field + 1, ends() + n, data.get() + 1 + field);
    std::memcpy(valuesOf(data.get()), values(), total);
    data_ = std::move(data);
}

void KxRecordChunk::copyContentFrom(const KxRecordChunk& other) {
    flags = other.flags;
    reserved7 = other.reserved7;
    identity = other.identity;
    modified = other.modified;
    reserved22 = other.reserved22;
    copyValuesFrom(other);
}
