// Every check that open makes on a file, each reached by one change to a file that otherwise
// opens: the code it gives, and that a refused file leaves the database closed.

#include "tests/support/EngineTestSupport.h"
#include "tests/support/RlvBuilder.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using rlv::Bytes;
using rlv::Image;

// Directory: 0 header, 1 removal log, 2 saved searches, 3 "FF" of field 0, 4 "CM" of field 1,
// 5 property map, 6 and 7 live records, 8 a deleted record.
constexpr std::size_t kLog = 1, kSearches = 2, kTextList = 3, kChoiceList = 4, kProperties = 5,
                      kFirstRecord = 6, kDeletedRecord = 8;
constexpr std::uint32_t kFields = 4;

rlv::File wellFormed() {
    rlv::File f;
    f.header.fields = {
        {1, "Name", 0, 2}, {2, "Kind", 0, 3}, {3, "N"}, {9, "Sum", 0, {}, {1, 2, 2, 0}}};
    f.header.layouts = {{"Form", {{0}, {1}, {255}}}};
    f.header.sortDefs = {{"Sort", {{0, 1}}}};
    f.header.listSets = {{"List", 0, {{0, 50}, {2, 50}}}};
    f.schema = {
        rlv::removalLogChunk({{1, 2, 3}}),
        rlv::searchChunk(
            {{"", 255, {}},
             {"Find", 0, {{0, 2, "ab"}, {255, 1, "x"}, {254, 0, std::string("\x01\x00", 2)}}}},
            1),
        rlv::itemListChunk("FF", 0, {"a", "bc"}),
        rlv::itemListChunk("CM", 1, {"x"}),
        rlv::propertyChunk({{101, "P"}}),
    };
    const std::vector<Bytes> values = {rlv::textValue("ab"), rlv::textValue("x"),
                                       rlv::int32Value(5), rlv::calcValue(2, 0)};
    f.live = {{{1, 100, 1}, 100, values, 1, 0x40},
              {{1, 100, 2}, 100, {{}, {}, rlv::int32Value(6), {}}, 15, 0}};
    f.deleted = {{{1, 100, 3}, 100, {rlv::textValue("gone"), {}, {}, {}}, 0, 0x10}};
    return f;
}

// Offsets inside the saved-search chunk: search 1 and its first criterion.
constexpr std::uint32_t kSecondSearch = 12 + 32;
constexpr std::uint32_t kFirstCriterion = kSecondSearch + 32;

struct DamageCase {
    const char* name;
    std::function<void(Image&)> damage;
    KxDbError code;
};

void PrintTo(const DamageCase& c, std::ostream* out) {
    *out << c.name;
}

class ContainerDamage : public ::testing::TestWithParam<DamageCase> {};

TEST(ContainerDamageBase, WellFormedFileOpens) {
    TempDir dir;
    writeFileBytes(dir.file("db.rlv"), wellFormed().build().bytes);
    KxDatabase db;
    db.open(dir.file("db.rlv"), kOpenReadShared, 0);
    EXPECT_EQ(db.directorySize(), 9u);
    EXPECT_EQ(db.liveCount(), 2u);
    EXPECT_EQ(db.deletedCount(), 1u);
}

TEST_P(ContainerDamage, IsRefusedWithItsCode) {
    TempDir dir;
    Image image = wellFormed().build();
    GetParam().damage(image);
    writeFileBytes(dir.file("db.rlv"), image.bytes);
    KxDatabase db;
    EXPECT_EQ(thrownBy([&] { db.open(dir.file("db.rlv"), kOpenDocument, 0); }), GetParam().code);
    EXPECT_FALSE(db.isOpen());
    EXPECT_EQ(db.directorySize(), 0u);
}

const KxDbError k11 = KxDbError::Damaged;

