// One record's values in memory: every change keeps the other values and writes the bytes a
// freshly built record of the same values writes; values that cannot be held are refused.

#include "engine/KxDbError.h"
#include "engine/KxRecordChunk.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::span<const std::uint8_t> bytes(const std::string& text) {
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

std::vector<std::string> valuesOf(const KxRecordChunk& record) {
    std::vector<std::string> values;
    for (std::size_t i = 0; i < record.valueCount(); ++i) {
        const auto v = record.value(i);
        values.emplace_back(v.begin(), v.end());
    }
    return values;
}

std::vector<std::uint8_t> written(const KxRecordChunk& record) {
    std::vector<std::uint8_t> out;
    kx::ByteWriter writer(out);
    record.write(writer);
    return out;
}

KxRecordChunk built(const std::vector<std::string>& values) {
    KxRecordChunk record(values.size());
    std::vector<std::span<const std::uint8_t>> spans;
    for (const auto& v : values) spans.push_back(bytes(v));
    record.setValues(spans);
    return record;
}

TEST(RecordValues, EveryChangeKeepsTheOtherValuesAndWritesLikeAFreshRecord) {
    KxRecordChunk record = built({"alpha", "", "gamma"});
    record.setValue(1, bytes("a much longer middle value"));
    record.setValue(0, bytes("A"));
    record.setValue(2, bytes("GAMMA")); // same length: changed in place
    EXPECT_EQ(valuesOf(record), (std::vector<std::string>{"A", "a much longer middle value", "GAMMA"}));
    EXPECT_EQ(written(record), written(built({"A", "a much longer middle value", "GAMMA"})));

    record.insertValue(0);
    record.insertValue(4);
    record.setValue(0, bytes("first"));
    EXPECT_EQ(valuesOf(record), (std::vector<std::string>{"first", "A", "a much longer middle value", "GAMMA", ""}));
    record.eraseValue(2);
    record.eraseValue(0);
    EXPECT_EQ(valuesOf(record), (std::vector<std::string>{"A", "GAMMA", ""}));
    EXPECT_EQ(written(record), written(built({"A", "GAMMA", ""})));
    EXPECT_EQ(record.byteSize(), written(record).size());

    const KxRecordChunk copy(record);
    record.setValue(1, {});
    EXPECT_EQ(valuesOf(copy), (std::vector<std::string>{"A", "GAMMA", ""}));
    EXPECT_EQ(valuesOf(record), (std::vector<std::string>{"A", "", ""}));
    record.setValue(0, {});
    EXPECT_TRUE(record.isEmpty());
    EXPECT_FALSE(copy.isEmpty());
}

TEST(RecordValues, ARecordLoadedFromItsBytesWritesThemBackAndRefusesWhatCannotBeHeld) {
    const KxRecordChunk record = built({"one", "", "three", "4"});
    const auto out = written(record);
    const auto loaded = KxRecordChunk::load(kx::ByteReader(out), 4);
    EXPECT_EQ(written(*loaded), out);

    KxRecordChunk big(2);
    const std::string half(40000, 'x');
    big.setValue(0, bytes(half));
    EXPECT_THROW(big.setValue(1, bytes(half)), KxDbError);
    EXPECT_EQ(valuesOf(big), (std::vector<std::string>{half, ""})); // unchanged after the refusal
}

// A database holds up to 16000 records: the object of one stays as small as it was made.
static_assert(sizeof(KxRecordChunk) <= 40);

} // namespace
