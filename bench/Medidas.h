// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main() of every benchmark program: Qt's application of the kind the
// program needs (offscreen unless told otherwise), then the benchmarks.

#include "Herramienta.h"

#include <benchmark/benchmark.h>

template <typename Aplicacion>
int ejecutarBenchmarks(int argc, char** argv)
{
    return conAplicacion<Aplicacion>(argc, argv, false, [&] {
        benchmark::Initialize(&argc, argv);
        benchmark::RunSpecifiedBenchmarks();
        benchmark::Shutdown();
        return 0;
    });
}