// The file header and the directory.
INSTANTIATE_TEST_SUITE_P(
    FileHeader, ContainerDamage,
    ::testing::Values(
        DamageCase{"shorter than the file header", [](Image& i) { i.bytes.resize(379); }, k11},
        DamageCase{"header size below 380", [](Image& i) { i.put32(0, 379); }, k11},
        DamageCase{"signature", [](Image& i) { i.put8(22, 'b'); }, k11},
        DamageCase{"type tag", [](Image& i) { i.put8(61, 'K'); }, k11},
        DamageCase{"directory offset", [](Image& i) { i.put32(360, 392); }, k11},
        DamageCase{"header size and chunk count disagree", [](Image& i) { i.put32(356, 8); }, k11},
        DamageCase{"no chunks", [](Image& i) { i.put32(0, 380).put32(356, 0); }, k11},
        DamageCase{"more directory entries than 16384",
                   [](Image& i) {
                       i.put32(0, 380 + 12 * 16385).put32(356, 16385);
                       i.bytes.resize(380 + 12 * 16385 + 100000);
                   },
                   k11},
        DamageCase{"directory cut short", [](Image& i) { i.bytes.resize(i.entry(8) + 11); }, k11},
        DamageCase{"directory category above 15", [](Image& i) { i.put16(i.entry(6) + 8, 16); },
                   k11}),
    NameFromDescription());

// Where chunks lie and how large they are.
INSTANTIATE_TEST_SUITE_P(
    ChunkPlacement, ContainerDamage,
    ::testing::Values(
        DamageCase{"chunk inside the directory", [](Image& i) { i.put32(i.entry(0), 380); }, k11},
        DamageCase{"chunk inside the previous one",
                   [](Image& i) { i.put32(i.entry(2), i.chunk(1) + 4); }, k11},
        DamageCase{"chunks going backwards",
                   [](Image& i) {
                       const std::uint32_t log = i.chunk(kLog);
                       i.put32(i.entry(kLog), i.chunk(kSearches)).put32(i.entry(kSearches), log);
                   },
                   k11},
        DamageCase{
            "chunk at the end of the file",
            [](Image& i) { i.put32(i.entry(8), static_cast<std::uint32_t>(i.bytes.size())); }, k11},
        DamageCase{"chunk running past the end of the file",
                   [](Image& i) { i.put32(i.chunk(8), i.get32(i.chunk(8)) + 1); }, k11},
        DamageCase{"chunk smaller than its framing", [](Image& i) { i.put32(i.chunk(kLog), 5); },
                   k11},
        DamageCase{"chunk larger than 65280",
                   [](Image& i) {
                       i.put32(i.chunk(8), 65281);
                       i.bytes.resize(i.chunk(8) + 65281);
                   },
                   k11},
        DamageCase{"unknown chunk tag", [](Image& i) { i.put16(i.chunk(kProperties) + 4, 0x5958); },
                   k11},
        DamageCase{"removal log below 14", [](Image& i) { i.put32(i.chunk(kLog), 13); }, k11},
        DamageCase{"saved searches below 12", [](Image& i) { i.put32(i.chunk(kSearches), 11); },
                   k11},
        DamageCase{"text list below 14", [](Image& i) { i.put32(i.chunk(kTextList), 13); }, k11},
        DamageCase{"choice list below 14", [](Image& i) { i.put32(i.chunk(kChoiceList), 13); },
                   k11},
        DamageCase{"property map below 12", [](Image& i) { i.put32(i.chunk(kProperties), 11); },
                   k11},
        DamageCase{"record below 30", [](Image& i) { i.put32(i.chunk(kFirstRecord), 29); }, k11}),
    NameFromDescription());

