#pragma once
// Identities of permanently removed records, oldest first, so the handheld can drop them too.

#include "Chunk.h"

#include <deque>

class KxRemovalLog : public KxChunk {
public:
    static constexpr std::size_t kMaxEntries = 6500;
    static constexpr std::uint32_t kFixedSize = 14;

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
