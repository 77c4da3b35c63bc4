// The long operations of a full database (16000 records, 20 fields of mixed types): sorting
// by a text key and by a number then a date, a "contains" search over every text and
// numeric field, and recomputing five Calculation fields in every record.

#include "engine/Calculation.h"
#include "engine/KxDatabase.h"
#include "engine/KxRecordHandle.h"
#include "engine/KxSavedSearches.h"
#include "engine/KxSchemaEditor.h"
#include "tests/support/TestDatabase.h"
#include "engine/Search.h"
#include "engine/Sort.h"
#include "engine/values/FieldValue.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <random>
#include <unistd.h>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr std::size_t kRecords = 16000;

enum Field : std::uint8_t {
    Name, City, Kind, Amount, Price, Count, Due, At, Done, Notes,
    Qty, Start, Code, Rate, Rank, Product, PriceRate, Margin, Ratio, Total,
};

constexpr std::array<KxFieldType, 20> kTypes = {
    KxFieldType::Text,    KxFieldType::Text,        KxFieldType::MultipleChoice,
    KxFieldType::Number,  KxFieldType::Number,      KxFieldType::Integer,
    KxFieldType::Date,    KxFieldType::Time,        KxFieldType::Checkbox,
    KxFieldType::Text,    KxFieldType::Number,      KxFieldType::Date,
    KxFieldType::Text,    KxFieldType::Number,      KxFieldType::Integer,
    KxFieldType::Calculation, KxFieldType::Calculation, KxFieldType::Calculation,
    KxFieldType::Calculation, KxFieldType::Calculation,
};

// A database made by the tests' builder, built once and shared: the benchmarks only reorder,
// mark and recompute its records.
class BenchDatabase {
public:
    BenchDatabase() : made_(fields()) {
        defineNumbers();
        fillRecords();
    }

    // Puts the live records into a fixed random order, so that every sort starts alike.
    void shuffle() {
        std::mt19937 rng(99);
        for (std::size_t i = db.liveCount(); i > 1; --i)
            db.swapRecords(i - 1, std::uniform_int_distribution<std::size_t>(0, i - 1)(rng), false);
    }

    void setSortKeys(const std::vector<KxSortKey>& keys) { made_.setSortKeys(keys); }

private:
    TestDatabase made_; // first: the database the reference below names

public:
    KxDatabase& db = made_.db;

private:
    static std::vector<TestField> fields() {
        std::vector<TestField> list;
        for (std::size_t f = 0; f < kTypes.size(); ++f) list.push_back({kTypes[f], "Field " + std::to_string(f + 1)});
        return list;
    }

    void defineNumbers() {
        KxSchemaEditor schema(db);
        for (std::size_t f = 0; f < kTypes.size(); ++f)
            if (kTypes[f] == KxFieldType::Number || kTypes[f] == KxFieldType::Calculation) schema.setTypeOption(f, 2);
        defineCalc(schema, Product, 2, Amount, Qty);
        defineCalc(schema, PriceRate, 0, Price, Rate);
        defineCalc(schema, Margin, 1, Amount, Price);
        defineCalc(schema, Ratio, 3, Amount, Qty);
        defineCalc(schema, Total, 4, kNoField, kNoField); // sums every number and calculation above
    }

    static void defineCalc(KxSchemaEditor& schema, std::size_t field, std::uint8_t op,
                           std::uint8_t first, std::uint8_t second) {
        schema.setCalcOperator(field, op);
        schema.setCalcFirst(field, first);
        schema.setCalcSecond(field, second);
    }

    void fillRecords() {
        static const char* const names[] = {"Smith", "Jones", "Taylor", "Brown", "Williams", "Wilson",
                                            "Johnson", "Davies", "Robinson", "Wright", "Thompson",
                                            "Evans", "Walker", "White", "Roberts", "Green", "Hall"};
        static const char* const cities[] = {"London", "Paris", "Berlin", "Madrid", "Rome", "Vienna",
                                             "Prague", "Lisbon", "Dublin", "Oslo", "Bern"};
        static const char* const kinds[] = {"Invoice", "Order", "Quote", "Credit note"};
        static const char* const words[] = {"deliver", "before", "noon", "call", "first", "paid",
                                            "pending", "urgent", "back", "order", "second", "floor"};
        std::mt19937 rng(2024);
        auto pick = [&](std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(rng); };
        auto text = [](std::string s) {
            FieldValue v = FieldValue::newValue(1);
            v.setText(s);
            return v;
        };
        for (std::size_t r = 0; r < kRecords; ++r) {
            std::size_t position = db.liveCount();
            KxRecordHandle h = db.newRecord(position, true);
            auto put = [&](Field f, const FieldValue& v) { h.setRawValue(f, v.raw()); };
            put(Name, text(std::string(names[pick(17)]) + " " + std::to_string(pick(1000))));
            put(City, text(cities[pick(11)]));
            put(Kind, text(kinds[pick(4)]));
            std::string notes;
            for (std::size_t w = 0, n = 3 + pick(8); w < n; ++w) notes += std::string(words[pick(12)]) + " ";
            put(Notes, text(notes));
            put(Code, text("C-" + std::to_string(100000 + pick(900000))));
            for (Field f : {Amount, Price, Qty, Rate}) {
                if (pick(10) == 0) continue; // some numbers are empty
                FieldValue v = FieldValue::newValue(4);
                // Amounts repeat often, so that the date decides between equal amounts.
                v.setNumber(f == Amount ? static_cast<double>(pick(200)) * 2.5
                                        : static_cast<double>(pick(1000000)) / 100.0);
                put(f, v);
            }
            for (Field f : {Count, Rank}) {
                FieldValue v = FieldValue::newValue(3);
                v.setInteger(static_cast<std::int32_t>(pick(100000)) - 50000);
                put(f, v);
            }
            for (Field f : {Due, Start}) {
                FieldValue v = FieldValue::newValue(5);
                v.setDate(1990 + static_cast<int>(pick(40)), 1 + static_cast<int>(pick(12)),
                          1 + static_cast<int>(pick(28)));
                put(f, v);
            }
            FieldValue time = FieldValue::newValue(6);
            time.setTime(static_cast<int>(pick(24)), static_cast<int>(pick(60)), static_cast<int>(pick(60)));
            put(At, time);
            FieldValue done = FieldValue::newValue(7);
            done.setChecked(pick(2) == 0);
            put(Done, done);
            h.setCategory(static_cast<std::uint16_t>(pick(4)));
        }
        kxRecalculateAllRecords(db, {});
    }
};

