// The database seeds of rlv_open, made by the engine so that they follow the format as it
// is written today.

#include "fuzz/Seeds.h"

#include "engine/KxCategoryEditor.h"
#include "engine/KxItemListChunk.h"
#include "engine/KxDatabase.h"
#include "engine/KxPropertyChunk.h"
#include "engine/KxRecordHandle.h"
#include "engine/KxSearchChunk.h"

#include <cstring>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes text(const std::string& s) {
    Bytes b(s.begin(), s.end());
    b.push_back(0);
    if (b.size() % 2) b.push_back(0);
    return b;
}

template <typename T> Bytes raw(T value) {
    Bytes b(sizeof value);
    std::memcpy(b.data(), &value, sizeof value);
    return b;
}

void addField(KxDatabase& db, KxFieldType type, const std::string& label) {
    KxFieldDef field;
    field.type = type;
    field.label = label;
    if (type == KxFieldType::Calculation) field.calc = KxCalcBlock{1, 2, 3, 0};
    if (type == KxFieldType::Number) field.typeOption = 2;
    db.header().fields.push_back(field);
}

const char* const kLabels[] = {"Note", "Name", "Kind", "Count", "Price", "Due", "At", "Done", "Raw", "Total"};

// One value of every field type, by type code.
Bytes valueOfType(std::size_t type, int variant) {
    switch (type) {
    case 1: return text(variant % 2 ? "Ada" : std::string(static_cast<std::size_t>(variant % 40), 'q'));
    case 2: return text(variant % 3 ? "red" : "green");
    case 3: return raw<std::int32_t>(-42 * variant);
    case 4: return raw<double>(3.25 * variant);
    case 5: return Bytes{0xE8, 0x07, static_cast<std::uint8_t>(1 + variant % 12), 29};
    case 6: return Bytes{13, static_cast<std::uint8_t>(variant % 60), 10, 0};
    case 7: return raw<std::uint16_t>(static_cast<std::uint16_t>(variant % 2));
    case 8: return raw<std::uint32_t>(7);
    case 9: return Bytes{0, 0, 0, 0, 0, 0, 0x0C, 0x40, static_cast<std::uint8_t>(variant % 2), 0};
    default: return {};
    }
}

KxDatabase& addEveryType(KxDatabase& db) {
    for (std::uint8_t t = 0; t <= 9; ++t)
        addField(db, static_cast<KxFieldType>(t), kLabels[t]);
    db.itemListOf(1).addItem("alpha");
    db.itemListOf(1).addItem("");
    db.itemListOf(2).addItem("red");
    db.itemListOf(2).addItem("green");
    return db;
}

void addSchemaSections(KxDatabase& db, std::size_t copies) {
    KxHeaderChunk& h = db.header();
    for (std::size_t c = 0; c < copies; ++c) {
        KxFormLayout layout;
        layout.name.setText("Layout " + std::to_string(c));
        layout.items = {KxFormItem{1, 0, 0, 0, 999, 0}, KxFormItem{kNoField, 0, 0x40, 3, 999, 0},
                        KxFormItem{static_cast<std::uint8_t>(c % 10), 2, 0x180, 20, 120, 0}};
        h.layouts.push_back(layout);
        KxSortDef sort;
        sort.name.setText("Sort " + std::to_string(c));
        sort.keys = {{1, KxSortDirection::Ascending}, {static_cast<std::uint8_t>(3 + c % 6), KxSortDirection::Descending}};
        h.sortDefs.push_back(sort);
        KxListOptionsSet set;
        set.name.setText("Set " + std::to_string(c));
        set.columns = {{1, 50}, {4, 50}, {static_cast<std::uint8_t>(c % 10), 80}};
        h.listSets.push_back(set);
    }
    KxStoredSearch search;
    search.name.setText("Recent");
    search.listOptionsSet = 0;
    search.criteria = {{1, 2, "Ad"}, {kAnyField, 1, "x"}, {kCategoryField, 0, std::string(2, '\0')}};
    db.searchChunk().searches = {KxStoredSearch{}, search};
    db.searchChunk().current = 1;
    db.propertyChunk().setValue(101, "Report");
    db.propertyChunk().setNumber(102, 3);
}

