// SPDX-License-Identifier: GPL-3.0-or-later
// The cost of one full redraw of the drawing area, against the floor of
// clearing the same image. Run with QT_QPA_PLATFORM=offscreen.

#include "codigos/Trazador.h"
#include "dibujo/LienzoImagen.h"
#include "entrenador/DibujoEntrenador.h"
#include "entrenador/VentanaEntrenador.h"
#include "formularios/AreaDibujo.h"
#include "inicio/inicio.h"
#include "modelo/Ejercicio.h"
#include "principal/VentanaPrincipal.h"

#include <QApplication>
#include <QKeyEvent>

#include "Medidas.h"

#include <benchmark/benchmark.h>

namespace {

constexpr codigos::Visibles kTodas{true, true, true, true, true};

// The window's inner drawing area: 8775 x 2535 twips less a 2-pixel border.
dibujo::LienzoImagen lienzoDeVentana()
{
    dibujo::LienzoImagen c(8775, 2535, 0);
    c.redimensionar(QSize(581, 165), 1.0);
    return c;
}

void BM_Borrado(benchmark::State& state)
{
    auto lienzo = lienzoDeVentana();
    for (auto _ : state) {
        lienzo.borrar();
        benchmark::DoNotOptimize(lienzo.imagen().constBits());
    }
}
BENCHMARK(BM_Borrado);

void BM_Pintar(benchmark::State& state)
{
    auto lienzo = lienzoDeVentana();
    codigos::EstadoPantalla estado;
    estado.semiperiodo = static_cast<int>(state.range(0));
    for (auto _ : state) {
        auto d = codigos::pintar(lienzo, estado, kTodas, "8421");
        benchmark::DoNotOptimize(d);
    }
}
BENCHMARK(BM_Pintar)->Arg(40)->Arg(240);

void BM_SoloRejilla(benchmark::State& state)
{
    auto lienzo = lienzoDeVentana();
    codigos::EstadoPantalla estado;
    estado.semiperiodo = 40;
    for (auto _ : state) benchmark::DoNotOptimize(codigos::pintar(lienzo, estado, {}, "8421"));
}
BENCHMARK(BM_SoloRejilla);

// The window's own actualizarPantalla: the plotter plus the binary and HDB3 texts and
// the labels.
void BM_ActualizarPantalla(benchmark::State& state)
{
    inicio::Main();
    principal::VentanaPrincipal* p = inicio::principal().cargar();
    auto& modelo = inicio::modeloEjercicio();
    modelo.ponerNumero(QStringLiteral("8421"));
    modelo.ponerPeriodo(static_cast<int>(state.range(0)) / modelo::Ejercicio::kTwipsPorPasoPeriodo);
    for (auto _ : state) p->actualizarPantalla();
    cerrarDelTodo(p);
}
BENCHMARK(BM_ActualizarPantalla)->Arg(40)->Arg(240);

// One typed digit, as the keyboard delivers it: the key preview, the number
// scrolling in and the full redraw.
void BM_Tecla(benchmark::State& state)
{
    inicio::Main();
    principal::VentanaPrincipal* p = inicio::principal().cargar();
    QWidget* area = p->findChild<QWidget*>("Pantalla");
    area->setFocus();
    QApplication::setActiveWindow(p);
    int i = 0;
    for (auto _ : state) {
        const QString digito = QString::number(i++ % 16, 16);
        QKeyEvent pulsa(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, digito);
        QApplication::sendEvent(QApplication::focusWidget() ? QApplication::focusWidget() : area, &pulsa);
    }
    cerrarDelTodo(p);
}
BENCHMARK(BM_Tecla);

// A new exercise in the trainer, 32 bits, drawing mode: the bits drawn at
// random, the window's texts and the drawing painted, as the student sees it.
void BM_NuevoEjercicioEntrenador(benchmark::State& state)
{
    inicio::Main();
    auto* ventana = inicio::entrenador().cargar();
    ventana->show();
    auto& entrenamiento = ventana->entrenamiento();
    entrenamiento.ponerModo(entrenador::Modo::Dibujar);
    entrenamiento.ponerLongitud(32);
    auto* dibujo = ventana->findChild<entrenador::DibujoEntrenador*>();
    for (auto _ : state) {
        entrenamiento.nuevo();
        benchmark::DoNotOptimize(dibujo->grab());
    }
    cerrarDelTodo(ventana);
    cerrarDelTodo(inicio::principal().cargar());
}
BENCHMARK(BM_NuevoEjercicioEntrenador)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) { return ejecutarBenchmarks<QApplication>(argc, argv); }
