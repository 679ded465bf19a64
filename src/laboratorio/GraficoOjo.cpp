// SPDX-License-Identifier: GPL-3.0-or-later
#include "laboratorio/GraficoOjo.h"

#include "codigos/DatosCodigo.h"
#include "laboratorio/DibujoCodigos.h"
#include "laboratorio/Marcas.h"
#include "linea/Linea.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdint>

using codigos::Codigo;

namespace laboratorio {

namespace {

constexpr Grafico::Margenes kMargenes{30, 18, 10, 18};
constexpr int kAnchoFigura = 416, kAltoFigura = 196; // as in the laboratory at 100 %
// Room above the highest level and below the lowest for what overshoots.
constexpr double kHolgura = 1.5;
// A pixel's brightness grows as the square root of the traces through it,
// full from this share of the busiest pixel's count on, and never below
// the least, so that a stray trace still shows but noise does not drown
// the eye's lines.
constexpr double kSaturacion = 0.5;
constexpr double kBrilloMinimo = 0.12;

} // namespace

QImage figuraOjo(Codigo c, double perdidaDb)
{
    std::mt19937_64 azar(7);
    const std::string bits = linea::bitsAlAzar(2048, azar);
    linea::AjustesLinea ajustes;
    ajustes.perdidaDb = perdidaDb;
    GraficoOjo ojo;
    ojo.ponerOjo(c, linea::transmitir(c, codigos::codificar(c, bits), ajustes, azar));
    return ojo.comoImagen({kAnchoFigura, kAltoFigura});
}

GraficoOjo::GraficoOjo(QWidget* parent) : Grafico(kMargenes, parent) {}

void GraficoOjo::ponerOjo(Codigo c, std::vector<double> recibida)
{
    codigo_ = c;
    recibida_ = std::move(recibida);
    update();
}

double GraficoOjo::y(double nivel, const QRect& a) const
{
    const double tope = kHolgura * codigos::nivelMaximo(codigo_);
    return a.center().y() - a.height() / 2.0 * std::clamp(nivel / tope, -1.0, 1.0);
}

// The receiver's thresholds, dashed over the traces.
void GraficoOjo::pintarDatos(QPainter& p, const QRect& a) const
{
    p.setPen(QPen(colorEjes(), 1, Qt::DashLine));
    for (double u : linea::umbrales(codigo_)) p.drawLine(QPointF(a.left(), y(u, a)), QPointF(a.right(), y(u, a)));
}

// The traces as a persistence screen shows them: each pixel as bright as
// the number of traces through it. Counting beats drawing thousands of
// translucent lines by two orders of magnitude. Every bit is both the
// first and the second of a trace, so one bit's counts serve both halves.
QImage GraficoOjo::trazos(QSize tamano) const
{
    const int alto = tamano.height(), porBit = (tamano.width() - 1) / 2; // columns a bit spans
    QImage imagen(tamano, QImage::Format_RGB32);
    imagen.fill(Qt::black);
    if (porBit < 1 || alto < 2) return imagen;
    const int columnas = porBit + 1;
    std::vector<std::uint16_t> cuenta(std::size_t(columnas * alto), 0); // a trace passes a pixel once at most
    constexpr int n = linea::kMuestrasPorBit;
    // Every sample's row, and every column's sample and share of the way
    // to the next: the inner loop, run for thousands of bits, only mixes.
    const double medio = (alto - 1) / 2.0, porNivel = alto / 2.0 / (kHolgura * codigos::nivelMaximo(codigo_));
    std::vector<float> filas(recibida_.size());
    for (std::size_t i = 0; i < recibida_.size(); ++i) filas[i] = float(medio - porNivel * recibida_[i]);
    std::vector<int> muestra(std::size_t(columnas), 0);
    std::vector<float> parte(std::size_t(columnas), 0);
    for (int columna = 0; columna < columnas; ++columna) {
        const double t = columna * double(n) / porBit;
        muestra[std::size_t(columna)] = std::min(int(t), n - 1);
        parte[std::size_t(columna)] = float(t - muestra[std::size_t(columna)]);
    }
    const auto enFila = [alto](float v) { return std::clamp(int(v + 0.5f), 0, alto - 1); };
    const std::size_t hasta = std::min(filas.size(), std::size_t(UINT16_MAX) * n); // so that no count wraps
    for (std::size_t inicio = 0; inicio + n < hasta; inicio += n) {
        const float* trazo = filas.data() + inicio;
        int antes = enFila(trazo[0]);
        for (int columna = 0; columna < columnas; ++columna) {
            // Between two samples the trace runs straight; a steep stretch
            // fills the column from where the last one ended.
            const int k = muestra[std::size_t(columna)];
            const int ahora = enFila(trazo[k] + parte[std::size_t(columna)] * (trazo[k + 1] - trazo[k]));
            std::uint16_t* enColumna = cuenta.data() + std::size_t(columna) * std::size_t(alto); // rows side by side
            for (int f = std::min(antes, ahora); f <= std::max(antes, ahora); ++f) ++enColumna[f];
            antes = ahora;
        }
    }
    const int maximo = *std::max_element(cuenta.begin(), cuenta.end());
    const double lleno = std::max(1.0, maximo * kSaturacion);
    const QColor color = colorCodigo(codigo_);
    for (int f = 0; f < alto; ++f) {
        auto* linea = reinterpret_cast<QRgb*>(imagen.scanLine(f));
        for (int columna = 0; columna < columnas; ++columna) {
            const int c = cuenta[std::size_t(columna) * std::size_t(alto) + std::size_t(f)];
            if (c == 0) continue;
            const double brillo = std::clamp(std::sqrt(c / lleno), kBrilloMinimo, 1.0);
            const QRgb rgb =
                qRgb(qRound(color.red() * brillo), qRound(color.green() * brillo), qRound(color.blue() * brillo));
            linea[columna] = linea[columna + porBit] = rgb;
        }
    }
    return imagen;
}

// The traces, the code's levels on the left and the two bits' starts and
// ends below.
void GraficoOjo::pintarEjes(QPainter& p, const QRect& a) const
{
    p.drawImage(a.topLeft(), trazos(a.size()));
    p.setPen(colorEjes());
    p.drawRect(a);
    const codigos::DatosCodigo& datos = codigos::datosCodigo(codigo_);
    for (int i = 0; i < datos.cuantosNiveles; ++i) {
        const int ym = qRound(y(datos.niveles[std::size_t(i)], a));
        p.drawLine(a.left() - px(kMarca), ym, a.left(), ym);
        p.drawText(QRect(0, ym - px(kAltoRotulo) / 2, a.left() - px(kSeparacion), px(kAltoRotulo)),
                   Qt::AlignRight | Qt::AlignVCenter, enCifras(datos.niveles[std::size_t(i)]));
    }
    for (int bit = 0; bit <= 2; ++bit) {
        const int xm = a.left() + a.width() * bit / 2;
        p.drawLine(xm, a.bottom(), xm, a.bottom() + px(kMarca));
        p.drawText(QRect(xm - px(kAnchoRotulo) / 2, a.bottom() + px(kSeparacion), px(kAnchoRotulo), px(kAltoRotulo)),
                   Qt::AlignHCenter | Qt::AlignTop, QString::number(bit));
    }
    p.drawText(QRect(a.left(), 0, a.width(), a.top()), Qt::AlignLeft | Qt::AlignVCenter,
               tr("Ojo de %1: %2 bits al azar, dos bits por trazo")
                   .arg(QString::fromStdString(codigos::nombreVisible(codigo_)))
                   .arg(recibida_.size() / linea::kMuestrasPorBit));
}

} // namespace laboratorio
