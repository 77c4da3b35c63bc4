// Import of a comma-separated file at the record limit: 16000 rows of twenty columns
// (about 3 MB) into an empty database sorted by its first fields, loading included. Values
// go to Text, Number, Date, Time and Checkbox fields, so conversion is measured too.
//
// Aim on the reference machine: 300 ms.

#include "app/KxSilentUi.h"
#include "editors/KxSchemaBuilder.h"
#include "transfer/KxDelimitedImporter.h"
#include "base/KxSettings.h"
#include "transfer/KxFieldChooserModel.h"
#include "transfer/ImportCommand.h"
#include "transfer/ImportEncoding.h"
#include "transfer/ImportHeaderRow.h"
#include "transfer/ImportRun.h"

#include "engine/KxFileHeader.h"
#include "engine/KxDatabase.h"
#include "tests/support/TestFiles.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <fstream>
#include <random>
#include <string>

namespace {

constexpr std::size_t kRows = KxDatabase::kMaxRecords;

// Columns: 12 texts, 4 numbers, 2 dates, a time and a check box.
KxFieldType columnType(std::size_t column) {
    if (column < 12) return KxFieldType::Text;
    if (column < 16) return KxFieldType::Number;
    if (column < 18) return KxFieldType::Date;
    return column == 18 ? KxFieldType::Time : KxFieldType::Checkbox;
}

std::string makeCsv() {
    std::mt19937 random(20240601);
    auto word = [&](std::size_t length) {
        std::string w;
        for (std::size_t i = 0; i < length; ++i) w += static_cast<char>('a' + random() % 26);
        return w;
    };
    std::string csv;
    for (std::size_t row = 0; row < kRows; ++row) {
        for (std::size_t column = 0; column < 20; ++column) {
            if (column) csv += ',';
            switch (columnType(column)) {
            case KxFieldType::Text: csv += column % 4 == 0 ? "\"" + word(8) + ", " + word(5) + "\"" : word(9); break;
            case KxFieldType::Number: csv += std::to_string(random() % 100000) + "." + std::to_string(random() % 100); break;
            case KxFieldType::Date:
                csv += std::to_string(1 + random() % 12) + "/" + std::to_string(1 + random() % 28) + "/" +
                       std::to_string(1990 + random() % 30);
                break;
            case KxFieldType::Time: csv += std::to_string(1 + random() % 12) + ":" + std::to_string(10 + random() % 50) + " PM"; break;
            default: csv += random() % 2 ? "yes" : "no"; break;
            }
        }
        csv += "\r\n";
    }
    return csv;
}

// The twenty fields the generated file fills, one per column.
std::vector<KxFieldSpec> importFields() {
    std::vector<KxFieldSpec> fields;
    for (std::size_t column = 0; column < 20; ++column) {
        KxFieldSpec spec;
        spec.label = "Column " + std::to_string(column + 1);
        spec.type = columnType(column);
        spec.decimals = 2;
        fields.push_back(spec);
    }
    return fields;
}

// A fresh, empty database with those fields in the scratch folder, in place of the last run's.
void createTarget(KxDatabase& db, const std::filesystem::path& dir, const std::vector<KxFieldSpec>& fields) {
    std::filesystem::remove(dir / "target.rlv");
    db.create((dir / "target.rlv").string(), kRolvaTypeTag, kOpenDocument, 1);
    kxBuildNewDatabaseSchema(db, fields, 0);
}

void BM_ImportCsv(benchmark::State& state) {
    const TempDir scratch("import-bench");
    const std::filesystem::path dir = scratch.path();
    const std::string csvPath = (dir / "in.csv").string();
    std::ofstream(csvPath, std::ios::binary) << makeCsv();
    const std::vector<KxFieldSpec> fields = importFields();
    KxSilentUi ui;
    std::size_t imported = 0;
    for (auto _ : state) {
        state.PauseTiming();
        KxDatabase db;
        createTarget(db, dir, fields);
        KxFieldSelection selection(db, kxImportSelectionOptions(kAllCategories));
        KxImportOptions options;
        options.logPath = (dir / "log.txt").string();
        state.ResumeTiming();

        KxDelimitedImporter importer(',');
        importer.open(ui, csvPath);
        imported = kxRunImport(db, ui, importer, selection, options).imported;

        state.PauseTiming();
        db.close(true);
        state.ResumeTiming();
    }
    state.counters["records"] = static_cast<double>(imported);
    state.counters["MB"] = static_cast<double>(std::filesystem::file_size(csvPath)) / 1e6;
    std::filesystem::remove_all(dir);
}
BENCHMARK(BM_ImportCsv)->Unit(benchmark::kMillisecond)->Iterations(5)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace

// The same file through the desktop's import command as the Import Wizard drives it: the
// source loaded on the first page, its character set and a label row looked for on the
// second, the field list's order, then the run. Aim: as the tool's import, 300 ms.
void BM_ImportCommandCsv(benchmark::State& state) {
    const TempDir scratch("import-bench");
    const std::filesystem::path dir = scratch.path();
    const std::string csvPath = (dir / "in.csv").string();
    std::ofstream(csvPath, std::ios::binary) << makeCsv();
    const std::vector<KxFieldSpec> fields = importFields();
    KxSilentUi ui;
    KxSettings settings((dir / "rolvadesk.ini").string());
    std::size_t imported = 0;
    for (auto _ : state) {
        state.PauseTiming();
        KxDatabase db;
        createTarget(db, dir, fields);
        KxImportOptions options;
        options.logPath = (dir / "log.txt").string();
        state.ResumeTiming();

        KxImportCommandHooks hooks;
        hooks.wizard = [&](const KxFieldSelection& selection, const std::string& lastDir) {
            KxImportChoice choice;
            choice.path = csvPath;
            choice.source = kxLoadImportSource(ui, choice.path, KxImportType::Comma, lastDir);
            benchmark::DoNotOptimize(kxDetectFileEncoding(choice.path));
            choice.firstRowLabels = kxFirstRowHoldsLabels(*choice.source, db);
            choice.order = KxFieldChooserModel::forImport(selection, choice.source->columnCount()).importOrder();
            return std::optional<KxImportChoice>(std::move(choice));
        };
        imported = kxRunImportCommand(db, ui, settings, kAllCategories, hooks, options).result.imported;

        state.PauseTiming();
        db.close(true);
        state.ResumeTiming();
    }
    state.counters["records"] = static_cast<double>(imported);
    std::filesystem::remove_all(dir);
}
BENCHMARK(BM_ImportCommandCsv)->Unit(benchmark::kMillisecond)->Iterations(5)->Repetitions(5)->ReportAggregatesOnly(true);
