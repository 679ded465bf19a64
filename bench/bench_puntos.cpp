// SPDX-License-Identifier: GPL-3.0-or-later
// A class of 30 desks over a school year: 300,000 answers in 3,000 record
// files (one for each time a desk opened the program). Opening the class
// as the exercise window does, recording one answer, and opening the
// teacher's class view on it. The class is made in a temporary folder, or
// in TRAMAVOX_CLASE_BENCH (a folder on a mounted share, say). Run with
// QT_QPA_PLATFORM=offscreen.

#include "almacen/AlmacenClase.h"
#include "almacen/Estadisticas.h"
#include "ejercicio/VistaClase.h"
#include "inicio/inicio.h"
#include "principal/VentanaPrincipal.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <memory>

#include "Medidas.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int kPuestos = 30, kSesiones = 3000, kRespuestasPorSesion = 100;

void escribir(const QString& ruta, const QByteArray& contenido)
{
    QFile f(ruta);
    if (f.open(QIODevice::WriteOnly)) f.write(contenido);
}

// The class's folder, made once for every benchmark.
QString carpetaDeLaClase()
{
    static std::unique_ptr<QTemporaryDir> temporal;
    static QString carpeta;
    if (!carpeta.isEmpty()) return carpeta;
    carpeta = qEnvironmentVariable("TRAMAVOX_CLASE_BENCH");
    if (carpeta.isEmpty()) {
        temporal = std::make_unique<QTemporaryDir>();
        carpeta = temporal->path();
    }
    QDir(carpeta + "/.tramavox").removeRecursively();
    QDir().mkpath(carpeta + "/.tramavox");
    QByteArray puntos;
    for (int i = 0; i < kPuestos; ++i)
        puntos += QByteArray("Alumno " + QByteArray::number(i)).leftJustified(40, ' ') + " 0 0\r\n";
    escribir(carpeta + "/puntos.pnt", puntos);
    QFile::remove(carpeta + "/historial.csv");
    const char* codigos[] = {"NRZ", "RZ", "AMI", "HDB3"};
    QDateTime cuando = QDateTime::fromString("2026-09-15T08:00:00Z", Qt::ISODate);
    for (int s = 0; s < kSesiones; ++s) {
        const QString id = QStringLiteral("puesto%1-sesion%2").arg(s % kPuestos).arg(s);
        almacen::Evento e;
        QByteArray bytes;
        if (s == 0) {
            e.tipo = almacen::Evento::Tipo::Inicio;
            e.orden = 1;
            e.puntos = puntos;
            e.respuesta.cuando = cuando;
            bytes += almacen::codificar(e);
        }
        for (int r = 0; r < kRespuestasPorSesion; ++r) {
            e = almacen::Evento();
            e.orden = r + 2;
            e.respuesta = {cuando = cuando.addSecs(7),
                           "Alumno " + QString::number(s % kPuestos),
                           codigos[r % 4],
                           "8421",
                           r % 3 ? "8421" : "8420",
                           r % 3 != 0};
            bytes += almacen::codificar(e);
        }
        e = almacen::Evento();
        e.tipo = almacen::Evento::Tipo::Fin;
        e.orden = kRespuestasPorSesion + 2;
        e.respuesta.cuando = cuando;
        bytes += almacen::codificar(e);
        escribir(carpeta + "/.tramavox/" + id + ".reg", bytes);
    }
    return carpeta;
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

// What the exercise window does as it opens: every desk's records read and
// the class worked out.
void BM_AbrirLaClase(benchmark::State& state)
{
    const QString ruta = carpetaDeLaClase() + "/puntos.pnt";
    double pico = 0;
    for (auto _ : state) {
        reiniciarPicoDeMemoria();
        almacen::AlmacenClase almacen(ruta);
        if (const QString error = almacen.abrir(); !error.isEmpty()) state.SkipWithError(qPrintable(error));
        benchmark::DoNotOptimize(almacen.vista().tabla.num_alumnos());
        pico = std::max(pico, picoDeMemoriaMB());
        state.PauseTiming();
        almacen.cerrar();
        state.ResumeTiming();
    }
    state.counters["pico_MB"] = pico;
}
BENCHMARK(BM_AbrirLaClase)->Unit(benchmark::kMillisecond)->Iterations(5);

// One answer: what the other desks added read, the answer and the new
// summary flushed to this desk's file, and "puntos.pnt" replaced.
void BM_RegistrarUnaRespuesta(benchmark::State& state)
{
    almacen::AlmacenClase almacen(carpetaDeLaClase() + "/puntos.pnt");
    if (const QString error = almacen.abrir(); !error.isEmpty()) state.SkipWithError(qPrintable(error));
    almacen::Evento respuesta;
    respuesta.respuesta = {QDateTime::currentDateTimeUtc(), "Alumno 7", "HDB3", "8421", "8421", true};
    for (auto _ : state)
        if (const QString error = almacen.registrar({respuesta}); !error.isEmpty())
            state.SkipWithError(qPrintable(error));
    almacen.cerrar();
}
BENCHMARK(BM_RegistrarUnaRespuesta)->Unit(benchmark::kMillisecond);

// From the click on "Detalles" to the view on screen, with the class open:
// the answers per code from every record, the rows and both tables, the
// first layout and paint. "pico_MB" is the whole program's memory
// high-water mark while the view opens.
void BM_AbrirVistaDeLaClase(benchmark::State& state)
{
    QDir::setCurrent(carpetaDeLaClase());
    inicio::Main();
    principal::VentanaPrincipal* p = inicio::principal().cargar();
    p->findChild<QAction*>("prop")->trigger();
    double pico = 0;
    for (auto _ : state) {
        reiniciarPicoDeMemoria();
        inicio::estadisticas().guardar();
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
BENCHMARK(BM_AbrirVistaDeLaClase)->Unit(benchmark::kMillisecond);

// The open class view reading the class again, as it does every few
// seconds: the work on the window's thread for one refresh with nothing new,
// and with one answer from another desk.
void BM_RefrescarVistaDeLaClase(benchmark::State& state)
{
    QDir::setCurrent(carpetaDeLaClase());
    inicio::Main();
    principal::VentanaPrincipal* p = inicio::principal().cargar();
    p->findChild<QAction*>("prop")->trigger();
    auto* d = new ejercicio::VistaClase(inicio::estadisticas());
    d->cargar();
    d->show();
    QCoreApplication::processEvents();
    almacen::AlmacenClase otro(carpetaDeLaClase() + "/puntos.pnt");
    if (const QString error = otro.abrir(); !error.isEmpty()) state.SkipWithError(qPrintable(error));
    almacen::Evento respuesta;
    respuesta.respuesta = {QDateTime::currentDateTimeUtc(), "Alumno 3", "AMI", "0F0F", "0F0F", true};
    for (auto _ : state) {
        if (state.range(0) != 0) {
            state.PauseTiming();
            otro.registrar({respuesta});
            state.ResumeTiming();
        }
        // The share is read on a worker thread: the time on this thread is the CPU column.
        d->refrescar();
        bool leido = false;
        inicio::estadisticas().releerAparte([&leido](bool) { leido = true; });
        while (!leido) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        QCoreApplication::processEvents();
    }
    otro.cerrar();
    d->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    cerrarDelTodo(p);
}
BENCHMARK(BM_RefrescarVistaDeLaClase)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) { return ejecutarBenchmarks<QApplication>(argc, argv); }
