#pragma once
// Reading chunks from an open database file, and building each kind from its bytes.

#include "engine/KxChunk.h"
#include "engine/PosixFile.h"

#include <memory>
#include <vector>

// Reads the file through a large window, so that the seek-and-read of every chunk costs a
// copy rather than a system call. Any read that comes up short is damage.
class KxChunkLoader {
public:
    explicit KxChunkLoader(const PosixFile& file) : file_(file) {}
    void read(std::uint64_t offset, void* buffer, std::size_t n);

private:
    static constexpr std::size_t kWindow = 1 << 20;
    const PosixFile& file_;
    std::vector<std::uint8_t> window_;
    std::uint64_t windowStart_ = 0;
};

// Builds a schema-level chunk other than the header chunk from its bytes: an unknown tag or a
// chunk below its kind's minimum size is damage.
std::unique_ptr<KxChunk> kxLoadSchemaChunk(const kx::ByteReader& in);
