#include "engine/KxHeaderChunk.h"

#include <algorithm>

namespace {

constexpr std::uint32_t kDefFixedSize = 14;
constexpr std::uint32_t kCalcBlockSize = 8;
constexpr std::uint32_t kLayoutFixedSize = 30;
constexpr std::uint32_t kSortDefFixedSize = 30;
constexpr std::uint32_t kListSetFixedSize = 32;

std::uint32_t evenLength(const std::string& label) {
    return static_cast<std::uint32_t>((label.size() + 1) & ~std::size_t{1});
}

KxFieldDef loadField(const kx::ByteReader& def) {
    KxFieldDef field;
    field.type = static_cast<KxFieldType>(def.u8(KxHeaderChunk::kFieldTypeAt));
    field.reserved = def.u8(KxHeaderChunk::kFieldReservedAt);
    field.typeOption = def.u32(KxHeaderChunk::kFieldOptionAt);
    const std::uint32_t labelOffset = def.u32(KxHeaderChunk::kFieldLabelAt);
    std::uint32_t labelEnd = static_cast<std::uint32_t>(def.size());
    if (labelOffset < kDefFixedSize || labelOffset > labelEnd) throw KxDbError::Damaged;
    if (field.type == KxFieldType::Calculation) {
        // The calculation block is the definition's last 8 bytes and may not overlap the label.
        if (labelEnd < kDefFixedSize + kCalcBlockSize || labelEnd - kCalcBlockSize < labelOffset)
            throw KxDbError::Damaged;
        labelEnd -= kCalcBlockSize;
        if (def.u32(labelEnd) != kCalcBlockSize) throw KxDbError::Damaged;
        field.calc = KxCalcBlock{def.u8(labelEnd + 4), def.u8(labelEnd + 5), def.u8(labelEnd + 6),
                                 def.u8(labelEnd + 7)};
    }
    field.label = def.text(labelOffset, labelEnd - labelOffset);
    if (!field.label.empty() && field.label.back() == '\0') field.label.pop_back();
    return field;
}

// Walks `count` entries of a section that begin with their own 4-byte size.
template <typename Load>
void walkSection(const kx::ByteReader& in, std::uint32_t offset, std::size_t count,
                 std::uint32_t minSize, Load load) {
    if (count == 0) return;
    if (offset < KxHeaderChunk::kFixedSize || offset >= in.size()) throw KxDbError::Damaged;
    std::uint64_t at = offset;
    for (std::size_t i = 0; i < count; ++i) {
        if (!kx::fitsInside(at, 4, in.size())) throw KxDbError::Damaged;
        const std::uint32_t size = in.u32(at);
        if (size < minSize || !kx::fitsInside(at, size, in.size())) throw KxDbError::Damaged;
        load(in.sub(at, size));
        at += size;
    }
}

// The element table of a layout, sort definition or set: inside the entry, room for all.
std::uint32_t elementOffset(const kx::ByteReader& entry, std::size_t at, std::uint32_t fixedSize,
                            std::size_t count, std::size_t elementSize) {
    const std::uint32_t offset = entry.u32(at);
    if (count == 0) return offset;
    if (offset < fixedSize || !kx::fitsInside(offset, count * elementSize, entry.size()))
        throw KxDbError::Damaged;
    return offset;
}

KxFormLayout loadLayout(const kx::ByteReader& e) {
    using H = KxHeaderChunk;
    KxFormLayout layout;
    layout.name.load(e, H::kEntryNameAt);
    const std::uint8_t count = e.u8(H::kElementCountAt);
    const std::uint32_t at =
        elementOffset(e, H::kElementTableAt, kLayoutFixedSize, count, H::kFormItemSize);
    for (std::uint32_t i = 0; i < count; ++i) {
        const std::uint32_t p = at + H::kFormItemSize * i;
        layout.items.push_back(
            {e.u8(p), e.u8(p + 1), e.u16(p + 2), e.u16(p + 4), e.u16(p + 6), e.u32(p + 8)});
    }
    return layout;
}

KxSortDef loadSortDef(const kx::ByteReader& e) {
    using H = KxHeaderChunk;
    KxSortDef def;
    def.name.load(e, H::kEntryNameAt);
    const std::uint8_t count = e.u8(H::kElementCountAt);
    if (count > H::kMaxKeys) throw KxDbError::Damaged;
    const std::uint32_t at =
        elementOffset(e, H::kElementTableAt, kSortDefFixedSize, count, H::kSortKeySize);
    for (std::uint32_t i = 0; i < count; ++i) {
        const std::uint32_t p = at + H::kSortKeySize * i;
        def.keys.push_back({e.u8(p), static_cast<KxSortDirection>(e.u8(p + 1))});
    }
    return def;
}

KxListOptionsSet loadListSet(const kx::ByteReader& e) {
    using H = KxHeaderChunk;
    KxListOptionsSet set;
    set.name.load(e, H::kEntryNameAt);
    set.sortDef = e.u8(H::kSetSortDefAt);
    const std::uint8_t count = e.u8(H::kSetColumnCountAt);
    set.reserved = e.u8(H::kSetReservedAt);
    if (count > H::kMaxKeys) throw KxDbError::Damaged;
    const std::uint32_t at =
        elementOffset(e, H::kSetColumnTableAt, kListSetFixedSize, count, H::kColumnSize);
    for (std::uint32_t i = 0; i < count; ++i) {
        const std::uint32_t p = at + H::kColumnSize * i;
        set.columns.push_back({e.u8(p), e.u8(p + 1)});
    }
    return set;
}

} // namespace

