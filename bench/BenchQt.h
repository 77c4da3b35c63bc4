#pragma once
// What the widget benchmarks share: one application object on the offscreen platform, and
// the silent user interface of runs that nobody watches.

#include "app/KxSilentUi.h"

#include <QApplication>

inline void startQt() {
    static int argc = 1;
    static char name[] = "rolva_bench";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    if (!QCoreApplication::instance()) new QApplication(argc, argv); // lives for the whole run
}