// The directory against the header chunk's counts.
INSTANTIATE_TEST_SUITE_P(
    DirectoryOrder, ContainerDamage,
    ::testing::Values(
        DamageCase{"first chunk not the header chunk",
                   [](Image& i) { i.put16(i.chunk(0) + 4, 0x444C); }, k11},
        DamageCase{"header chunk below 76", [](Image& i) { i.put32(i.chunk(0), 75); }, k11},
        DamageCase{"version above 512", [](Image& i) { i.put16(i.chunk(0) + 6, 513); },
                   KxDbError::NewerVersion},
        DamageCase{"more than 16000 records", [](Image& i) { i.put32(i.chunk(0) + 32, 16000); },
                   KxDbError::TooManyRecords},
        DamageCase{"no schema chunks", [](Image& i) { i.put32(i.chunk(0) + 28, 0); }, k11},
        DamageCase{"counts short of the directory", [](Image& i) { i.put32(i.chunk(0) + 36, 0); },
                   k11},
        DamageCase{"second header chunk", [](Image& i) { i.put16(i.chunk(kLog) + 4, 0x4844); },
                   k11},
        DamageCase{"record among the schema chunks",
                   [](Image& i) { i.put16(i.chunk(kLog) + 4, 0x4441); }, k11},
        DamageCase{"schema chunk among the records",
                   [](Image& i) { i.put16(i.chunk(kFirstRecord) + 4, 0x444C); }, k11}),
    NameFromDescription());

// The header chunk's counts, sections and entries.
INSTANTIATE_TEST_SUITE_P(
    HeaderChunk, ContainerDamage,
    ::testing::Values(
        DamageCase{"251 fields", [](Image& i) { i.put8(i.chunk(0) + 20, 251); }, k11},
        DamageCase{"11 form layouts", [](Image& i) { i.put8(i.chunk(0) + 21, 11); }, k11},
        DamageCase{"16 sort definitions", [](Image& i) { i.put8(i.chunk(0) + 23, 16); }, k11},
        DamageCase{"16 list options sets", [](Image& i) { i.put8(i.chunk(0) + 25, 16); }, k11},
        DamageCase{"field section inside the fixed part",
                   [](Image& i) { i.put32(i.chunk(0) + 40, 72); }, k11},
        DamageCase{"field section past the chunk",
                   [](Image& i) { i.put32(i.chunk(0) + 40, i.get32(i.chunk(0))); }, k11},
        DamageCase{"definition below 14", [](Image& i) { i.put32(i.field(0), 13); }, k11},
        DamageCase{"definition past the chunk", [](Image& i) { i.put32(i.field(3), 4000); }, k11},
        DamageCase{"label offset past the definition",
                   [](Image& i) { i.put32(i.field(0) + 10, 19); }, k11},
        DamageCase{"calculation block size not 8", [](Image& i) { i.put32(i.field(3) + 18, 9); },
                   k11},
        DamageCase{"calculation definition without room for its block",
                   [](Image& i) { i.put32(i.field(3), 21); }, k11},
        DamageCase{"layout below 30",
                   [](Image& i) { i.put32(i.chunk(0) + i.header.layouts[0], 29); }, k11},
        DamageCase{"form items past the layout",
                   [](Image& i) { i.put32(i.chunk(0) + i.header.layouts[0] + 26, 31); }, k11},
        DamageCase{"sort definition below 30",
                   [](Image& i) { i.put32(i.chunk(0) + i.header.sortDefs[0], 29); }, k11},
        DamageCase{"251 sort keys",
                   [](Image& i) { i.put8(i.chunk(0) + i.header.sortDefs[0] + 25, 251); }, k11},
        DamageCase{"sort keys past the definition",
                   [](Image& i) { i.put32(i.chunk(0) + i.header.sortDefs[0] + 26, 31); }, k11},
        DamageCase{"list options set below 32",
                   [](Image& i) { i.put32(i.chunk(0) + i.header.listSets[0], 31); }, k11},
        DamageCase{"251 columns",
                   [](Image& i) { i.put8(i.chunk(0) + i.header.listSets[0] + 26, 251); }, k11},
        DamageCase{"columns past the set",
                   [](Image& i) { i.put32(i.chunk(0) + i.header.listSets[0] + 28, 33); }, k11}),
    NameFromDescription());