std::uint32_t KxFieldDef::byteSize() const {
    return kDefFixedSize + evenLength(label) + (calc ? kCalcBlockSize : 0);
}

std::uint32_t kxByteSize(const KxFormLayout& l) {
    return kLayoutFixedSize +
           KxHeaderChunk::kFormItemSize * static_cast<std::uint32_t>(l.items.size());
}
std::uint32_t kxByteSize(const KxSortDef& d) {
    return kSortDefFixedSize +
           KxHeaderChunk::kSortKeySize * static_cast<std::uint32_t>(d.keys.size());
}
std::uint32_t kxByteSize(const KxListOptionsSet& s) {
    return kListSetFixedSize +
           KxHeaderChunk::kColumnSize * static_cast<std::uint32_t>(s.columns.size());
}

KxHeaderChunk::KxHeaderChunk() : KxChunk(KxChunkTag::Header) {
    setU32(kChunkSizeAt, kFixedSize);
    setU16(kChunkTagAt, static_cast<std::uint16_t>(KxChunkTag::Header));
    setU16(kVersionAt, kVersion);
    setAttributes(24);
    setCurrentRecord(-1);
    setCurrentCategory(255);
}

std::unique_ptr<KxHeaderChunk> KxHeaderChunk::load(const kx::ByteReader& in) {
    if (in.size() < kFixedSize ||
        in.u16(kChunkTagAt) != static_cast<std::uint16_t>(KxChunkTag::Header))
        throw KxDbError::Damaged;
    auto chunk = std::make_unique<KxHeaderChunk>();
    std::copy_n(in.data(), kFixedSize, chunk->fixed_.data());
    if (chunk->version() > kVersion) throw KxDbError::NewerVersion;
    chunk->setU16(kVersionAt, kVersion); // an older file is taken as the current version

    const std::uint8_t fieldCount = in.u8(kFieldCountAt);
    const std::uint8_t layoutCount = in.u8(kLayoutCountAt);
    const std::uint8_t sortCount = in.u8(kSortCountAt);
    const std::uint8_t setCount = in.u8(kListSetCountAt);
    if (fieldCount > kMaxFields || layoutCount > kMaxLayouts || sortCount > kMaxSortDefs ||
        setCount > kMaxListSets)
        throw KxDbError::Damaged;

    walkSection(in, in.u32(kFieldSectionAt), fieldCount, kDefFixedSize,
                [&](const kx::ByteReader& e) { chunk->fields.push_back(loadField(e)); });
    walkSection(in, in.u32(kLayoutSectionAt), layoutCount, kLayoutFixedSize,
                [&](const kx::ByteReader& e) { chunk->layouts.push_back(loadLayout(e)); });
    walkSection(in, in.u32(kSortSectionAt), sortCount, kSortDefFixedSize,
                [&](const kx::ByteReader& e) { chunk->sortDefs.push_back(loadSortDef(e)); });
    walkSection(in, in.u32(kListSetSectionAt), setCount, kListSetFixedSize,
                [&](const kx::ByteReader& e) { chunk->listSets.push_back(loadListSet(e)); });
    return chunk;
}

