// SPDX-License-Identifier: GPL-3.0-or-later
// The statistics of a large class: the save after one answer (lock, read,
// merge, write, flush, log) and the opening of the teacher's class view,
// each with 10,000 students, the view with a log of 10,000 and of a
// million answers. Run with QT_QPA_PLATFORM=offscreen.

#include "ejercicio/Estadisticas.h"
#include "ejercicio/PuntosCompartidos.h"
#include "ejercicio/VentanaEjercicios.h"
#include "ejercicio/VistaClase.h"
#include "inicio/inicio.h"
#include "principal/VentanaPrincipal.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>

#include "Medidas.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int kAlumnos = 10000;

QByteArray clase()
{
    QByteArray r;
    for (int i = 0; i < kAlumnos; ++i)
        r += QByteArray("Alumno " + QByteArray::number(i)).leftJustified(40, ' ') + " " +
             QByteArray::number(20 + i % 9) + " " + QByteArray::number(i % 17) + "\r\n";
    return r;
}

QByteArray historial(int respuestas)
{
    QByteArray r = ejercicio::kCabeceraHistorial;
    const char* codigos[] = {"NRZ", "RZ", "AMI", "HDB3"};
    for (int i = 0; i < respuestas; ++i)
        r += "2026-12-06T10:00:00,Alumno " + QByteArray::number(i % kAlumnos) + "," + codigos[i % 4] + ",8421,8421," +
             (i % 3 ? "bien" : "mal") + "\r\n";
    return r;
}

// The process's memory high-water mark, in MB, since the last reset.
double picoDeMemoriaMB()
{
    QFile estado("/proc/self/status");
    if (!estado.open(QIODevice::ReadOnly)) return 0;
    for (const QByteArray& linea : estado.readAll().split('\n'))
        if (linea.startsWith("VmHWM:")) return linea.mid(6).trimmed().split(' ').value(0).toDouble() / 1024;
    return 0;
}

void reiniciarPicoDeMemoria()
{
    QFile f("/proc/self/clear_refs");
    if (f.open(QIODevice::WriteOnly)) f.write("5");
}

void escribir(const QString& ruta, const QByteArray& contenido)
{
    QFile f(ruta);
    if (f.open(QIODevice::WriteOnly)) f.write(contenido);
}

void BM_GuardarTrasUnaRespuesta(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString ruta = dir.filePath("puntos.pnt");
    escribir(ruta, clase());
    ejercicio::PuntosCompartidos puntos(ruta);
    ejercicio::TablaAlumnos tabla = puntos.cargar().tabla;
    const ejercicio::RespuestaContada respuesta{
        QDateTime::currentDateTime(), tabla.nombres[7], "HDB3", "8421", "8421", true};
    qint64 total = 0;
    for (auto _ : state) {
        tabla.totales[7] = modelo::Cuenta(++total + 1000);
        const auto hecho = puntos.guardar(tabla, {respuesta});
        if (!hecho.error.isEmpty()) state.SkipWithError(qPrintable(hecho.error));
    }
}
BENCHMARK(BM_GuardarTrasUnaRespuesta)->Unit(benchmark::kMillisecond);

// From the click on "Detalles" to the view on screen: reading the log,
// building the rows and both tables, the first layout and paint. The
// argument is the number of answers in the log; "pico_MB" is the whole
// program's memory high-water mark while the view opens.
void BM_AbrirVistaDeLaClase(benchmark::State& state)
{
    QTemporaryDir dir;
    QDir::setCurrent(dir.path());
    escribir("puntos.pnt", clase());
    escribir("historial.csv", historial(int(state.range(0))));
    inicio::Main();
    principal::VentanaPrincipal* p = inicio::principal().cargar();
    p->findChild<QAction*>("prop")->trigger();
    double pico = 0;
    for (auto _ : state) {
        reiniciarPicoDeMemoria();
        auto* d = new ejercicio::VistaClase(inicio::estadisticas());
        d->cargar();
        d->show();
        QCoreApplication::processEvents();
        state.PauseTiming();
        pico = std::max(pico, picoDeMemoriaMB());
        d->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
    cerrarDelTodo(p);
    state.counters["pico_MB"] = pico;
}
BENCHMARK(BM_AbrirVistaDeLaClase)->Arg(10000)->Arg(1000000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) { return ejecutarBenchmarks<QApplication>(argc, argv); }
