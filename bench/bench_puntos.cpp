// SPDX-License-Identifier: GPL-3.0-or-later
// The statistics of a large class: the save after one answer (lock, read,
// merge, write, flush, log) and the opening of the teacher's class view,
// each with 10,000 students. Run with QT_QPA_PLATFORM=offscreen.

#include "exercise/Detalles.h"
#include "exercise/Ejerc.h"
#include "exercise/PuntosCompartidos.h"
#include "inicio/inicio.h"
#include "mainwindow/Principal.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "Principal.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int kAlumnos = 10000;

QByteArray clase()
{
    QByteArray r;
    for (int i = 0; i < kAlumnos; ++i)
        r += QByteArray("Alumno " + QByteArray::number(i)).leftJustified(40, ' ') + " " + QByteArray::number(20 + i % 9) +
             " " + QByteArray::number(i % 17) + "\r\n";
    return r;
}

QByteArray historial()
{
    QByteArray r = ejercicio::kCabeceraHistorial;
    const char* codigos[] = {"NRZ", "RZ", "AMI", "HDB3"};
    for (int i = 0; i < kAlumnos; ++i)
        r += "2026-12-06T10:00:00,Alumno " + QByteArray::number(i) + "," + codigos[i % 4] + ",8421,8421,bien\r\n";
    return r;
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
    const ejercicio::RespuestaContada respuesta{QDateTime::currentDateTime(), tabla.nombres[7], "HDB3", "8421", "8421", true};
    qint64 total = 0;
    for (auto _ : state) {
        tabla.totales[7] = QString::number(++total + 1000);
        const auto hecho = puntos.guardar(tabla, {respuesta});
        if (!hecho.error.isEmpty()) state.SkipWithError(qPrintable(hecho.error));
    }
}
BENCHMARK(BM_GuardarTrasUnaRespuesta)->Unit(benchmark::kMillisecond);

// From the click on "Detalles" to the view on screen: reading the log,
// building the rows and both tables, the first layout and paint.
void BM_AbrirVistaDeLaClase(benchmark::State& state)
{
    QTemporaryDir dir;
    QDir::setCurrent(dir.path());
    escribir("puntos.pnt", clase());
    escribir("historial.csv", historial());
    inicio::Main();
    Principal* p = inicio::principal().cargar();
    p->findChild<QAction*>("prop")->trigger();
    Ejerc* e = inicio::Ejerc().cargar();
    for (auto _ : state) {
        auto* d = new Detalles(*e);
        d->cargar();
        d->show();
        QCoreApplication::processEvents();
        state.PauseTiming();
        d->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
    p->close();
}
BENCHMARK(BM_AbrirVistaDeLaClase)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return ejecutarBenchmarks<QApplication>(argc, argv);
}
