// The exact bytes the engine writes: file header, directory and every chunk kind, compared
// with files laid out independently by the byte builder. Every file written here must also
// open again and save to the same bytes.

#include "tests/support/EngineTestSupport.h"
#include "tests/support/RlvBuilder.h"
#include "tests/support/TestFiles.h"

#include "engine/KxItemListChunk.h"
#include "engine/KxPropertyChunk.h"
#include "engine/KxRecordHandle.h"
#include "engine/KxSearchChunk.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

using rlv::Bytes;

constexpr std::uint32_t kNow = 1'700'000'000;
constexpr std::uint32_t kUser = 0x0A0B0C0D;

Bytes slice(const Bytes& b, std::size_t from, std::size_t n) {
    return Bytes(b.begin() + static_cast<std::ptrdiff_t>(from),
                 b.begin() + static_cast<std::ptrdiff_t>(from + n));
}

// Opening a saved file and saving it again rewrites the very same bytes.
void expectSavesTheSameAfterReopen(const std::string& path) {
    const Bytes before = readFileBytes(path);
    KxDatabase db;
    db.open(path, kOpenDocument, kUser);
    db.save();
    EXPECT_TRUE(sameBytes(readFileBytes(path), before));
}

TEST(ContainerLayout, NewEmptyDatabaseIsHeaderDirectoryAndThreeChunks) {
    TempDir dir;
    const std::string path = dir.file("empty.rlv");
    KxDatabase db;
    db.create(path, "bdXk", kOpenDocument, kUser);
    EXPECT_EQ(std::filesystem::file_size(path), 0u) << "create writes nothing";
    db.save();
    const Bytes file = readFileBytes(path);
    ASSERT_EQ(file.size(), 518u);

    Bytes header(380, 0);
    header[0] = 0xA0, header[1] = 0x01; // 380 + 3 × 12
    const std::string signature = "Vantorquelline KxDB";
    std::copy(signature.begin(), signature.end(), header.begin() + 4);
    const std::string name = "empty";
    std::copy(name.begin(), name.end(), header.begin() + 23);
    header[56] = 0x00, header[57] = 0x02;
    header[58] = 'b', header[59] = 'd', header[60] = 'X', header[61] = 'k';
    for (int i = 0; i < 16; ++i)
        header[66 + 18 * i + 16] = static_cast<std::uint8_t>(128 + i);
    header[354] = 143;
    header[356] = 3;
    header[360] = 0x7C, header[361] = 0x01;
    EXPECT_EQ(slice(file, 0, 380), header);

    const Bytes directory = {
        0xA0, 0x01, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, // 416: the header chunk
        0xEC, 0x01, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, // 492: the removal log
        0xFA, 0x01, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, // 506: the saved searches
    };
    EXPECT_EQ(slice(file, 380, 36), directory);

    Bytes chunks = {
        76, 0, 0, 0, 'D',  'H',  0x00, 0x02, 24,  0,       // size, tag, version 512, attributes
        0,  0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 255, 0,       // stamp, no current record, All
        0,  0, 0, 0, 0,    0,    0,    0,                  // no fields, layouts, sort defs, sets
        3,  0, 0, 0, 0,    0,    0,    0,    0,   0, 0, 0, // three schema chunks, no records
        76, 0, 0, 0, 76,   0,    0,    0,    76,  0, 0, 0, 76, 0, 0, 0, // four empty sections
    };
    chunks.resize(76, 0);
    const Bytes log = {14, 0, 0, 0, 'L', 'D', 0, 0, 0, 0, 14, 0, 0, 0};
    const Bytes searches = {12, 0, 0, 0, 'S', 'S', 0, 0, 12, 0, 0, 0};
    chunks.insert(chunks.end(), log.begin(), log.end());
    chunks.insert(chunks.end(), searches.begin(), searches.end());
    EXPECT_EQ(slice(file, 416, 102), chunks);

    // The builder that lays out every other expected file agrees with these bytes.
    rlv::File expected;
    expected.name = "empty";
    EXPECT_TRUE(sameBytes(file, expected.build().bytes));
    db.close(true);
    expectSavesTheSameAfterReopen(path);
}