// Records, item lists, the removal log, the property map and the saved searches.
INSTANTIATE_TEST_SUITE_P(
    ChunkContent, ContainerDamage,
    ::testing::Values(
        DamageCase{"value table past the record",
                   [](Image& i) {
                       i.put32(i.chunk(kFirstRecord) + 26, i.get32(i.chunk(kFirstRecord)) - 8);
                   },
                   k11},
        DamageCase{"value inside the value table",
                   [](Image& i) { i.put32(i.chunk(kFirstRecord) + 30, 30 + 4 * kFields - 2); },
                   k11},
        DamageCase{"value offsets decreasing",
                   [](Image& i) { i.put32(i.chunk(kFirstRecord) + 38, 30 + 4 * kFields + 2); },
                   k11},
        DamageCase{"value offset past the record",
                   [](Image& i) {
                       i.put32(i.chunk(kFirstRecord) + 42, i.get32(i.chunk(kFirstRecord)) + 1);
                   },
                   k11},
        DamageCase{"4001 items", [](Image& i) { i.put16(i.chunk(kTextList) + 8, 4001); }, k11},
        DamageCase{"item table past the list",
                   [](Image& i) { i.put32(i.chunk(kTextList) + 10, 14 + 8); }, k11},
        DamageCase{"item offsets decreasing",
                   [](Image& i) { i.put32(i.chunk(kTextList) + 18, 21); }, k11},
        DamageCase{"item offset past the list",
                   [](Image& i) { i.put32(i.chunk(kTextList) + 18, 26); }, k11},
        DamageCase{"removal log entries past the chunk",
                   [](Image& i) { i.put32(i.chunk(kLog) + 6, 2); }, k11},
        DamageCase{"101 property keys", [](Image& i) { i.put16(i.chunk(kProperties) + 6, 101); },
                   k11},
        DamageCase{"property table past the map",
                   [](Image& i) { i.put32(i.chunk(kProperties) + 8, 20); }, k11},
        DamageCase{"property entry of one byte",
                   [](Image& i) { i.put32(i.chunk(kProperties) + 12, 19); }, k11},
        DamageCase{"21 saved searches", [](Image& i) { i.put8(i.chunk(kSearches) + 6, 21); }, k11},
        DamageCase{"search below 32",
                   [](Image& i) { i.put32(i.chunk(kSearches) + kSecondSearch, 31); }, k11},
        DamageCase{"search past the chunk",
                   [](Image& i) { i.put32(i.chunk(kSearches) + kSecondSearch, 500); }, k11},
        DamageCase{"251 criteria",
                   [](Image& i) { i.put8(i.chunk(kSearches) + kSecondSearch + 4, 251); }, k11},
        DamageCase{"criterion below 10",
                   [](Image& i) { i.put32(i.chunk(kSearches) + kFirstCriterion, 9); }, k11},
        DamageCase{"criterion value past the criterion",
                   [](Image& i) { i.put32(i.chunk(kSearches) + kFirstCriterion + 6, 13); }, k11}),
    NameFromDescription());

// List references of Text and Multiple Choice fields.
INSTANTIATE_TEST_SUITE_P(
    ListBinding, ContainerDamage,
    ::testing::Values(
        DamageCase{"reference to no chunk",
                   [](Image& i) { i.put32(i.field(0) + 6, i.chunk(kTextList) + 2); }, k11},
        DamageCase{"reference to the header chunk",
                   [](Image& i) { i.put32(i.field(0) + 6, i.chunk(0)); }, k11},
        DamageCase{"text field naming a choice list",
                   [](Image& i) { i.put32(i.field(0) + 6, i.chunk(kChoiceList)); }, k11},
        DamageCase{"choice field naming a text list",
                   [](Image& i) { i.put32(i.field(1) + 6, i.chunk(kTextList)); }, k11},
        DamageCase{"list carrying another field's position",
                   [](Image& i) { i.put8(i.chunk(kTextList) + 6, 1); }, k11}),
    NameFromDescription());

