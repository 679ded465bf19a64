// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main() of every benchmark program: Qt's application of the kind the
// program needs (offscreen unless told otherwise), then the benchmarks.

#include "Herramienta.h"

#include <QCoreApplication>

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

// Closes a window and deletes it at once: a benchmark runs no event loop,
// and a closed window left for it would go on following the exercise model
// and redraw in every later measurement.
template <typename Ventana>
void cerrarDelTodo(Ventana* ventana)
{
    ventana->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