std::uint32_t KxHeaderChunk::byteSize() const {
    std::uint32_t total = kFixedSize;
    for (const auto& f : fields) total += f.byteSize();
    for (const auto& l : layouts) total += kxByteSize(l);
    for (const auto& d : sortDefs) total += kxByteSize(d);
    for (const auto& s : listSets) total += kxByteSize(s);
    return total;
}

void KxHeaderChunk::write(kx::ByteWriter& out) const {
    const std::size_t start = out.position();
    out.bytes(fixed_.data(), kFixedSize); // placeholder, completed below
    std::array<std::uint32_t, kSectionCount> sectionOffsets{};

    sectionOffsets[0] = static_cast<std::uint32_t>(out.position() - start);
    for (const auto& f : fields) {
        out.u32(f.byteSize());
        out.u8(static_cast<std::uint8_t>(f.type));
        out.u8(f.reserved);
        out.u32(f.typeOption);
        out.u32(kDefFixedSize);
        out.bytes(f.label);
        if (f.label.size() % 2 == 1) out.u8(0);
        if (f.calc) {
            out.u32(kCalcBlockSize);
            out.u8(f.calc->op);
            out.u8(f.calc->first);
            out.u8(f.calc->second);
            out.u8(f.calc->reserved);
        }
    }
    sectionOffsets[1] = static_cast<std::uint32_t>(out.position() - start);
    for (const auto& l : layouts) {
        out.u32(kxByteSize(l));
        out.bytes(l.name.raw().data(), KxName21::kSize);
        out.u8(static_cast<std::uint8_t>(l.items.size()));
        out.u32(kLayoutFixedSize);
        for (const auto& item : l.items) {
            out.u8(item.field);
            out.u8(item.reserved);
            out.u16(item.flags);
            out.u16(item.value1);
            out.u16(item.value2);
            out.u32(item.reserved2);
        }
    }
    sectionOffsets[2] = static_cast<std::uint32_t>(out.position() - start);
    for (const auto& d : sortDefs) {
        out.u32(kxByteSize(d));
        out.bytes(d.name.raw().data(), KxName21::kSize);
        out.u8(static_cast<std::uint8_t>(d.keys.size()));
        out.u32(kSortDefFixedSize);
        for (const auto& k : d.keys) {
            out.u8(k.field);
            out.u8(static_cast<std::uint8_t>(k.direction));
        }
    }
    sectionOffsets[3] = static_cast<std::uint32_t>(out.position() - start);
    for (const auto& s : listSets) {
        out.u32(kxByteSize(s));
        out.bytes(s.name.raw().data(), KxName21::kSize);
        out.u8(s.sortDef);
        out.u8(static_cast<std::uint8_t>(s.columns.size()));
        out.u8(s.reserved);
        out.u32(kListSetFixedSize);
        for (const auto& c : s.columns) {
            out.u8(c.field);
            out.u8(c.width);
        }
    }

    // The fixed part again, now with the counts, the section offsets and the size.
    std::array<std::uint8_t, kFixedSize> fixed = fixed_;
    kx::putLe32(fixed.data() + kChunkSizeAt, static_cast<std::uint32_t>(out.position() - start));
    kx::putLe16(fixed.data() + kChunkTagAt, static_cast<std::uint16_t>(KxChunkTag::Header));
    fixed[kFieldCountAt] = static_cast<std::uint8_t>(fields.size());
    fixed[kLayoutCountAt] = static_cast<std::uint8_t>(layouts.size());
    fixed[kSortCountAt] = static_cast<std::uint8_t>(sortDefs.size());
    fixed[kListSetCountAt] = static_cast<std::uint8_t>(listSets.size());
    for (std::size_t i = 0; i < kSectionCount; ++i)
        kx::putLe32(fixed.data() + kFieldSectionAt + 4 * i, sectionOffsets[i]);
    out.patch(start, fixed.data(), kFixedSize);
}
