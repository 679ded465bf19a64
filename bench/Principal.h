// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main() of every benchmark program: Qt's application of the kind the
// program needs (offscreen unless told otherwise), then the benchmarks.

#include <QByteArray>

#include <benchmark/benchmark.h>

template <typename Aplicacion>
int ejecutarBenchmarks(int argc, char** argv)
{
    if (qgetenv("QT_QPA_PLATFORM").isEmpty()) qputenv("QT_QPA_PLATFORM", "offscreen");
    Aplicacion app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
