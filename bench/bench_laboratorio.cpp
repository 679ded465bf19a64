// SPDX-License-Identifier: GPL-3.0-or-later
// The code laboratory's speed: coding and drawing 4,096 bits in all
// thirteen codes, one spectrum, opening the window, and the line: 4,096
// bits through it with their eye, and a step of the cable's slider.

#include "codigos/Espectro.h"
#include "laboratorio/DibujoCodigos.h"
#include "laboratorio/GraficoOjo.h"
#include "laboratorio/VentanaLaboratorio.h"
#include "linea/Linea.h"

#include <QApplication>
#include <QCheckBox>
#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QRandomGenerator>
#include <QSlider>

#include "Medidas.h"

#include <benchmark/benchmark.h>

namespace {

using namespace codigos;

// The window's drawing area at 100 %: the part of the drawing in view.
const QSize kVista(696, 236);

// From the moment the window is asked for until it is on screen. The first
// opening in a run also estimates the spectra of the codes it opens with.
void abrir(benchmark::State& state)
{
    for (auto _ : state) {
        auto* lab = new laboratorio::VentanaLaboratorio;
        lab->cargar();
        lab->show();
        QCoreApplication::processEvents();
        state.PauseTiming();
        cerrarDelTodo(lab);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
}

void BM_PrimeraApertura(benchmark::State& state) { abrir(state); }
BENCHMARK(BM_PrimeraApertura)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_AbrirLaboratorio(benchmark::State& state) { abrir(state); }
BENCHMARK(BM_AbrirLaboratorio)->Unit(benchmark::kMillisecond);

std::string bitsAlAzar(int n)
{
    QRandomGenerator azar(4096);
    std::string bits(std::size_t(n), '0');
    for (char& b : bits) b = azar.bounded(2) ? '1' : '0';
    return bits;
}

// 4,096 random bits coded in the thirteen codes, nothing more.
void BM_Codificar13(benchmark::State& state)
{
    const std::string bits = bitsAlAzar(4096);
    for (auto _ : state)
        for (Codigo c : kTodosLosCodigos) benchmark::DoNotOptimize(codificar(c, bits));
}
BENCHMARK(BM_Codificar13)->Unit(benchmark::kMicrosecond);

// One key typed at the end of a 4,095-bit input with all thirteen codes
// chosen, as the keyboard delivers it, until the window has repainted: a
// 1 and a backspace by turns.
void BM_TeclaEn4096(benchmark::State& state)
{
    auto* lab = new laboratorio::VentanaLaboratorio;
    lab->cargar();
    lab->show();
    auto* lista = lab->findChild<QListWidget*>(QStringLiteral("codigo"));
    for (int i = 0; i < lista->count(); ++i) lista->item(i)->setCheckState(Qt::Checked);
    auto* bits = lab->findChild<QLineEdit*>(QStringLiteral("bits"));
    QApplication::setActiveWindow(lab);
    bits->setFocus();
    bits->setText(QString::fromStdString(bitsAlAzar(4095)));
    bits->end(false);
    QCoreApplication::processEvents();
    int i = 0;
    for (auto _ : state) {
        const bool borrar = i++ % 2 == 1;
        QKeyEvent pulsa(QEvent::KeyPress, borrar ? Qt::Key_Backspace : Qt::Key_1, Qt::NoModifier,
                        borrar ? QString() : QStringLiteral("1"));
        QApplication::sendEvent(bits, &pulsa);
        QCoreApplication::processEvents();
    }
    cerrarDelTodo(lab);
}
BENCHMARK(BM_TeclaEn4096)->Unit(benchmark::kMillisecond);

// 4,096 random bits coded in the thirteen codes, checked for violations,
// and the view of the stacked drawing painted, desplazado to the middle.
void BM_TrecePor4096(benchmark::State& state)
{
    const std::string bits = bitsAlAzar(4096);
    laboratorio::DibujoCodigos dibujo;
    QImage imagen(kVista, QImage::Format_RGB32);
    const QPoint medio(-dibujo.centroDe(0, 2048, 0).x(), 0);
    for (auto _ : state) {
        std::vector<laboratorio::LineaDibujada> lineas;
        for (Codigo c : kTodosLosCodigos) {
            auto pasos = codificar(c, bits);
            auto v = violaciones(c, pasos);
            lineas.emplace_back(c, std::move(pasos), std::move(v));
        }
        dibujo.ponerLineas(std::move(lineas), bits);
        dibujo.render(&imagen, {}, QRegion(QRect(-medio, kVista)));
        benchmark::DoNotOptimize(imagen.constBits());
    }
}
BENCHMARK(BM_TrecePor4096)->Unit(benchmark::kMillisecond);

// 4,096 bits of HDB3 through 12 dB of cable, a transformer at 1 % and
// noise at 10 dB, decided, with their eye measured and drawn at the
// window's size for it at 100 %.
void BM_LineaYOjo(benchmark::State& state)
{
    const std::vector<Paso> enviada = codificar(Codigo::Hdb3, bitsAlAzar(4096));
    linea::AjustesLinea ajustes;
    ajustes.perdidaDb = 12;
    ajustes.acoplamiento = 0.01;
    ajustes.ebn0Db = 10;
    laboratorio::GraficoOjo ojo;
    ojo.resize(416, 196);
    QImage imagen(ojo.size(), QImage::Format_RGB32);
    std::mt19937_64 azar(1);
    for (auto _ : state) {
        std::vector<double> llegada = linea::transmitir(Codigo::Hdb3, enviada, ajustes, azar);
        benchmark::DoNotOptimize(linea::decidir(Codigo::Hdb3, llegada));
        benchmark::DoNotOptimize(linea::medirOjo(Codigo::Hdb3, enviada, llegada));
        ojo.ponerOjo(Codigo::Hdb3, std::move(llegada));
        ojo.render(&imagen);
        benchmark::DoNotOptimize(imagen.constBits());
    }
}
BENCHMARK(BM_LineaYOjo)->Unit(benchmark::kMillisecond);

// One step of the cable's slider in the window as it opens, with what
// arrives and the recovered clock drawn, until the window has repainted:
// up and down by turns between 10 and 11 dB.
void BM_PasoDelCable(benchmark::State& state)
{
    auto* lab = new laboratorio::VentanaLaboratorio;
    lab->cargar();
    lab->show();
    for (const char* casilla : {"recibida", "reloj"})
        lab->findChild<QCheckBox*>(QLatin1String(casilla))->setChecked(true);
    auto* cable = lab->findChild<QSlider*>(QStringLiteral("perdida"));
    cable->setValue(10);
    QApplication::setActiveWindow(lab);
    cable->setFocus();
    QCoreApplication::processEvents();
    int i = 0;
    for (auto _ : state) {
        QKeyEvent pulsa(QEvent::KeyPress, i++ % 2 == 0 ? Qt::Key_Right : Qt::Key_Left, Qt::NoModifier);
        QApplication::sendEvent(cable, &pulsa);
        QCoreApplication::processEvents();
    }
    cerrarDelTodo(lab);
}
BENCHMARK(BM_PasoDelCable)->Unit(benchmark::kMillisecond);

void BM_Espectro(benchmark::State& state)
{
    for (auto _ : state) benchmark::DoNotOptimize(densidadEspectral(Codigo::Hdb3, kBitsEspectro));
}
BENCHMARK(BM_Espectro)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) { return ejecutarBenchmarks<QApplication>(argc, argv); }