// References from one part of the schema to another.
INSTANTIATE_TEST_SUITE_P(
    References, ContainerDamage,
    ::testing::Values(
        DamageCase{"current layout", [](Image& i) { i.put8(i.chunk(0) + 22, 1); }, k11},
        DamageCase{"current list options set", [](Image& i) { i.put8(i.chunk(0) + 26, 1); }, k11},
        DamageCase{"set's sort definition",
                   [](Image& i) { i.put8(i.chunk(0) + i.header.listSets[0] + 25, 1); }, k11},
        DamageCase{"current search", [](Image& i) { i.put8(i.chunk(kSearches) + 7, 2); }, k11},
        DamageCase{"search's list options set",
                   [](Image& i) { i.put8(i.chunk(kSearches) + kSecondSearch + 26, 1); }, k11},
        DamageCase{"form item field",
                   [](Image& i) { i.put8(i.chunk(0) + i.header.layouts[0] + 30, kFields); }, k11},
        DamageCase{"sort key field",
                   [](Image& i) { i.put8(i.chunk(0) + i.header.sortDefs[0] + 30, kFields); }, k11},
        DamageCase{"column field",
                   [](Image& i) { i.put8(i.chunk(0) + i.header.listSets[0] + 32, kFields); }, k11},
        DamageCase{"criterion field",
                   [](Image& i) { i.put8(i.chunk(kSearches) + kFirstCriterion + 4, kFields); },
                   k11}),
    NameFromDescription());

// Sections that overlap are read once each and written one after another. A header chunk
// whose sort definition reuses its form layout's bytes is written back 530 bytes larger:
// at 65280 bytes that would be a file that no longer opens, so it is refused when read.
TEST(ContainerDamageBase, ChunkThatCouldNotBeWrittenBackIsDamage) {
    for (const std::size_t label : {61560u, 62160u}) {
        rlv::File file;
        file.header.fields = {{1, std::string(label, 'L')}};
        file.header.layouts = {
            {"Form", std::vector<rlv::FormItem>(250, rlv::FormItem{0, 0, 0, 0})}};
        Image image = file.build();
        const std::uint32_t header = image.chunk(0);
        image.put8(header + 23, 1).put32(header + 48, image.get32(header + 44));

        TempDir dir;
        writeFileBytes(dir.file("db.rlv"), image.bytes);
        KxDatabase db;
        const KxDbError code = thrownBy([&] { db.open(dir.file("db.rlv"), kOpenDocument, 0); });
        if (image.get32(header) + 530 <= 65280) {
            ASSERT_EQ(code, KxDbError::None);
            ASSERT_EQ(db.header().sortDefs.size(), 1u);
            db.save();
            EXPECT_EQ(rlv::get32(readFileBytes(dir.file("db.rlv")), header),
                      image.get32(header) + 530);
        } else {
            EXPECT_EQ(image.get32(header), 65280u);
            EXPECT_EQ(code, KxDbError::Damaged);
        }
    }
}

TEST(ContainerDamageBase, NothingIsReadAfterAFirstChunkThatIsNoHeaderChunk) {
    TempDir dir;
    Image image = wellFormed().build();
    image.put16(image.chunk(0) + 4, 0x444C);
    writeFileBytes(dir.file("db.rlv"), image.bytes);
    std::vector<std::pair<std::uint32_t, std::uint32_t>> calls;
    KxDatabase db;
    db.setProgress(
        [&](std::uint32_t done, std::uint32_t total) { calls.emplace_back(done, total); });
    EXPECT_EQ(thrownBy([&] { db.open(dir.file("db.rlv"), kOpenReadShared, 0); }),
              KxDbError::Damaged);
    EXPECT_EQ(calls, (std::vector<std::pair<std::uint32_t, std::uint32_t>>{{1, 10}}));
}

TEST(ContainerDamageBase, MissingFileAndDirectoryAreNotDamage) {
    TempDir dir;
    KxDatabase db;
    EXPECT_EQ(thrownBy([&] { db.open(dir.file("none.rlv"), kOpenReadShared, 0); }),
              KxDbError::CannotOpen);
    EXPECT_EQ(thrownBy([&] { db.open(dir.path(), kOpenReadShared, 0); }),
              KxDbError::CannotOpenOther);
}

} // namespace
