#pragma once
// Identities of permanently removed records, oldest first, so the handheld can drop them too.

#include "engine/KxChunk.h"

#include <deque>

class KxRemovalLog : public KxChunk {
public:
    static constexpr std::size_t kMaxEntries = 6500;
    static constexpr std::uint32_t kFixedSize = 14;

    // Byte offsets inside the chunk; the entries follow one another, oldest first.
    static constexpr std::size_t kCountAt = 6;      // u32
    static constexpr std::size_t kEntriesAt = 10;   // u32: offset of the first entry
    static constexpr std::uint32_t kEntrySize = 10; // u32 desktop, u32 second, u16 sequence

    KxRemovalLog() : KxChunk(KxChunkTag::RemovalLog) {}
    static std::unique_ptr<KxRemovalLog> load(const kx::ByteReader& in);

    std::uint32_t byteSize() const override;
    void write(kx::ByteWriter& out) const override;

    // Appending to a full log first drops the oldest entries, so it never holds more than 6500.
    void append(const KxRecordIdentity& id);
    const std::deque<KxRecordIdentity>& entries() const { return entries_; }

private:
    std::deque<KxRecordIdentity> entries_;
};
