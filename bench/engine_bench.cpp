// The database file at its largest: 16000 records of 20 fields of mixed types, about 4 MB.
// Opening, saving (writing and flushing to disk apart) and creating the records.
//
// Aims on the reference machine: open 20 ms, save 30 ms plus the flush, creating 16000
// records 25 ms.

#include "engine/KxDatabase.h"
#include "engine/KxRecordHandle.h"
#include "engine/KxSchemaEditor.h"
#include "engine/values/FieldValue.h"
#include "tests/support/TestFiles.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

constexpr std::size_t kRecords = KxDatabase::kMaxRecords;

const std::vector<KxFieldType> kFieldTypes = {
    KxFieldType::Text,        KxFieldType::Text,     KxFieldType::MultipleChoice,
    KxFieldType::Integer,     KxFieldType::Number,   KxFieldType::Date,
    KxFieldType::Time,        KxFieldType::Checkbox, KxFieldType::Text,
    KxFieldType::Calculation, KxFieldType::Integer,  KxFieldType::Number,
    KxFieldType::Date,        KxFieldType::Text,     KxFieldType::MultipleChoice,
    KxFieldType::Checkbox,    KxFieldType::Time,     KxFieldType::Integer,
    KxFieldType::Text,        KxFieldType::Number,
};

// A scratch directory for the run's files, removed at exit.
const TempDir& benchDir() {
    static const TempDir dir("bench");
    return dir;
}

void defineFields(KxDatabase& db) {
    KxSchemaEditor schema(db);
    for (std::size_t i = 0; i < kFieldTypes.size(); ++i) {
        const std::size_t p = schema.addField();
        schema.setFieldType(p, kFieldTypes[i]);
        schema.setFieldLabel(p, "Field " + std::to_string(i));
    }
}

// The values of record r: texts of 6 to 24 characters, every other type filled in.
std::vector<FieldValue> valuesOf(std::size_t r) {
    static const std::size_t kTextLengths[] = {12, 24, 6, 0, 0, 0, 0, 0, 20, 0,
                                               0,  0,  0, 8, 6, 0, 0, 0, 10, 0};
    std::vector<FieldValue> values;
    for (std::size_t f = 0; f < kFieldTypes.size(); ++f) {
        FieldValue v = FieldValue::newValue(static_cast<int>(kFieldTypes[f]));
        const int n = static_cast<int>(r + f);
        switch (kFieldTypes[f]) {
        case KxFieldType::Text:
        case KxFieldType::MultipleChoice:
            v.setText(std::string(kTextLengths[f], static_cast<char>('a' + n % 26)));
            break;
        case KxFieldType::Integer:
            v.setInteger(n);
            break;
        case KxFieldType::Number:
            v.setNumber(n * 0.25);
            break;
        case KxFieldType::Calculation:
            v.setCalcResult(n * 1.5, false);
            break;
        case KxFieldType::Date:
            v.setDate(1990 + n % 30, 1 + n % 12, 1 + n % 28);
            break;
        case KxFieldType::Time:
            v.setTime(n % 24, n % 60, n % 60);
            break;
        case KxFieldType::Checkbox:
            v.setChecked(n % 2);
            break;
        default:
            break;
        }
        values.push_back(v);
    }
    return values;
}

void fill(KxRecordHandle& record, std::size_t r) {
    const std::vector<FieldValue> values = valuesOf(r);
    for (std::size_t f = 0; f < values.size(); ++f)
        record.setRawValue(f, values[f].raw());
}

// The full database, written once for the whole run.
const std::string& fullFile() {
    static const std::string path = [] {
        const std::string p = benchDir().file("full.rlv");
        KxDatabase db;
        db.create(p, kRolvaTypeTag, kOpenDocument | kOpenTruncate, 1);
        defineFields(db);
        for (std::size_t r = 0; r < kRecords; ++r) {
            std::size_t position = r;
            KxRecordHandle record = db.newRecord(position, false);
            fill(record, r);
        }
        db.save();
        return p;
    }();
    return path;
}

void BM_Open(benchmark::State& state) {
    const std::string& path = fullFile();
    KxDatabase db;
    for (auto _ : state) {
        db.open(path, kOpenDocument, 1);
        benchmark::DoNotOptimize(db.liveCount());
        state.PauseTiming();
        db.close(true);
        state.ResumeTiming();
    }
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(path));
}
BENCHMARK(BM_Open)->Unit(benchmark::kMillisecond);

// The iteration time includes the flush; write_ms is the part the engine spends writing,
// sync_ms the part the disk takes to make it durable.
void BM_Save(benchmark::State& state) {
    KxDatabase db;
    db.open(fullFile(), kOpenDocument, 1);
    double writeMs = 0, syncMs = 0;
    for (auto _ : state) {
        db.save(benchDir().file("saved.rlv"));
        writeMs += db.lastSaveTiming().writeMs;
        syncMs += db.lastSaveTiming().syncMs;
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["write_ms"] = writeMs / n;
    state.counters["sync_ms"] = syncMs / n;
}
BENCHMARK(BM_Save)->Unit(benchmark::kMillisecond);

// 16000 empty records appended to a database of 20 fields.
void BM_CreateRecords(benchmark::State& state) {
    const std::string path = benchDir().file("created.rlv");
    for (auto _ : state) {
        state.PauseTiming();
        KxDatabase db;
        db.create(path, kRolvaTypeTag, kOpenDocument | kOpenTruncate, 1);
        defineFields(db);
        state.ResumeTiming();
        for (std::size_t r = 0; r < kRecords; ++r) {
            std::size_t position = r;
            db.newRecord(position, false);
        }
        benchmark::DoNotOptimize(db.liveCount());
        state.PauseTiming();
        db.close(true);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_CreateRecords)->Unit(benchmark::kMillisecond);

// The same records with all 20 values stored through the handle, as an import stores them.
void BM_CreateFilledRecords(benchmark::State& state) {
    const std::string path = benchDir().file("filled.rlv");
    std::vector<std::vector<FieldValue>> values;
    for (std::size_t r = 0; r < kRecords; ++r)
        values.push_back(valuesOf(r));
    for (auto _ : state) {
        state.PauseTiming();
        KxDatabase db;
        db.create(path, kRolvaTypeTag, kOpenDocument | kOpenTruncate, 1);
        defineFields(db);
        state.ResumeTiming();
        for (std::size_t r = 0; r < kRecords; ++r) {
            std::size_t position = r;
            KxRecordHandle record = db.newRecord(position, false);
            for (std::size_t f = 0; f < values[r].size(); ++f)
                record.setRawValue(f, values[r][f].raw());
        }
        benchmark::DoNotOptimize(db.liveCount());
        state.PauseTiming();
        db.close(true);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_CreateFilledRecords)->Unit(benchmark::kMillisecond);

} // namespace