void makeEmpty(const std::string& path) {
    KxDatabase db;
    db.create(path, kRolvaTypeTag, kOpenDocument | kOpenTruncate, 1);
    db.save();
}

void makeEveryType(const std::string& path) {
    KxDatabase db;
    db.create(path, kRolvaTypeTag, kOpenDocument | kOpenTruncate, 0x01020304);
    addEveryType(db);
    for (int r = 0; r < 4; ++r) {
        std::size_t position = static_cast<std::size_t>(r);
        KxRecordHandle record = db.newRecord(position, true);
        for (std::size_t f = 0; f < 10; ++f)
            if ((f + static_cast<std::size_t>(r)) % 3 != 0) record.setRawValue(f, valueOfType(f, 1));
        record.setCategory(static_cast<std::uint16_t>(r));
    }
    db.deleteRecord(3);
    db.removeRecord(0);
    addSchemaSections(db, 1);
    db.save();
}

// Every section at or near its limit: ten layouts, fifteen sort definitions and list
// sets, every category named, deleted and removed records.
void makeEverySection(const std::string& path) {
    KxDatabase db;
    db.create(path, kRolvaTypeTag, kOpenDocument | kOpenTruncate, 0x0BADCAFE);
    addEveryType(db);
    addSchemaSections(db, KxHeaderChunk::kMaxLayouts);
    for (std::size_t c = KxHeaderChunk::kMaxLayouts; c < KxHeaderChunk::kMaxSortDefs; ++c) {
        db.header().sortDefs.push_back(db.header().sortDefs.front());
        db.header().listSets.push_back(db.header().listSets.front());
    }
    KxCategoryEditor categories(db);
    for (std::size_t slot = 1; slot < KxCategoryEditor::kSlots; ++slot)
        categories.setCategoryName(slot, "Category " + std::to_string(slot));
    for (int r = 0; r < 64; ++r) {
        std::size_t position = db.liveCount();
        KxRecordHandle record = db.newRecord(position, false);
        for (std::size_t f = 1; f < 10; ++f)
            if ((f * 7 + static_cast<std::size_t>(r)) % 5 != 0) record.setRawValue(f, valueOfType(f, r));
        record.setCategory(static_cast<std::uint16_t>(r % 16));
    }
    for (int i = 0; i < 6; ++i) db.deleteRecord(static_cast<std::size_t>(i) * 3);
    db.disposeRecord(0);
    db.removeRecord(0);
    db.save();
}

// Many records, so that the walks and the save see files of a realistic size.
void makeManyRecords(const std::string& path, std::int32_t records) {
    KxDatabase db;
    db.create(path, kRolvaTypeTag, kOpenDocument | kOpenTruncate, 9);
    addEveryType(db);
    for (std::int32_t i = 0; i < records; ++i) {
        std::size_t position = db.liveCount();
        KxRecordHandle record = db.newRecord(position, false);
        for (std::size_t f = 1; f < 10; ++f)
            if ((f + static_cast<std::size_t>(i)) % 4 != 0) record.setRawValue(f, valueOfType(f, i));
        record.setCategory(static_cast<std::uint16_t>(i % 3));
    }
    for (int i = 0; i < 5; ++i)
        db.deleteRecord(0);
    for (int i = 0; i < 3; ++i)
        db.disposeRecord(0);
    db.save();
}

} // namespace

void writeDatabaseSeeds(const SeedDirectory& seeds) {
    makeEmpty(seeds.path("rlv_open", "empty.rlv"));
    makeEveryType(seeds.path("rlv_open", "every_type.rlv"));
    makeEverySection(seeds.path("rlv_open", "every_section.rlv"));
    makeManyRecords(seeds.path("rlv_open", "many_records.rlv"), 40);
    makeManyRecords(seeds.path("rlv_open", "thousands_of_records.rlv"), 2000);
}
