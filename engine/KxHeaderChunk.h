#pragma once
// The header chunk: database settings, the schema (field definitions), form layouts, sort
// definitions and list options sets. Always the first chunk of the file.

#include "engine/KxChunk.h"
#include "engine/FieldType.h"

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

    // Byte offsets inside the fixed part (after the size and the tag).
    static constexpr std::size_t kVersionAt = 6;          // u16
    static constexpr std::size_t kAttributesAt = 8;       // u16
    static constexpr std::size_t kStampAt = 10;           // u32, modification stamp
    static constexpr std::size_t kCurrentRecordAt = 14;   // i32, -1 for none
    static constexpr std::size_t kCurrentCategoryAt = 18; // u16, 255 for all
    static constexpr std::size_t kFieldCountAt = 20;      // u8
    static constexpr std::size_t kLayoutCountAt = 21;     // u8
    static constexpr std::size_t kCurrentLayoutAt = 22;   // u8
    static constexpr std::size_t kSortCountAt = 23;       // u8
    static constexpr std::size_t kListSetCountAt = 25;    // u8
    static constexpr std::size_t kCurrentListSetAt = 26;  // u8
    static constexpr std::size_t kSchemaCountAt = 28;     // u32, chunks before the records
    static constexpr std::size_t kLiveCountAt = 32;       // u32
    static constexpr std::size_t kDeletedCountAt = 36;    // u32
    // u32 offsets, from the chunk's start, of the four sections, one after another.
    static constexpr std::size_t kFieldSectionAt = 40;
    static constexpr std::size_t kLayoutSectionAt = 44;
    static constexpr std::size_t kSortSectionAt = 48;
    static constexpr std::size_t kListSetSectionAt = 52;
    static constexpr std::size_t kSectionCount = 4;

    // Inside a section entry, each of which begins with its own u32 size.
    static constexpr std::size_t kEntryNameAt = 4;       // 21-byte name (layout, sort, set)
    static constexpr std::size_t kFieldTypeAt = 4;       // u8
    static constexpr std::size_t kFieldReservedAt = 5;   // u8
    static constexpr std::size_t kFieldOptionAt = 6;     // u32
    static constexpr std::size_t kFieldLabelAt = 10;     // u32, offset of the label
    static constexpr std::size_t kElementCountAt = 25;   // u8 (layout, sort definition)
    static constexpr std::size_t kElementTableAt = 26;   // u32 (layout, sort definition)
    static constexpr std::size_t kSetSortDefAt = 25;     // u8 (list options set)
    static constexpr std::size_t kSetColumnCountAt = 26; // u8
    static constexpr std::size_t kSetReservedAt = 27;    // u8
    static constexpr std::size_t kSetColumnTableAt = 28; // u32
    static constexpr std::uint32_t kFormItemSize = 12;
    static constexpr std::uint32_t kSortKeySize = 2;
    static constexpr std::uint32_t kColumnSize = 2;

    KxHeaderChunk();
    // Builds the chunk from its bytes; throws Damaged (11) or NewerVersion (34).
    static std::unique_ptr<KxHeaderChunk> load(const kx::ByteReader& in);

    std::uint32_t byteSize() const override;
    void write(kx::ByteWriter& out) const override;

    std::uint16_t version() const { return u16(kVersionAt); }
    std::uint16_t attributes() const { return u16(kAttributesAt); }
    void setAttributes(std::uint16_t a) { setU16(kAttributesAt, a); }
    std::uint32_t modificationStamp() const { return u32(kStampAt); }
    void setModificationStamp(std::uint32_t v) { setU32(kStampAt, v); }
    std::int32_t currentRecord() const { return static_cast<std::int32_t>(u32(kCurrentRecordAt)); }
    void setCurrentRecord(std::int32_t v) {
        setU32(kCurrentRecordAt, static_cast<std::uint32_t>(v));
    }
    std::uint16_t currentCategory() const { return u16(kCurrentCategoryAt); }
    void setCurrentCategory(std::uint16_t v) { setU16(kCurrentCategoryAt, v); }
    std::uint8_t currentLayout() const { return fixed_[kCurrentLayoutAt]; }
    void setCurrentLayout(std::uint8_t v) { fixed_[kCurrentLayoutAt] = v; }
    std::uint8_t currentListSet() const { return fixed_[kCurrentListSetAt]; }
    void setCurrentListSet(std::uint8_t v) { fixed_[kCurrentListSetAt] = v; }
    std::uint32_t schemaCount() const { return u32(kSchemaCountAt); }
    void setSchemaCount(std::uint32_t v) { setU32(kSchemaCountAt, v); }
    std::uint32_t liveCount() const { return u32(kLiveCountAt); }
    void setLiveCount(std::uint32_t v) { setU32(kLiveCountAt, v); }
    std::uint32_t deletedCount() const { return u32(kDeletedCountAt); }
    void setDeletedCount(std::uint32_t v) { setU32(kDeletedCountAt, v); }

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
