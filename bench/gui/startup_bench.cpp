// Start-up of the desktop program to a shown, idle main window with no database: settings
// file, document, window with menus, toolbar and status bar, shown and painted. The
// application object is made once, as a process makes it once; its own cost is printed
// beside the measurements.

#include "app/widgets/KxDbAppInstance.h"
#include "app/widgets/KxDbMainFrame.h"
#include "app/widgets/KxUiQt.h"
#include "tests/support/TestFiles.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <memory>
#include <string>

namespace {
void BM_StartUpToIdleWindow(benchmark::State& state) {
    const TempDir scratch("bench");
    const std::string dir = scratch.path();
    KxStartOptions options;
    options.settingsPath = dir + "/rolvadesk.ini";
    options.setProcessLocale = false;
    options.enterProgramDirectory = false;
    for (auto _ : state) {
        auto ui = std::make_unique<KxUiQt>();
        auto run = std::make_unique<KxDbAppInstance>(ui.get());
        if (!run->start(options)) state.SkipWithError("start-up failed");
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(run->frame()->isVisible());

        // Closing the window is not start-up; the next run is a first run again.
        state.PauseTiming();
        run.reset();
        ui.reset();
        QCoreApplication::processEvents();
        std::filesystem::remove(options.settingsPath);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartUpToIdleWindow)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);
} // namespace

int main(int argc, char** argv) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    const TempDir home("bench-home");
    ::setenv("XDG_CONFIG_HOME", home.path().c_str(), 1); // the recent-file list stays out of the user's store

    const auto before = std::chrono::steady_clock::now();
    QApplication app(argc, argv);
    const auto made = std::chrono::steady_clock::now();
    std::cout << "application object: "
              << std::chrono::duration<double, std::milli>(made - before).count() << " ms\n";

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
