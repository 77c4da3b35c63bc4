#include "engine/KxRemovalLog.h"

std::unique_ptr<KxRemovalLog> KxRemovalLog::load(const kx::ByteReader& in) {
    auto log = std::make_unique<KxRemovalLog>();
    const std::uint32_t count = in.u32(kCountAt);
    if (count == 0) return log;
    const std::uint32_t first = in.u32(kEntriesAt);
    if (first < kFixedSize || !kx::fitsInside(first, std::uint64_t{kEntrySize} * count, in.size()))
        throw KxDbError::Damaged;
    for (std::uint32_t i = 0; i < count; ++i) {
        const std::size_t at = first + std::uint64_t{kEntrySize} * i;
        log->entries_.push_back({in.u32(at), in.u32(at + 4), in.u16(at + 8)});
    }
    return log;
}

std::uint32_t KxRemovalLog::byteSize() const {
    return kFixedSize + kEntrySize * static_cast<std::uint32_t>(entries_.size());
}

void KxRemovalLog::write(kx::ByteWriter& out) const {
    out.u32(byteSize());
    out.u16(static_cast<std::uint16_t>(tag()));
    out.u32(static_cast<std::uint32_t>(entries_.size()));
    out.u32(kFixedSize);
    for (const auto& id : entries_) {
        out.u32(id.userId);
        out.u32(id.created);
        out.u16(id.sequence);
    }
}

void KxRemovalLog::append(const KxRecordIdentity& id) {
    while (entries_.size() >= kMaxEntries) entries_.pop_front();
    entries_.push_back(id);
}
