#pragma once

// The main of a benchmark of widgets: an offscreen application around
// Google Benchmark's run.
#include <QApplication>

#include <benchmark/benchmark.h>

#define VORN_QT_BENCHMARK_MAIN()                                                                   \
    int main(int argc, char** argv) {                                                              \
        qputenv("QT_QPA_PLATFORM", "offscreen");                                                   \
        QApplication app(argc, argv);                                                              \
        benchmark::Initialize(&argc, argv);                                                        \
        benchmark::RunSpecifiedBenchmarks();                                                       \
        benchmark::Shutdown();                                                                     \
        return 0;                                                                                  \
    }
