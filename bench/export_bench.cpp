// Export and printing at the record limit: 16000 records of ten fields of mixed types,
// written to a comma-separated file and filled into the shipped Table.htm template.
//
// Aims on the reference machine: the export 60 ms, the report 150 ms.

#include "app/KxSilentUi.h"
#include "bench/BenchDatabase.h"
#include "print/KxReport.h"
#include "transfer/KxExporter.h"

#include "engine/KxDatabase.h"
#include "engine/KxRecordHandle.h"
#include "engine/values/FieldValue.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

using kxbench::benchDatabase;
using kxbench::BenchDatabase;
using kxbench::kRecords;

void BM_ExportCsv(benchmark::State& state) {
    BenchDatabase& bench = benchDatabase();
    KxSilentUi ui;
    const KxExportSelections selections(bench.db);
    KxExportOptions options;
    options.path = bench.file("out.csv");
    for (auto _ : state) {
        KxExporter exporter(bench.db, ui);
        if (!exporter.run(options, selections, {})) state.SkipWithError("export cancelled");
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * kRecords));
}
BENCHMARK(BM_ExportCsv)->Unit(benchmark::kMillisecond);

void BM_ReportTable(benchmark::State& state) {
    BenchDatabase& bench = benchDatabase();
    KxSilentUi ui;
    KxFieldSelection::Options print;
    print.includeLabelOnly = true;
    print.includeCategory = true;
    print.defaultNames = true;
    print.decimalMode = true;
    const KxFieldSelection selection(bench.db, print);
    const std::string table =
        (std::filesystem::path(ROLVA_SOURCE_DIR) / "templates" / "Table.htm").string();
    const auto box = ui.waitBox("");
    KxDatabaseHtmlReport report(ui, bench.db, selection, {});
    for (auto _ : state) {
        // Some 7 MB of HTML: more than a browser is asked to print, so the run answers "too
        // large", but only after writing the whole file.
        report.generate(box.get(), table, bench.file("out.htm"), "Stock", 0, false, -1);
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * kRecords));
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(bench.file("out.htm")));
}
BENCHMARK(BM_ReportTable)->Unit(benchmark::kMillisecond);

} // namespace