BenchDatabase& bench() {
    static BenchDatabase instance;
    return instance;
}

void sortBy(benchmark::State& state, const std::vector<KxSortKey>& keys) {
    BenchDatabase& b = bench();
    b.setSortKeys(keys);
    for (auto _ : state) {
        state.PauseTiming();
        b.shuffle();
        state.ResumeTiming();
        kxSortRecords(b.db);
    }
    state.counters["records"] = static_cast<double>(b.db.liveCount());
}

void BM_SortByText(benchmark::State& state) {
    sortBy(state, {{Name, KxSortDirection::Ascending}});
}
BENCHMARK(BM_SortByText)->Unit(benchmark::kMillisecond);

void BM_SortByNumberThenDate(benchmark::State& state) {
    sortBy(state, {{Amount, KxSortDirection::Ascending}, {Due, KxSortDirection::Descending}});
}
BENCHMARK(BM_SortByNumberThenDate)->Unit(benchmark::kMillisecond);

// A "contains" search over all text and numeric fields for the given text.
void searchAllFieldsFor(benchmark::State& state, const char* text) {
    BenchDatabase& b = bench();
    KxSavedSearches searches(b.db);
    if (searches.count() == 0) searches.add();
    searches.clearCriteria(0);
    searches.addCriterion(0, kAnyField, KxSearchOperator::Contains);
    FieldValue needle = FieldValue::newValue(1);
    needle.setText(text);
    searches.setCriterionValue(0, 0, &needle);
    std::size_t found = 0;
    for (auto _ : state) found = kxRunSearch(b.db, 0);
    state.counters["found"] = static_cast<double>(found);
}

// A text that few records hold, so that nearly every record has every field looked at.
void BM_SearchAllFieldsContains(benchmark::State& state) { searchAllFieldsFor(state, "ones 99"); }
BENCHMARK(BM_SearchAllFieldsContains)->Unit(benchmark::kMillisecond);

// A number as the text: every number's text with fifteen decimals has to be made.
void BM_SearchAllFieldsContainsNumber(benchmark::State& state) { searchAllFieldsFor(state, "12.25"); }
BENCHMARK(BM_SearchAllFieldsContainsNumber)->Unit(benchmark::kMillisecond);

// Each run follows a change of the calculations, so that every result changes and is stored.
void BM_RecalculateAllRecords(benchmark::State& state) {
    BenchDatabase& b = bench();
    KxSchemaEditor schema(b.db);
    bool swapped = false;
    for (auto _ : state) {
        state.PauseTiming();
        swapped = !swapped;
        schema.setCalcOperator(Product, swapped ? 0 : 2);
        schema.setCalcOperator(PriceRate, swapped ? 1 : 0);
        schema.setCalcOperator(Margin, swapped ? 0 : 1);
        schema.setCalcOperator(Ratio, swapped ? 2 : 3);
        state.ResumeTiming();
        kxRecalculateAllRecords(b.db, {});
    }
    state.counters["calculations"] = static_cast<double>(5 * b.db.liveCount());
}
BENCHMARK(BM_RecalculateAllRecords)->Unit(benchmark::kMillisecond);

// After a schema change that leaves every result as it was.
void BM_RecalculateAllRecordsUnchanged(benchmark::State& state) {
    BenchDatabase& b = bench();
    kxRecalculateAllRecords(b.db, {});
    for (auto _ : state) kxRecalculateAllRecords(b.db, {});
    state.counters["calculations"] = static_cast<double>(5 * b.db.liveCount());
}
BENCHMARK(BM_RecalculateAllRecordsUnchanged)->Unit(benchmark::kMillisecond);

} // namespace
