// Printing at the record limit: 16000 records of ten fields filled into Table.htm, laid out
// on pages and written as PDF; and the Print Style dialog's sample of five records.
//
// Aims: the PDF 3 s, the sample 100 ms.

#include "bench/BenchDatabase.h"
#include "bench/BenchQt.h"

#include "print/KxPrintSession.h"
#include "print/PrintableHtml.h"
#include "print/KxReport.h"
#include "print/UserPrintSetup.h"
#include "print/render/PdfOutput.h"

#include <QByteArray>
#include <QFile>
#include <QTextDocument>

#include <benchmark/benchmark.h>

namespace {

std::string templatesFolder() { return std::string(ROLVA_SOURCE_DIR) + "/templates"; }

void BM_PrintTableToPdf(benchmark::State& state) {
    startQt();
    kxbench::BenchDatabase& bench = kxbench::benchDatabase();
    KxSilentUi ui;
    const KxFieldSelection selection(bench.db, kxPrintSelectionOptions());
    const std::string table = templatesFolder() + "/Table.htm";
    const std::string html = bench.file("out.htm");
    qint64 bytes = 0;
    for (auto _ : state) {
        KxDatabaseHtmlReport report(ui, bench.db, selection, {});
        // The output is larger than a browser is asked to print; it is written whole all the same.
        report.generate(nullptr, table, html, "Stock", 0, false, -1);
        const auto pages = KxPrintPages::fromFile(html, kxDefaultUserPageSetup(), "Stock");
        if (!pages) {
            state.SkipWithError("no report");
            break;
        }
        const auto pdf = kxRenderPdf(*pages, {QPageSize::Letter, QPageLayout::Portrait});
        if (!pdf) state.SkipWithError("no PDF");
        bytes = pdf ? pdf->size() : 0;
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * kxbench::kRecords));
    state.counters["pdf_bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_PrintTableToPdf)->Unit(benchmark::kMillisecond)->Iterations(1);

// The sample as the dialog shows it: generated, read back and laid out.
void BM_PrintStyleSample(benchmark::State& state) {
    startQt();
    kxbench::BenchDatabase& bench = kxbench::benchDatabase();
    KxSilentUi ui;
    KxMemoryPageSetupStore user;
    KxPrintSession session(ui, bench.db, user, KxPrintViewMode::Records, {},
                           {{templatesFolder()}, bench.file("sample.htm")});
    for (auto _ : state) {
        if (!session.generateSample("Cards.htm")) state.SkipWithError("no sample");
        QFile file(QString::fromStdString(session.outputPath()));
        file.open(QIODevice::ReadOnly);
        QTextDocument sample;
        sample.setHtml(QString::fromStdString(kxWithCheckMarkGlyphs(file.readAll().toStdString())));
        sample.setTextWidth(480);
        benchmark::DoNotOptimize(sample.size());
    }
}
BENCHMARK(BM_PrintStyleSample)->Unit(benchmark::kMillisecond);

} // namespace
