#pragma once

#include <QApplication>

#include <benchmark/benchmark.h>

/// The main function of a Google Benchmark program that needs a Qt application:
/// widgets are created offscreen unless QT_QPA_PLATFORM says otherwise.
inline int runQtBenchmarks(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
