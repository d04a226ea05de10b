// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <benchmark/benchmark.h>

#include <QApplication>

// Runs the registered benchmarks inside a QApplication; windows are built offscreen
// unless QT_QPA_PLATFORM names another platform.
inline int runWidgetBenchmarks(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
