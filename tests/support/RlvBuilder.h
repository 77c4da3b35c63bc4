#pragma once
// Lays out a database file byte by byte from its parts, without any engine code, so that
// tests compare what the engine writes with bytes made another way. A file is a File value
// (header chunk parts, further schema chunks, live and deleted records); build() places the
// chunks one after another behind the directory and reports where each part landed, so a
// damaged variant is one patch at a named offset.

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace rlv {

using Bytes = std::vector<std::uint8_t>;

// Appends little-endian integers and raw bytes.
class Out {
  public:
    Out& u8(unsigned v) {
        bytes.push_back(static_cast<std::uint8_t>(v));
        return *this;
    }
    Out& u16(unsigned v) { return u8(v & 0xFF).u8((v >> 8) & 0xFF); }
    Out& u32(std::uint32_t v) { return u16(v & 0xFFFF).u16(v >> 16); }
    Out& raw(std::string_view s) {
        bytes.insert(bytes.end(), s.begin(), s.end());
        return *this;
    }
    Out& raw(const Bytes& b) {
        bytes.insert(bytes.end(), b.begin(), b.end());
        return *this;
    }
    Out& zeros(std::size_t n) {
        bytes.insert(bytes.end(), n, 0);
        return *this;
    }
    // A NUL-padded text in a field of `size` bytes.
    Out& fixed(std::string_view s, std::size_t size) {
        return raw(s.substr(0, size)).zeros(size - std::min(s.size(), size));
    }
    std::uint32_t size() const { return static_cast<std::uint32_t>(bytes.size()); }
    void patch32(std::size_t at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i)
            bytes[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
    }

    Bytes bytes;
};

// The little-endian 32-bit number at `at`.
inline std::uint32_t get32(const Bytes& b, std::size_t at) {
    return b.at(at) | b.at(at + 1) << 8 | b.at(at + 2) << 16 |
           static_cast<std::uint32_t>(b.at(at + 3)) << 24;
}

// --- value bytes of a record, one function per field type ---

// The text, a NUL, and one more zero byte when the text's length is even.
inline Bytes textValue(std::string_view s) {
    Out o;
    o.raw(s).u8(0);
    if (s.size() % 2 == 0) o.u8(0);
    return o.bytes;
}
inline Bytes int32Value(std::int32_t v) {
    return Out().u32(static_cast<std::uint32_t>(v)).bytes;
}
inline Bytes doubleValue(double v) {
    std::uint64_t bits;
    std::memcpy(&bits, &v, sizeof bits);
    return Out()
        .u32(static_cast<std::uint32_t>(bits))
        .u32(static_cast<std::uint32_t>(bits >> 32))
        .bytes;
}
inline Bytes dateValue(int year, int month, int day) {
    return Out()
        .u16(static_cast<unsigned>(year))
        .u8(static_cast<unsigned>(month))
        .u8(static_cast<unsigned>(day))
        .bytes;
}
inline Bytes timeValue(int h, int m, int s) {
    return Out()
        .u8(static_cast<unsigned>(h))
        .u8(static_cast<unsigned>(m))
        .u8(static_cast<unsigned>(s))
        .u8(0)
        .bytes;
}
inline Bytes checkboxValue(bool checked) {
    return Out().u16(checked ? 1 : 0).bytes;
}
inline Bytes calcValue(double result, std::uint16_t failed) {
    Out o;
    o.raw(doubleValue(result)).u16(failed);
    return o.bytes;
}

// --- the header chunk ---

struct Field {
    std::uint8_t type = 0;
    std::string label{};
    std::uint32_t option = 0;          // decimal places, or a list offset when `list` is empty
    std::optional<std::size_t> list{}; // Text and Multiple Choice: index in File::schema
    std::array<std::uint8_t, 4> calc{4, 255, 255, 0}; // operator, operands, zero (type 9)
};

struct FormItem {
    std::uint8_t field = 255;
    std::uint16_t flags = 0;
    std::uint16_t first = 0;
    std::uint16_t second = 999;
};

struct Layout {
    std::string name{};
    std::vector<FormItem> items{};
};

struct SortDef {
    std::string name{};
    std::vector<std::pair<std::uint8_t, std::uint8_t>> keys{}; // field, direction
};

struct ListSet {
    std::string name{};
    std::uint8_t sortDef = 0;
    std::vector<std::pair<std::uint8_t, std::uint8_t>> columns{}; // field, width
};

struct Header {
    std::uint16_t version = 512;
    std::uint16_t attributes = 24;
    std::uint32_t stamp = 0;
    std::int32_t currentRecord = -1;
    std::uint16_t currentCategory = 255;
    std::uint8_t currentLayout = 0;
    std::uint8_t currentListSet = 0;
    std::vector<Field> fields{};
    std::vector<Layout> layouts{};
    std::vector<SortDef> sortDefs{};
    std::vector<ListSet> listSets{};
};

// Where the entries of each section start, from the chunk's first byte.
struct HeaderParts {
    std::vector<std::uint32_t> fields, layouts, sortDefs, listSets;
};

inline Bytes headerChunk(const Header& h, std::uint32_t schemaCount, std::uint32_t live,
                         std::uint32_t deleted, const std::vector<std::uint32_t>& listOffsets,
                         HeaderParts* parts = nullptr) {
    HeaderParts at;
    Out body; // the four sections, counted from the chunk's first byte minus 76
    const std::uint32_t fieldsAt = 76;
    for (std::size_t i = 0; i < h.fields.size(); ++i) {
        const Field& f = h.fields[i];
        const std::uint32_t label =
            static_cast<std::uint32_t>((f.label.size() + 1) & ~std::size_t{1});
        at.fields.push_back(76 + body.size());
        body.u32(14 + label + (f.type == 9 ? 8 : 0)).u8(f.type).u8(0);
        body.u32(f.list ? listOffsets.at(*f.list) : f.option).u32(14).raw(f.label);
        if (f.label.size() % 2) body.u8(0);
        if (f.type == 9) body.u32(8).u8(f.calc[0]).u8(f.calc[1]).u8(f.calc[2]).u8(f.calc[3]);
    }
    const std::uint32_t layoutsAt = 76 + body.size();
    for (const Layout& l : h.layouts) {
        at.layouts.push_back(76 + body.size());
        body.u32(30 + 12 * static_cast<std::uint32_t>(l.items.size())).fixed(l.name, 21);
        body.u8(static_cast<unsigned>(l.items.size())).u32(30);
        for (const FormItem& item : l.items)
            body.u8(item.field).u8(0).u16(item.flags).u16(item.first).u16(item.second).u32(0);
    }
    const std::uint32_t sortsAt = 76 + body.size();
    for (const SortDef& d : h.sortDefs) {
        at.sortDefs.push_back(76 + body.size());
        body.u32(30 + 2 * static_cast<std::uint32_t>(d.keys.size())).fixed(d.name, 21);
        body.u8(static_cast<unsigned>(d.keys.size())).u32(30);
        for (auto [field, direction] : d.keys)
            body.u8(field).u8(direction);
    }
    const std::uint32_t setsAt = 76 + body.size();
    for (const ListSet& s : h.listSets) {
        at.listSets.push_back(76 + body.size());
        body.u32(32 + 2 * static_cast<std::uint32_t>(s.columns.size())).fixed(s.name, 21);
        body.u8(s.sortDef).u8(static_cast<unsigned>(s.columns.size())).u8(0).u32(32);
        for (auto [field, width] : s.columns)
            body.u8(field).u8(width);
    }

    Out o;
    o.u32(76 + body.size()).raw("DH").u16(h.version).u16(h.attributes).u32(h.stamp);
    o.u32(static_cast<std::uint32_t>(h.currentRecord)).u16(h.currentCategory);
    o.u8(static_cast<unsigned>(h.fields.size())).u8(static_cast<unsigned>(h.layouts.size()));
    o.u8(h.currentLayout).u8(static_cast<unsigned>(h.sortDefs.size())).u8(0);
    o.u8(static_cast<unsigned>(h.listSets.size())).u8(h.currentListSet).u8(0);
    o.u32(schemaCount).u32(live).u32(deleted);
    o.u32(fieldsAt).u32(layoutsAt).u32(sortsAt).u32(setsAt).zeros(20);
    o.raw(body.bytes);
    if (parts) *parts = at;
    return o.bytes;
}

// --- records and the small chunks ---

struct Identity {
    std::uint32_t user = 0;
    std::uint32_t created = 0;
    std::uint16_t sequence = 0;
};

struct Record {
    Identity id{};
    std::uint32_t modified = 0;
    std::vector<Bytes> values{}; // one per field, empty for an empty value
    std::uint16_t category = 0;  // directory entry
    std::uint8_t attributes = 0; // directory entry
};

inline Bytes recordChunk(const Record& r, bool deleted) {
    Out values;
    Out table;
    const std::uint32_t base = 30 + 4 * static_cast<std::uint32_t>(r.values.size());
    for (const Bytes& v : r.values) {
        table.u32(base + values.size());
        values.raw(v);
    }
    Out o;
    o.u32(base + values.size()).raw("AD").u8(deleted ? 2 : 0).u8(0);
    o.u32(r.id.user).u32(r.id.created).u16(r.id.sequence).u32(r.modified).u32(0).u32(30);
    o.raw(table.bytes).raw(values.bytes);
    return o.bytes;
}

// kind "FF" (Text) or "CM" (Multiple Choice).
inline Bytes itemListChunk(std::string_view kind, std::uint8_t field,
                           const std::vector<std::string>& items) {
    Out o;
    std::uint32_t at = 14 + 4 * static_cast<std::uint32_t>(items.size());
    std::uint32_t size = at;
    for (const auto& item : items)
        size += static_cast<std::uint32_t>(item.size());
    o.u32(size).raw(kind).u8(field).u8(0).u16(static_cast<unsigned>(items.size())).u32(14);
    for (const auto& item : items) {
        o.u32(at);
        at += static_cast<std::uint32_t>(item.size());
    }
    for (const auto& item : items)
        o.raw(item);
    return o.bytes;
}

inline Bytes removalLogChunk(const std::vector<Identity>& ids) {
    Out o;
    o.u32(14 + 10 * static_cast<std::uint32_t>(ids.size())).raw("LD");
    o.u32(static_cast<std::uint32_t>(ids.size())).u32(14);
    for (const Identity& id : ids)
        o.u32(id.user).u32(id.created).u16(id.sequence);
    return o.bytes;
}

// Entries in the order given (the engine keeps them in ascending key order).
inline Bytes propertyChunk(const std::vector<std::pair<std::int16_t, std::string>>& entries) {
    Out table, data;
    const std::uint32_t base = 12 + 4 * static_cast<std::uint32_t>(entries.size());
    for (const auto& [key, text] : entries) {
        table.u32(base + data.size());
        data.u16(static_cast<std::uint16_t>(key)).raw(text).u8(0);
    }
    Out o;
    o.u32(base + data.size()).raw("FP").u16(static_cast<unsigned>(entries.size())).u32(12);
    o.raw(table.bytes).raw(data.bytes);
    return o.bytes;
}

struct Criterion {
    std::uint8_t field = 0;
    std::uint8_t op = 0;
    std::string value{};
};

struct Search {
    std::string name{};
    std::uint8_t listSet = 255;
    std::vector<Criterion> criteria{};
};

inline Bytes searchChunk(const std::vector<Search>& searches, std::uint8_t current) {
    Out body;
    for (const Search& s : searches) {
        Out criteria;
        for (const Criterion& c : s.criteria)
            criteria.u32(10 + static_cast<std::uint32_t>(c.value.size()))
                .u8(c.field)
                .u8(c.op)
                .u32(10)
                .raw(c.value);
        body.u32(32 + criteria.size())
            .u8(static_cast<unsigned>(s.criteria.size()))
            .fixed(s.name, 21);
        body.u8(s.listSet).u8(0).u32(32).raw(criteria.bytes);
    }
    Out o;
    o.u32(12 + body.size())
        .raw("SS")
        .u8(static_cast<unsigned>(searches.size()))
        .u8(current)
        .u32(12);
    o.raw(body.bytes);
    return o.bytes;
}

// --- the whole file ---

// A built file and where its parts are.
struct Image {
    Bytes bytes;
    std::vector<std::uint32_t> chunks; // file offset of each chunk, in directory order
    HeaderParts header;                // offsets inside the header chunk

    static constexpr std::uint32_t kDirectory = 380;
    std::uint32_t chunk(std::size_t k) const { return chunks.at(k); }
    std::uint32_t entry(std::size_t k) const {
        return kDirectory + 12 * static_cast<std::uint32_t>(k);
    }
    std::uint32_t field(std::size_t i) const { return chunk(0) + header.fields.at(i); }

    Image& put8(std::size_t at, unsigned v) {
        bytes.at(at) = static_cast<std::uint8_t>(v);
        return *this;
    }
    Image& put16(std::size_t at, unsigned v) {
        return put8(at, v & 0xFF).put8(at + 1, (v >> 8) & 0xFF);
    }
    Image& put32(std::size_t at, std::uint32_t v) {
        return put16(at, v & 0xFFFF).put16(at + 2, v >> 16);
    }
    std::uint32_t get32(std::size_t at) const { return rlv::get32(bytes, at); }
};

struct DirEntry {
    std::uint16_t category = 0;
    std::uint8_t attributes = 0;
};

struct File {
    std::string name = "test"; // the database name field
    Header header;
    std::vector<Bytes> schema{removalLogChunk({}), searchChunk({}, 0)}; // after the header chunk
    std::vector<Record> live{};
    std::vector<Record> deleted{};

    // The 380-byte file header of a database made by create, for n chunks.
    Bytes fileHeader(std::uint32_t n) const {
        Out o;
        o.u32(380 + 12 * n).raw("Vantorquelline KxDB").fixed(name, 33).u16(512).raw("bdXk");
        o.u8(0).u8(0).u16(0);
        for (unsigned i = 0; i < 16; ++i)
            o.zeros(16).u16(128 + i);
        o.u16(143).u32(n).u32(380).zeros(16);
        return o.bytes;
    }

    Image build() const {
        const auto s = static_cast<std::uint32_t>(1 + schema.size());
        const auto n = static_cast<std::uint32_t>(s + live.size() + deleted.size());
        std::vector<Bytes> chunks;
        std::vector<DirEntry> entries(s);
        // The header chunk's size does not depend on the list offsets: lay out twice.
        std::vector<std::uint32_t> listOffsets(schema.size(), 0);
        for (int pass = 0; pass < 2; ++pass) {
            Image image;
            chunks.assign(1, headerChunk(header, s, static_cast<std::uint32_t>(live.size()),
                                         static_cast<std::uint32_t>(deleted.size()), listOffsets,
                                         &image.header));
            chunks.insert(chunks.end(), schema.begin(), schema.end());
            entries.resize(s);
            for (const Record& r : live) {
                chunks.push_back(recordChunk(r, false));
                entries.push_back({r.category, r.attributes});
            }
            for (const Record& r : deleted) {
                chunks.push_back(recordChunk(r, true));
                entries.push_back({r.category, r.attributes});
            }
            std::uint32_t at = 380 + 12 * n;
            for (const Bytes& c : chunks) {
                image.chunks.push_back(at);
                at += static_cast<std::uint32_t>(c.size());
            }
            for (std::size_t k = 0; k < schema.size(); ++k)
                listOffsets[k] = image.chunks[k + 1];
            if (pass == 0) continue;
            Out o;
            o.raw(fileHeader(n));
            for (std::size_t k = 0; k < n; ++k)
                o.u32(image.chunks[k])
                    .u32(0)
                    .u16(entries[k].category)
                    .u8(entries[k].attributes)
                    .u8(0);
            for (const Bytes& c : chunks)
                o.raw(c);
            image.bytes = std::move(o.bytes);
            return image;
        }
        return {};
    }
};

} // namespace rlv