// One field of every type, labels of odd and even length, text values of odd and even
// length, two live records and a deleted one.
TEST(ContainerLayout, FieldsOfEveryTypeAndRecords) {
    FixedClock clock(kNow);
    TempDir dir;
    const std::string path = dir.file("types.rlv");
    KxDatabase db;
    db.create(path, "bdXk", kOpenDocument, kUser);
    appendField(db, KxFieldType::LabelOnly, "");
    appendField(db, KxFieldType::Text, "Name");
    appendField(db, KxFieldType::MultipleChoice, "Color");
    appendField(db, KxFieldType::Integer, "Qty");
    appendField(db, KxFieldType::Number, "Price", 2);
    appendField(db, KxFieldType::Date, "Due");
    appendField(db, KxFieldType::Time, "At");
    appendField(db, KxFieldType::Checkbox, "Done");
    appendField(db, KxFieldType::Unnamed, "Raw");
    appendField(db, KxFieldType::Calculation, "Total");
    db.header().fields[9].calc = KxCalcBlock{1, 3, 4, 0};

    const std::vector<Bytes> full = {
        {},
        rlv::textValue("abc"),
        rlv::textValue("ab"),
        rlv::int32Value(-5),
        rlv::doubleValue(2.5),
        rlv::dateValue(2024, 2, 29),
        rlv::timeValue(23, 59, 58),
        rlv::checkboxValue(true),
        Bytes{1, 2, 3, 4},
        rlv::calcValue(7.5, 0),
    };
    std::vector<Bytes> sparse(10);
    sparse[1] = rlv::textValue("abcd");
    std::vector<Bytes> deleted(10);
    deleted[1] = rlv::textValue("x");

    std::size_t position = 0;
    {
        KxRecordHandle a = db.newRecord(position, true);
        for (std::size_t f = 0; f < full.size(); ++f)
            a.setRawValue(f, full[f]);
    }
    position = 1;
    db.newRecord(position, true).setRawValue(1, sparse[1]);
    db.record(1, true).setCategory(3);
    position = 2;
    {
        KxRecordHandle c = db.newRecord(position, true);
        c.setRawValue(1, deleted[1]);
        c.setCategory(15);
    }
    EXPECT_EQ(db.deleteRecord(2), 0u);
    db.save();

    const std::uint16_t seq = db.identityOf(0).sequence;
    const auto record = [&](std::uint16_t n, std::vector<Bytes> values, std::uint16_t category) {
        return rlv::Record{{kUser, kNow, static_cast<std::uint16_t>(seq + n)},
                           kNow,
                           std::move(values),
                           category,
                           0x50};
    };
    rlv::File expected;
    expected.name = "types";
    expected.header.fields = {
        {0, ""},    {1, "Name"}, {2, "Color"}, {3, "Qty"}, {4, "Price", 2},
        {5, "Due"}, {6, "At"},   {7, "Done"},  {8, "Raw"}, {9, "Total", 0, {}, {1, 3, 4, 0}}};
    expected.live = {record(0, full, 0), record(1, sparse, 3)};
    expected.deleted = {record(2, deleted, 15)};
    EXPECT_TRUE(sameBytes(readFileBytes(path), expected.build().bytes));
    db.close(true);
    expectSavesTheSameAfterReopen(path);
}

TEST(ContainerLayout, ItemListsAreWrittenAndReferencedByFileOffset) {
    TempDir dir;
    const std::string path = dir.file("lists.rlv");
    {
        KxDatabase db;
        db.create(path, "bdXk", kOpenDocument, kUser);
        appendField(db, KxFieldType::Text, "Odd");
        appendField(db, KxFieldType::MultipleChoice, "Even");
        db.itemListOf(0).addItem("alpha");
        db.itemListOf(0).addItem("");
        db.itemListOf(0).addItem("be");
        db.itemListOf(1).addItem("red");
        db.save();
    }
    rlv::File expected;
    expected.name = "lists";
    expected.header.fields = {{1, "Odd", 0, 2}, {2, "Even", 0, 3}};
    expected.schema.push_back(rlv::itemListChunk("FF", 0, {"alpha", "", "be"}));
    expected.schema.push_back(rlv::itemListChunk("CM", 1, {"red"}));
    const rlv::Image image = expected.build();
    EXPECT_TRUE(sameBytes(readFileBytes(path), image.bytes));
    EXPECT_EQ(image.get32(image.field(0) + 6), image.chunk(3)); // the reference is an offset

    KxDatabase db;
    db.open(path, kOpenReadShared, 0);
    ASSERT_EQ(db.itemListOf(0).itemCount(), 3u);
    EXPECT_EQ(db.itemListOf(0).itemText(1), "");
    EXPECT_EQ(db.itemListOf(1).itemText(0), "red");
    db.close(true);
    expectSavesTheSameAfterReopen(path);
}

