// Writes the seed files of the rlv_open fuzz target: small databases, made by the engine
// itself, that between them use every chunk kind, every field type and every section of the
// header chunk. Usage: make_seeds <directory>

#include "ItemListChunk.h"
#include "KxDatabase.h"
#include "PropertyChunk.h"
#include "RecordHandle.h"
#include "SearchChunk.h"

#include <cstdio>
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

void makeEmpty(const std::string& path) {
    KxDatabase db;
    db.create(path, kRolvaTypeTag, kOpenDocument | kOpenTruncate, 1);
    db.save();
}

void makeEveryType(const std::string& path) {
    KxDatabase db;
    db.create(path, kRolvaTypeTag, kOpenDocument | kOpenTruncate, 0x01020304);
    const char* labels[] = {"Note", "Name", "Kind", "Count", "Price",
                            "Due",  "At",   "Done", "Raw",   "Total"};
    for (std::uint8_t t = 0; t <= 9; ++t)
        addField(db, static_cast<KxFieldType>(t), labels[t]);
    db.itemListOf(1).addItem("alpha");
    db.itemListOf(1).addItem("");
    db.itemListOf(2).addItem("red");
    db.itemListOf(2).addItem("green");

    const std::vector<Bytes> values = {
        {},
        text("Ada"),
        text("red"),
        raw<std::int32_t>(-42),
        raw<double>(3.25),
        Bytes{0xE8, 0x07, 2, 29},
        Bytes{13, 45, 10, 0},
        raw<std::uint16_t>(1),
        raw<std::uint32_t>(7),
        Bytes{0, 0, 0, 0, 0, 0, 0x0C, 0x40, 0, 0},
    };
    for (int r = 0; r < 4; ++r) {
        std::size_t position = static_cast<std::size_t>(r);
        KxRecordHandle record = db.newRecord(position, true);
        for (std::size_t f = 0; f < values.size(); ++f)
            if ((f + static_cast<std::size_t>(r)) % 3 != 0) record.setRawValue(f, values[f]);
        record.setCategory(static_cast<std::uint16_t>(r));
    }
    db.deleteRecord(3);
    db.removeRecord(0);

    KxHeaderChunk& h = db.header();
    KxFormLayout layout;
    layout.name.setText("Layout");
    layout.items = {KxFormItem{1, 0, 0, 0, 999, 0}, KxFormItem{kNoField, 0, 0x40, 3, 999, 0}};
    h.layouts.push_back(layout);
    KxSortDef sort;
    sort.name.setText("By name");
    sort.keys = {{1, KxSortDirection::Ascending}, {3, KxSortDirection::Descending}};
    h.sortDefs.push_back(sort);
    KxListOptionsSet set;
    set.name.setText("Default");
    set.columns = {{1, 50}, {4, 50}};
    h.listSets.push_back(set);

    KxStoredSearch search;
    search.name.setText("Recent");
    search.listOptionsSet = 0;
    search.criteria = {
        {1, 2, "Ad"}, {kAnyField, 1, "x"}, {kCategoryField, 0, std::string(2, '\0')}};
    db.searchChunk().searches = {KxStoredSearch{}, search};
    db.searchChunk().current = 1;
    db.propertyChunk().setValue(101, "Report");
    db.propertyChunk().setNumber(102, 3);
    db.save();
}

void makeManyRecords(const std::string& path) {
    KxDatabase db;
    db.create(path, kRolvaTypeTag, kOpenDocument | kOpenTruncate, 9);
    addField(db, KxFieldType::Text, "Word");
    addField(db, KxFieldType::Integer, "N");
    for (std::int32_t i = 0; i < 40; ++i) {
        std::size_t position = 1000;
        KxRecordHandle record = db.newRecord(position, false);
        record.setRawValue(0, text(std::string(static_cast<std::size_t>(i % 5), 'w')));
        record.setRawValue(1, raw(i));
    }
    for (int i = 0; i < 5; ++i)
        db.deleteRecord(0);
    for (int i = 0; i < 3; ++i)
        db.disposeRecord(0);
    db.save();
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <directory>\n", argv[0]);
        return 2;
    }
    const std::string dir = argv[1];
    try {
        makeEmpty(dir + "/empty.rlv");
        makeEveryType(dir + "/every_type.rlv");
        makeManyRecords(dir + "/many_records.rlv");
    } catch (const KxDbError& e) {
        std::fprintf(stderr, "make_seeds: engine error %u\n", kxCode(e));
        return 1;
    }
    return 0;
}
