#pragma once

#include "platform/program_font.h"

#include <QApplication>

#include <benchmark/benchmark.h>

namespace zorv::bench {

// Runs the registered benchmarks inside a QApplication, on the offscreen platform unless another
// is asked for, with the program font installed, as the windows are drawn in the program.
inline int runWindowBenchmarks(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // Windows come and go between iterations; the application must outlive them all.
    QApplication::setQuitOnLastWindowClosed(false);
    installProgramFont();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

} // namespace zorv::bench