TEST(ContainerLayout, RemovalLogPropertyMapAndSavedSearches) {
    FixedClock clock(kNow);
    TempDir dir;
    const std::string path = dir.file("small.rlv");
    KxDatabase db;
    db.create(path, "bdXk", kOpenDocument, kUser);
    appendField(db, KxFieldType::Text, "T");
    for (std::size_t i = 0; i < 3; ++i) {
        std::size_t position = i;
        db.newRecord(position, false);
    }
    const KxRecordIdentity first = db.identityOf(0);
    const KxRecordIdentity last = db.identityOf(2);
    db.removeRecord(0);
    db.deleteRecord(1);
    db.disposeRecord(0);

    db.propertyChunk().setValue(201, "Header");
    db.propertyChunk().setNumber(102, -3);
    db.propertyChunk().setValue(101, "");

    KxStoredSearch search;
    search.name.setText("Recent");
    search.criteria = {
        {0, 2, "ab"}, {kAnyField, 1, ""}, {kCategoryField, 0, std::string("\x03\x00", 2)}};
    db.searchChunk().searches = {KxStoredSearch{}, search};
    db.searchChunk().current = 1;
    db.save();

    rlv::File expected;
    expected.name = "small";
    expected.header.fields = {{1, "T"}};
    expected.live = {rlv::Record{
        {kUser, kNow, static_cast<std::uint16_t>(first.sequence + 1)}, kNow, {{}}, 0, 0x50}};
    expected.schema = {
        rlv::removalLogChunk({{kUser, kNow, first.sequence}, {kUser, kNow, last.sequence}}),
        rlv::searchChunk(
            {{},
             {"Recent", 255, {{0, 2, "ab"}, {255, 1, ""}, {254, 0, std::string("\x03\x00", 2)}}}},
            1),
        rlv::propertyChunk({{101, ""}, {102, "-3"}, {201, "Header"}}),
    };
    EXPECT_TRUE(sameBytes(readFileBytes(path), expected.build().bytes));
    db.close(true);
    expectSavesTheSameAfterReopen(path);
}

TEST(ContainerLayout, BusyRecordIsWrittenFreeAndOpensFree) {
    TempDir dir;
    const std::string path = dir.file("busy.rlv");
    KxDatabase db;
    db.create(path, "bdXk", kOpenDocument, kUser);
    std::size_t position = 0;
    KxRecordHandle held = db.newRecord(position, true);
    ASSERT_EQ(held.attributes(), kAttrBusy | kAttrDirty | kAttrFound);
    db.save();
    EXPECT_EQ(readFileBytes(path).at(380 + 12 * 3 + 10), kAttrDirty | kAttrFound);
    EXPECT_TRUE(held.attributes() & kAttrBusy) << "the record stays held in memory";

    KxDatabase other;
    other.open(path, kOpenReadShared, 0);
    EXPECT_EQ(other.record(0, false).attributes(), kAttrDirty | kAttrFound);
}

TEST(ContainerLayout, BusyBitFoundInAFileIsCleared) {
    TempDir dir;
    rlv::File file;
    file.live = {rlv::Record{{1, 2, 3}, 2, {}, 7, kAttrBusy | kAttrReserved | kAttrDirty}};
    writeFileBytes(dir.file("db.rlv"), file.build().bytes);
    KxDatabase db;
    db.open(dir.file("db.rlv"), kOpenDocument, kUser);
    EXPECT_EQ(db.record(0, false).attributes(), kAttrReserved | kAttrDirty);
    {
        KxRecordHandle held = db.record(0, true);
        EXPECT_TRUE(held.attributes() & kAttrBusy);
    }
    EXPECT_EQ(db.record(0, false).attributes(), kAttrReserved | kAttrDirty);
    EXPECT_EQ(db.record(0, false).category(), 7);
}

TEST(ContainerLayout, OlderVersionOpensAndIsSavedAsCurrent) {
    TempDir dir;
    const std::string path = dir.file("old.rlv");
    rlv::File old;
    old.header.version = 256;
    rlv::Image image = old.build();
    writeFileBytes(path, image.bytes);

    KxDatabase db;
    db.open(path, kOpenDocument, kUser);
    EXPECT_EQ(db.header().version(), 512);
    db.save();
    image.put16(image.chunk(0) + 6, 512);
    EXPECT_TRUE(sameBytes(readFileBytes(path), image.bytes));
}

} // namespace
