// SPDX-License-Identifier: GPL-3.0-or-later
// Help documents that used to freeze the help window: a huge spacing on 500
// paragraphs, and 20,000 pictures in one paragraph. Each is read and laid
// out as the help window lays it out. Run with QT_QPA_PLATFORM=offscreen.

#include "formatos/LectorRtf.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <QTextDocument>

#include "Medidas.h"

#include <benchmark/benchmark.h>

namespace {

QByteArray espacioEnorme()
{
    QByteArray r = "{\\rtf1 ";
    for (int i = 0; i < 500; ++i) r += "\\pard\\sb2147483647 p" + QByteArray::number(i) + "\\par ";
    return r + "}";
}

// A 1 x 1 PNG, 20,000 times in one paragraph.
QByteArray veinteMilImagenes()
{
    QImage punto(1, 1, QImage::Format_RGB32);
    punto.fill(Qt::red);
    QByteArray png;
    QBuffer b(&png);
    b.open(QIODevice::WriteOnly);
    punto.save(&b, "PNG");
    return "{\\rtf1 " + ("{\\pict\\pngblip " + png.toHex() + "}").repeated(20000) + "}";
}

QByteArray png(int lado)
{
    QImage imagen(lado, lado, QImage::Format_RGB32);
    imagen.fill(Qt::darkCyan);
    QByteArray bytes;
    QBuffer b(&bytes);
    b.open(QIODevice::WriteOnly);
    imagen.save(&b, "PNG");
    return bytes;
}

// Help files any student can drop in a shared start folder, meant to hang
// the help window or eat the memory.
QByteArray hostil(int caso)
{
    switch (caso) {
    case 0: return "{\\rtf1\\fs2000 " + QByteArray("letras enormes ").repeated(2000) + "}";
    case 1: return "{\\rtf1\\fs600 " + QByteArray("texto grande ").repeated(460 * 1024 / 13) + "}";
    case 2: return "{\\rtf1 " + QByteArray("\\pard\\sb5760\\sa5760 p\\par ").repeated(10000) + "}";
    case 3: {
        QByteArray fila = "\\trowd";
        for (int c = 1; c <= 50; ++c) fila += "\\cellx" + QByteArray::number(c * 200);
        fila += QByteArray("\\intbl x\\cell").repeated(50) + "\\row ";
        return "{\\rtf1 " + fila.repeated(200) + "\\pard fin}";
    }
    case 4:
        return "{\\rtf1 " + ("{\\pict\\pngblip\\picwgoal300\\pichgoal300 " + png(5000).toHex() + "}").repeated(40) +
               "}";
    default: return "{\\rtf1 " + QByteArray("palabra ").repeated(30 * 1024 * 1024 / 8) + "}";
    }
}

void leerYMaquetar(benchmark::State& state, const QByteArray& rtf, double zoom = 1)
{
    for (auto _ : state) {
        QTextDocument d;
        formatos::leerRtf(rtf, d, zoom);
        d.setTextWidth(770 * zoom);
        benchmark::DoNotOptimize(d.size());
        state.counters["caracteres"] = double(d.characterCount()); // 20,001 with the pictures
    }
}

void BM_EspacioEnorme(benchmark::State& state) { leerYMaquetar(state, espacioEnorme()); }
BENCHMARK(BM_EspacioEnorme)->Unit(benchmark::kMillisecond);

void BM_VeinteMilImagenes(benchmark::State& state) { leerYMaquetar(state, veinteMilImagenes()); }
BENCHMARK(BM_VeinteMilImagenes)->Unit(benchmark::kMillisecond);

// Each hostile help file, at 100 % and at 300 % (the zoom is remembered).
void BM_AyudaHostil(benchmark::State& state)
{
    static const QStringList kCasos{"letra de 1000 puntos", "460 KB a 300 puntos",        "10 000 parrafos espaciados",
                                    "10 000 celdas",        "40 imagenes de 5000 x 5000", "30 MB en un parrafo"};
    state.SetLabel(kCasos[int(state.range(0))].toStdString());
    leerYMaquetar(state, hostil(int(state.range(0))), double(state.range(1)));
}
BENCHMARK(BM_AyudaHostil)->ArgsProduct({{0, 1, 2, 3, 4, 5}, {1, 3}})->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

int main(int argc, char** argv) { return ejecutarBenchmarks<QGuiApplication>(argc, argv); }
