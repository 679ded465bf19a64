// SPDX-License-Identifier: GPL-3.0-or-later
#include "laboratorio/GraficoEspectro.h"

#include "codigos/DatosCodigo.h"
#include "codigos/Espectro.h"
#include "laboratorio/DibujoCodigos.h"
#include "laboratorio/Marcas.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <map>

using codigos::Codigo;
using codigos::kPuntosEspectro;

namespace laboratorio {

namespace {

// Design pixels, at 100 %.
// Left, the density's figures and title; above, the note on how the plot
// was made; below, the frequency's figures and title.
constexpr Grafico::Margenes kMargenes{46, 18, 10, 30};
constexpr int kMuestraLeyenda = 22; // the line beside a code's name

// Points a bin apart: one mark every so many, staggered from code to code
// so that curves lying on each other still show each one's marks.
constexpr int kCadaMarca = 16;
constexpr int kPuntosPorFb = (kPuntosEspectro - 1) / 2;
// Decibels shown below the top of the scale.
constexpr double kRangoDb = 50.0;
// Headroom above the highest curve on the linear scale.
constexpr double kHolgura = 1.03;

// Within two bins of a multiple of the bit rate, where the Hann window
// spreads a discrete line of the codes that have them.
bool cercaDeRaya(Codigo c, int k)
{
    const int resto = k % kPuntosPorFb;
    return codigos::tieneRayas(c) && (resto <= 2 || resto >= kPuntosPorFb - 2);
}

double frecuencia(int k) { return 2.0 * k / (kPuntosEspectro - 1); }

// The smallest round figure at or above v: halves up to 2.5, then units.
double redondearArriba(double v) { return v <= 2.5 ? std::ceil(v * 2) / 2 : std::ceil(v); }

// "65 536", with a space that does not break, as Spanish groups figures.
QString cifrasAgrupadas(int n)
{
    return QString::number(n / 1000) + QChar(0x00A0) + QString::number(n % 1000).rightJustified(3, QLatin1Char('0'));
}

} // namespace

GraficoEspectro::GraficoEspectro(QWidget* parent) : Grafico(kMargenes, parent) {}

void GraficoEspectro::ponerCurvas(std::vector<Curva> curvas)
{
    if (curvas == curvas_) return; // a new bit string leaves the densities as they were
    curvas_ = std::move(curvas);
    ajustarEscala();
    update();
}

void GraficoEspectro::ponerEscala(EscalaEspectro escala)
{
    escala_ = escala;
    ajustarEscala();
    update();
}

// Linear: the top fits the highest estimate or closed form, discrete lines
// aside (they are arrows). Decibels: the top fits everything, lines
// included, and the scale shows kRangoDb below it.
void GraficoEspectro::ajustarEscala()
{
    double maximo = 0;
    for (const auto& [codigo, densidad] : curvas_)
        for (int k = 0; k < kPuntosEspectro; ++k) {
            const double teoria = codigos::densidadTeorica(codigo, frecuencia(k)).value_or(0.0);
            const double estimada = (*densidad)[std::size_t(k)];
            maximo = std::max(
                {maximo, teoria, escala_ == EscalaEspectro::Lineal && cercaDeRaya(codigo, k) ? 0.0 : estimada});
        }
    if (escala_ == EscalaEspectro::Lineal) {
        tope_ = redondearArriba(std::max(maximo, 0.5) * kHolgura);
        suelo_ = 0;
    } else {
        tope_ = std::ceil(10 * std::log10(std::max(maximo, 1e-3)) / 10) * 10;
        suelo_ = tope_ - kRangoDb;
    }
}

// A density as the scale shows it; below the decibel floor it rests there.
double GraficoEspectro::valor(double densidad) const
{
    if (escala_ == EscalaEspectro::Lineal) return densidad;
    return densidad > 0 ? std::max(suelo_, 10 * std::log10(densidad)) : suelo_;
}

double GraficoEspectro::y(double densidad, const QRect& a) const
{
    const double v = std::min(valor(densidad), tope_);
    return a.bottom() - a.height() * (v - suelo_) / (tope_ - suelo_);
}

void GraficoEspectro::pintarDatos(QPainter& p, const QRect& a) const
{
    for (const Curva& curva : curvas_) pintarCurva(p, a, curva);
}

// The discrete lines' arrows and the legend.
void GraficoEspectro::pintarEncima(QPainter& p, const QRect& a) const
{
    pintarRayas(p, a);
    pintarLeyenda(p, a);
}

void GraficoEspectro::pintarEjes(QPainter& p, const QRect& a) const
{
    p.setPen(colorEjes());
    p.drawLine(a.bottomLeft(), a.bottomRight());
    p.drawLine(a.bottomLeft(), a.topLeft());
    for (int medio = 0; medio <= 4; ++medio) {
        const int xm = a.left() + a.width() * medio / 4;
        p.drawLine(xm, a.bottom(), xm, a.bottom() + px(kMarca));
        p.drawText(QRect(xm - px(kAnchoRotulo) / 2, a.bottom() + px(kSeparacion), px(kAnchoRotulo), px(kAltoRotulo)),
                   Qt::AlignHCenter | Qt::AlignTop, enCifras(medio / 2.0));
    }
    p.drawText(QRect(a.left(), a.bottom() + px(kSeparacion + kAltoRotulo), a.width(), px(kAltoRotulo)),
               Qt::AlignRight | Qt::AlignTop, QStringLiteral("f / fb"));

    const bool lineal = escala_ == EscalaEspectro::Lineal;
    const double paso = lineal ? (tope_ <= 3 ? 0.5 : 1.0) : 10.0;
    for (double v = suelo_; v <= tope_ + 1e-9; v += paso) {
        const int ym = a.bottom() - qRound(a.height() * (v - suelo_) / (tope_ - suelo_));
        p.drawLine(a.left() - px(kMarca), ym, a.left(), ym);
        p.drawText(QRect(0, ym - px(kAltoRotulo) / 2, a.left() - px(kSeparacion), px(kAltoRotulo)),
                   Qt::AlignRight | Qt::AlignVCenter, enCifras(v));
    }
    // The density's title runs up the left edge.
    p.save();
    p.translate(0, a.center().y());
    p.rotate(-90);
    p.drawText(QRect(-a.height() / 2 - px(kMargenes.superior), 0, a.height() + px(kMargenes.superior), px(kAltoRotulo)),
               Qt::AlignCenter, lineal ? tr("densidad espectral (potencia media 1)") : tr("dB (potencia media 1)"));
    p.restore();
    p.drawText(
        QRect(a.left(), 0, a.width(), a.top()), Qt::AlignLeft | Qt::AlignVCenter,
        tr("Estimada con %1 bits al azar; a trazos, la fórmula teórica.").arg(cifrasAgrupadas(codigos::kBitsEspectro)));
}

// The estimate, solid, with the code's marks (one at 0 Hz, which tells at
// a glance whether the code passes a transformer); the closed form dashed.
void GraficoEspectro::pintarCurva(QPainter& p, const QRect& a, const Curva& curva) const
{
    const auto& [codigo, densidad] = curva;
    const int escalon = static_cast<int>(codigo); // a code keeps its marks' places whatever else is chosen
    const auto x = [&](int k) { return a.left() + a.width() * double(k) / (kPuntosEspectro - 1); };
    QPen pen(colorCodigo(codigo));
    pen.setWidthF(trazoGrueso() ? 2.0 : 1.2);
    p.setPen(pen);
    QPainterPath estimada, teorica;
    const bool hayTeoria = codigos::densidadTeorica(codigo, 0).has_value();
    for (int k = 0; k < kPuntosEspectro; ++k) {
        const QPointF punto(x(k), y((*densidad)[std::size_t(k)], a));
        k == 0 ? estimada.moveTo(punto) : estimada.lineTo(punto);
        if (hayTeoria) {
            const QPointF t(x(k), y(*codigos::densidadTeorica(codigo, frecuencia(k)), a));
            k == 0 ? teorica.moveTo(t) : teorica.lineTo(t);
        }
    }
    p.drawPath(estimada);
    for (int k = 0; k < kPuntosEspectro; k += k == 0 ? 1 + (escalon * 5) % kCadaMarca : kCadaMarca)
        pintarMarca(p, QPointF(x(k), y((*densidad)[std::size_t(k)], a)), codigo, px(kMarca));
    pen.setStyle(Qt::DashLine);
    pen.setWidthF(trazoGrueso() ? 1.5 : 1.0);
    p.setPen(pen);
    p.drawPath(teorica);
}

// On the linear scale a discrete line rises far above the top: an arrow
// there says so. Codes with a line at the same frequency stand side by side.
void GraficoEspectro::pintarRayas(QPainter& p, const QRect& a) const
{
    if (escala_ != EscalaEspectro::Lineal) return;
    std::map<int, std::vector<Codigo>> porFrecuencia;
    for (const auto& [codigo, densidad] : curvas_)
        for (int k = 0; k < kPuntosEspectro; k += kPuntosPorFb)
            if (cercaDeRaya(codigo, k) && (*densidad)[std::size_t(k)] > tope_) porFrecuencia[k].push_back(codigo);
    for (const auto& [k, codigos] : porFrecuencia)
        for (std::size_t j = 0; j < codigos.size(); ++j) {
            const double desplazamiento = (double(j) - (codigos.size() - 1) / 2.0) * 3 * px(kMarca);
            const QPointF punta(a.left() + a.width() * double(k) / (kPuntosEspectro - 1) + desplazamiento, a.top());
            QPen pen(colorCodigo(codigos[j]));
            pen.setWidthF(trazoGrueso() ? 2.0 : 1.2);
            p.setPen(pen);
            p.drawLine(punta + QPointF(0, px(4 * kMarca)), punta);
            p.drawLine(punta + QPointF(-px(kMarca), px(2 * kMarca)), punta);
            p.drawLine(punta + QPointF(px(kMarca), px(2 * kMarca)), punta);
        }
}

// Beside the plot, one row per code, so that no curve lies under it.
int GraficoEspectro::anchoLeyenda() const
{
    int ancho = 0;
    for (const auto& curva : curvas_)
        ancho = std::max(ancho, fontMetrics().horizontalAdvance(nombreEnLeyenda(curva.first)));
    return curvas_.empty() ? 0 : px(kMuestraLeyenda + 2 * kSeparacion) + ancho;
}

QString GraficoEspectro::nombreEnLeyenda(Codigo c)
{
    const QString nombre = QString::fromStdString(codigos::nombreVisible(c));
    return codigos::densidadTeorica(c, 0) ? nombre : nombre + tr(" (solo estimada)");
}

void GraficoEspectro::pintarLeyenda(QPainter& p, const QRect& a) const
{
    const QFontMetrics fm = p.fontMetrics();
    const int x = a.right() + px(2 * kSeparacion);
    for (int i = 0; i < int(curvas_.size()); ++i) {
        const Codigo c = curvas_[std::size_t(i)].first;
        const int fila = a.top() + i * fm.height();
        QPen pen(colorCodigo(c));
        pen.setWidthF(1.5);
        p.setPen(pen);
        p.drawLine(x, fila + fm.height() / 2, x + px(kMuestraLeyenda), fila + fm.height() / 2);
        pintarMarca(p, QPointF(x + px(kMuestraLeyenda) / 2.0, fila + fm.height() / 2.0), c, px(kMarca));
        p.drawText(QPoint(x + px(kMuestraLeyenda + kSeparacion), fila + fm.ascent()), nombreEnLeyenda(c));
    }
}

} // namespace laboratorio
