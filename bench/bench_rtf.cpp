// SPDX-License-Identifier: GPL-3.0-or-later
// Help documents that used to freeze the help window: a huge spacing on 500
// paragraphs, and 20,000 pictures in one paragraph. Each is read and laid
// out as the help window lays it out. Run with QT_QPA_PLATFORM=offscreen.

#include "formatos/LectorRtf.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <QTextDocument>

#include "Principal.h"

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

void leerYMaquetar(benchmark::State& state, const QByteArray& rtf)
{
    for (auto _ : state) {
        QTextDocument d;
        formatos::leerRtf(rtf, d);
        d.setTextWidth(770);
        benchmark::DoNotOptimize(d.size());
        state.counters["caracteres"] = double(d.characterCount()); // 20,001 with the pictures
    }
}

void BM_EspacioEnorme(benchmark::State& state)
{
    leerYMaquetar(state, espacioEnorme());
}
BENCHMARK(BM_EspacioEnorme)->Unit(benchmark::kMillisecond);

void BM_VeinteMilImagenes(benchmark::State& state)
{
    leerYMaquetar(state, veinteMilImagenes());
}
BENCHMARK(BM_VeinteMilImagenes)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return ejecutarBenchmarks<QGuiApplication>(argc, argv);
}
