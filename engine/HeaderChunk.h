#pragma once
// The header chunk: database settings, the schema (field definitions), form layouts, sort
// definitions and list options sets. Always the first chunk of the file.

#include "Chunk.h"
#include "FieldType.h"

#include <optional>
#include <vector>

class KxItemListChunk;

// Display flags of a form item.
inline constexpr std::uint16_t kFlagHideSeconds = 0x40;
inline constexpr std::uint16_t kFlagThousands = 0x80;
inline constexpr std::uint16_t kFlagCurrency = 0x100;

// Database attributes.
inline constexpr std::uint16_t kAttrModified = 0x01;
inline constexpr std::uint16_t kAttrHandheldReadOnly = 0x02;
inline constexpr std::uint16_t kAttrSearchResults = 0x04;
inline constexpr std::uint16_t kAttrEditableCheckboxes = 0x40;
inline constexpr std::uint16_t kAttrReadOnlyMode = 0x80;

inline constexpr std::uint8_t kNoField = 255;
inline constexpr std::uint8_t kAnyField = 255;      // in a search criterion
inline constexpr std::uint8_t kCategoryField = 254; // in a search criterion

struct KxCalcBlock {
    std::uint8_t op = 4;
    std::uint8_t first = kNoField;
    std::uint8_t second = kNoField;
    std::uint8_t reserved = 0;
};

struct KxFieldDef {
    KxFieldType type = KxFieldType::LabelOnly;
    std::uint8_t reserved = 0;
    // Text and Multiple Choice: file offset of the item list (rewritten on save);
    // Number and Calculation: decimal places shown.
    std::uint32_t typeOption = 0;
    std::string label;
    std::optional<KxCalcBlock> calc;         // Calculation fields only
    KxItemListChunk* itemList = nullptr;     // owned by the directory

    std::uint32_t byteSize() const;
};

struct KxFormItem {
    std::uint8_t field = kNoField;
    std::uint8_t reserved = 0;
    std::uint16_t flags = 0;
    std::uint16_t value1 = 0;
    std::uint16_t value2 = 999;
    std::uint32_t reserved2 = 0;
};

struct KxFormLayout {
    KxName21 name;
    std::vector<KxFormItem> items;
};

enum class KxSortDirection : std::uint8_t { None = 0, Ascending = 1, Descending = 2 };

struct KxSortKey {
    std::uint8_t field = 0;
    KxSortDirection direction = KxSortDirection::None;
};

struct KxSortDef {
    KxName21 name;
    std::vector<KxSortKey> keys;
};

struct KxListColumn {
    std::uint8_t field = 0;
    std::uint8_t width = 0; // percent of the list's width
};

struct KxListOptionsSet {
    KxName21 name;
    std::uint8_t sortDef = 0;
    std::uint8_t reserved = 0;
    std::vector<KxListColumn> columns;
};

class KxHeaderChunk : public KxChunk {
public:
    static constexpr std::uint32_t kFixedSize = 76;
    static constexpr std::uint16_t kVersion = 512;
    static constexpr std::size_t kMaxFields = 250;
    static constexpr std::size_t kMaxLayouts = 10;
    static constexpr std::size_t kMaxSortDefs = 15;
    static constexpr std::size_t kMaxListSets = 15;
    static constexpr std::size_t kMaxFormItems = 255;
    static constexpr std::size_t kMaxKeys = 250;

    KxHeaderChunk();
    // Builds the chunk from its bytes; throws Damaged (11) or NewerVersion (34).
    static std::unique_ptr<KxHeaderChunk> load(const kx::ByteReader& in);

    std::uint32_t byteSize() const override;
    void write(kx::ByteWriter& out) const override;

    std::uint16_t version() const { return u16(6); }
    std::uint16_t attributes() const { return u16(8); }
    void setAttributes(std::uint16_t a) { setU16(8, a); }
    std::uint32_t modificationStamp() const { return u32(10); }
    void setModificationStamp(std::uint32_t v) { setU32(10, v); }
    std::int32_t currentRecord() const { return static_cast<std::int32_t>(u32(14)); }
    void setCurrentRecord(std::int32_t v) { setU32(14, static_cast<std::uint32_t>(v)); }
    std::uint16_t currentCategory() const { return u16(18); }
    void setCurrentCategory(std::uint16_t v) { setU16(18, v); }
    std::uint8_t currentLayout() const { return fixed_[22]; }
    void setCurrentLayout(std::uint8_t v) { fixed_[22] = v; }
    std::uint8_t currentListSet() const { return fixed_[26]; }
    void setCurrentListSet(std::uint8_t v) { fixed_[26] = v; }
    std::uint32_t schemaCount() const { return u32(28); }
    void setSchemaCount(std::uint32_t v) { setU32(28, v); }
    std::uint32_t liveCount() const { return u32(32); }
    void setLiveCount(std::uint32_t v) { setU32(32, v); }
    std::uint32_t deletedCount() const { return u32(36); }
    void setDeletedCount(std::uint32_t v) { setU32(36, v); }

    std::vector<KxFieldDef> fields;
    std::vector<KxFormLayout> layouts;
    std::vector<KxSortDef> sortDefs;
    std::vector<KxListOptionsSet> listSets;

private:
    std::uint16_t u16(std::size_t at) const { return kx::le16(fixed_.data() + at); }
    std::uint32_t u32(std::size_t at) const { return kx::le32(fixed_.data() + at); }
    void setU16(std::size_t at, std::uint16_t v) { kx::putLe16(fixed_.data() + at, v); }
    void setU32(std::size_t at, std::uint32_t v) { kx::putLe32(fixed_.data() + at, v); }

    // The fixed part as read; bytes the program does not interpret are written back as read.
    std::array<std::uint8_t, kFixedSize> fixed_{};
};

// The size of a layout, sort definition or list options set as written.
std::uint32_t kxByteSize(const KxFormLayout& l);
std::uint32_t kxByteSize(const KxSortDef& d);
std::uint32_t kxByteSize(const KxListOptionsSet& s);
