#pragma once
// Reads the schema back out of a saved database file's bytes, without the engine: the field
// definitions and the current form layout's items, as the header chunk holds them.

#include "engine/Bytes.h"
#include "tests/support/TestFiles.h"

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

struct FieldBytes {
    std::uint8_t type = 0;
    std::uint32_t option = 0;
    std::string label;
    bool calc = false;
    std::uint8_t op = 0, first = 0, second = 0;
};

struct FormItemBytes {
    std::uint8_t field = 0;
    std::uint16_t flags = 0;
};

struct SchemaBytes {
    std::vector<FieldBytes> fields;
    std::size_t layoutCount = 0;
    std::vector<FormItemBytes> items; // of the current layout

    explicit SchemaBytes(const std::string& path) {
        const auto bytes = readFileBytes(path);
        std::size_t h = 380;
        for (; h + 8 < bytes.size(); ++h)
            if (bytes[h + 4] == 'D' && bytes[h + 5] == 'H' && bytes[h + 6] == 0 && bytes[h + 7] == 2) break;
        if (h + 76 > bytes.size()) throw std::runtime_error("no header chunk");
        const std::uint8_t* p = bytes.data() + h;
        const std::size_t fieldCount = p[20];
        layoutCount = p[21];
        const std::size_t current = p[22];
        std::size_t at = kx::le32(p + 40);
        for (std::size_t i = 0; i < fieldCount; ++i) {
            const std::uint32_t size = kx::le32(p + at);
            FieldBytes f;
            f.type = p[at + 4];
            f.option = kx::le32(p + at + 6);
            f.calc = f.type == 9;
            const std::size_t labelEnd = at + size - (f.calc ? 8 : 0);
            f.label.assign(reinterpret_cast<const char*>(p + at + 14), labelEnd - at - 14);
            if (!f.label.empty() && f.label.back() == '\0') f.label.pop_back();
            if (f.calc) {
                f.op = p[labelEnd + 4];
                f.first = p[labelEnd + 5];
                f.second = p[labelEnd + 6];
            }
            fields.push_back(f);
            at += size;
        }
        at = kx::le32(p + 44);
        for (std::size_t l = 0; l < layoutCount; ++l) {
            const std::uint32_t size = kx::le32(p + at);
            if (l == current) {
                const std::size_t count = p[at + 25];
                const std::size_t first = at + kx::le32(p + at + 26);
                for (std::size_t i = 0; i < count; ++i)
                    items.push_back({p[first + 12 * i], kx::le16(p + first + 12 * i + 2)});
            }
            at += size;
        }
    }

    std::vector<std::string> labels() const {
        std::vector<std::string> out;
        for (const auto& f : fields) out.push_back(f.label);
        return out;
    }
    std::vector<std::uint8_t> formFields() const {
        std::vector<std::uint8_t> out;
        for (const auto& i : items) out.push_back(i.field);
        return out;
    }
};
