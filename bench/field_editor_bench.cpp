// Committing a Field and Form Editor change on the largest database: 16000 records of 20
// fields, one Number field becoming Text (every value converted), then every Calculation of
// every record computed again. The recalculation alone is the baseline.
//
// Aim on the reference machine: the commit with its recalculation within 150 ms.

#include "engine/Calculation.h"
#include "engine/KxDatabase.h"
#include "engine/KxRecordHandle.h"
#include "engine/KxSchemaEditor.h"
#include "editors/KxFieldWorkingCopy.h"
#include "editors/KxSchemaBuilder.h"
#include "engine/values/FieldValue.h"
#include "tests/support/TestFiles.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {
using T = KxFieldType;

constexpr std::size_t kRecords = KxDatabase::kMaxRecords;
constexpr std::size_t kChangedField = 13; // a Number no calculation uses

const std::vector<T> kTypes = {T::Text, T::Number,   T::Number, T::Calculation,    T::Text,
                               T::Number, T::Date,   T::Checkbox, T::Time,         T::Calculation,
                               T::Text, T::Number,   T::MultipleChoice, T::Number, T::Calculation,
                               T::Text, T::Number,   T::Checkbox, T::Text,         T::Calculation};

// The calculations: 1 + 2, the Sum of the numbers above, 5 x 11, the Average above.
void defineCalculations(KxSchemaEditor& schema) {
    schema.setCalcOperator(3, 0);
    schema.setCalcFirst(3, 1);
    schema.setCalcSecond(3, 2);
    schema.setCalcOperator(9, 4);
    schema.setCalcOperator(14, 2);
    schema.setCalcFirst(14, 5);
    schema.setCalcSecond(14, 11);
    schema.setCalcOperator(19, 5);
}

std::string makeDatabase() {
    static const TempDir dir("field-editor-bench");
    const std::string path = dir.file("bench.rlv");
    KxDatabase db;
    db.create(path, kRolvaTypeTag, kOpenDocument | kOpenTruncate, 1);
    std::vector<KxFieldSpec> specs;
    for (std::size_t i = 0; i < kTypes.size(); ++i) {
        KxFieldSpec spec;
        spec.label = "Field " + std::to_string(i);
        spec.type = kTypes[i];
        specs.push_back(spec);
    }
    kxBuildNewDatabaseSchema(db, specs, 0);
    KxSchemaEditor schema(db);
    defineCalculations(schema);
    for (std::size_t r = 0; r < kRecords; ++r) {
        std::size_t position = r;
        KxRecordHandle record = db.newRecord(position, false);
        for (std::size_t f = 0; f < kTypes.size(); ++f) {
            FieldValue v = FieldValue::newValue(static_cast<int>(kTypes[f]));
            const int n = static_cast<int>(r + f);
            switch (kTypes[f]) {
            case T::Text:
            case T::MultipleChoice: v.setText(std::string(8 + n % 12, static_cast<char>('a' + n % 26))); break;
            case T::Number: v.setNumber(n * 0.25); break;
            case T::Date: v.setDate(1990 + n % 30, 1 + n % 12, 1 + n % 28); break;
            case T::Time: v.setTime(n % 24, n % 60, n % 60); break;
            case T::Checkbox: v.setChecked(n % 2); break;
            default: continue;
            }
            record.setRawValue(f, v.raw());
        }
    }
    kxRecalculateAllRecords(db, nullptr);
    db.save();
    db.close(false);
    return path;
}

const std::string& databaseFile() {
    static const std::string path = makeDatabase();
    return path;
}

void BM_CommitTypeChange(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        KxDatabase db;
        db.open(databaseFile(), kOpenReadShared, 1);
        KxFieldWorkingCopy copy = KxFieldWorkingCopy::load(db);
        KxWorkingField changed = copy.at(kChangedField);
        changed.type = T::Text;
        copy.modify(kChangedField, changed);
        state.ResumeTiming();
        KxSchemaBuilder(db).commit(copy);
        kxRecalculateAllRecords(db, nullptr);
        benchmark::DoNotOptimize(db.liveCount());
        state.PauseTiming();
        db.close(true);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_CommitTypeChange)->Unit(benchmark::kMillisecond);

void BM_CommitRecalculationOnly(benchmark::State& state) {
    KxDatabase db;
    db.open(databaseFile(), kOpenReadShared, 1);
    for (auto _ : state) kxRecalculateAllRecords(db, nullptr);
}
BENCHMARK(BM_CommitRecalculationOnly)->Unit(benchmark::kMillisecond);
} // namespace
