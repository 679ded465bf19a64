// SPDX-License-Identifier: GPL-3.0-or-later
// A teacher's question bank for Moodle: 200 questions over the 13 codes,
// drawn, pictured and written as XML, as `tramavox --moodle` does.

#include "preguntas/BancoMoodle.h"

#include <QApplication>

#include "Medidas.h"

#include <benchmark/benchmark.h>

namespace {

void BM_Exportar200(benchmark::State& state)
{
    preguntas::Pedido pedido;
    pedido.preguntas = 200;
    std::uint64_t semilla = 1;
    qint64 bytes = 0;
    for (auto _ : state) {
        pedido.semilla = semilla++;
        bytes = preguntas::bancoMoodle(preguntas::generarPreguntas(pedido)).size();
    }
    state.counters["MB"] = double(bytes) / 1e6;
}
BENCHMARK(BM_Exportar200)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) { return ejecutarBenchmarks<QApplication>(argc, argv); }
