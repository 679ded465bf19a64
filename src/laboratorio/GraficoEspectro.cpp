// SPDX-License-Identifier: GPL-3.0-or-later
#include "laboratorio/GraficoEspectro.h"

#include "laboratorio/DibujoCodigos.h"
#include "linecode/Espectro.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace laboratorio {

namespace {

// The density is drawn up to this value; the discrete lines of unipolar
// codes, CMI and RZ rise far above it and end in an arrow.
constexpr double kTope = 2.5;
// Design pixels, at 100 %.
constexpr int kMargenIzquierdo = 34; // the density's figures
constexpr int kMargenInferior = 22;  // the frequency marks
constexpr int kMargenSuperior = 22;  // the title
constexpr int kMargenDerecho = 10;
constexpr int kMarca = 3;            // a tick, the DC dot's radius, half an arrow head
constexpr int kSeparacion = 4;       // between an axis and its figures
constexpr int kAnchoRotulo = 60;     // room for one frequency mark
constexpr int kAltoRotulo = 16;
constexpr int kMuestraLeyenda = 16;  // the line beside a code's name
constexpr int kMargenLeyenda = 24;
const QColor kColorEjes(160, 160, 160);

// A discrete line (power at one frequency) stands out of the plot, and the
// Hann window spreads it over a bin either side only: two bins away the
// density is far lower. A broad hump above the top is no line.
bool esRaya(const std::vector<double>& d, int k)
{
    const auto en = [&](int i) { return i >= 0 && i < int(d.size()) ? d[std::size_t(i)] : 0.0; };
    return en(k) > kTope && en(k) > 3 * std::max(en(k - 2), en(k + 2));
}

} // namespace

GraficoEspectro::GraficoEspectro(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void GraficoEspectro::ponerCurvas(std::vector<Curva> curvas)
{
    curvas_ = std::move(curvas);
    update();
}

void GraficoEspectro::ponerZoom(double zoom)
{
    zoom_ = zoom;
    update();
}

int GraficoEspectro::px(int disenio) const
{
    return qRound(disenio * zoom_);
}

void GraficoEspectro::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), Qt::black);
    const QRect area = rect().adjusted(px(kMargenIzquierdo), px(kMargenSuperior), -px(kMargenDerecho), -px(kMargenInferior));
    pintarEjes(p, area);
    const auto x = [&](int k) { return area.left() + area.width() * double(k) / (linecode::kPuntosEspectro - 1); };
    const auto y = [&](double v) { return area.bottom() - area.height() * std::min(v, kTope) / kTope; };
    p.setRenderHint(QPainter::Antialiasing);
    for (const auto& [codigo, densidad] : curvas_) {
        QPen pen(colorCodigo(codigo));
        pen.setWidthF(zoom_ >= 2.0 ? 2.0 : 1.2);
        p.setPen(pen);
        QPainterPath camino;
        for (int k = 0; k < linecode::kPuntosEspectro; ++k) {
            const QPointF punto(x(k), y((*densidad)[k]));
            if (k == 0) camino.moveTo(punto);
            else camino.lineTo(punto);
            if (esRaya(*densidad, k)) {
                // An arrow at the top of the plot.
                const QPointF punta(x(k), area.top());
                p.drawLine(punta + QPointF(-px(kMarca), px(2 * kMarca)), punta);
                p.drawLine(punta + QPointF(px(kMarca), px(2 * kMarca)), punta);
            }
        }
        p.drawPath(camino);
        // The DC value, which says at a glance whether the code passes
        // through a transformer.
        p.setBrush(colorCodigo(codigo));
        p.drawEllipse(QPointF(x(0), y((*densidad)[0])), px(kMarca), px(kMarca));
        p.setBrush(Qt::NoBrush);
    }
    pintarLeyenda(p, area);
}

void GraficoEspectro::pintarEjes(QPainter& p, const QRect& area) const
{
    p.setPen(kColorEjes);
    p.drawLine(area.bottomLeft(), area.bottomRight());
    p.drawLine(area.bottomLeft(), area.topLeft());
    const QStringList marcas = {QStringLiteral("0"), QStringLiteral("fb/2"), QStringLiteral("fb"),
                                QStringLiteral("3fb/2"), QStringLiteral("2fb")};
    for (int i = 0; i < marcas.size(); ++i) {
        const int xm = area.left() + area.width() * i / int(marcas.size() - 1);
        p.drawLine(xm, area.bottom(), xm, area.bottom() + px(kMarca));
        p.drawText(QRect(xm - px(kAnchoRotulo) / 2, area.bottom() + px(kSeparacion), px(kAnchoRotulo), px(kAltoRotulo)),
                   Qt::AlignHCenter | Qt::AlignTop, marcas[i]);
    }
    for (int v = 0; v <= int(kTope); ++v) {
        const int ym = area.bottom() - qRound(area.height() * v / kTope);
        p.drawText(QRect(0, ym - px(kAltoRotulo) / 2, area.left() - px(kSeparacion), px(kAltoRotulo)),
                   Qt::AlignRight | Qt::AlignVCenter, QString::number(v));
    }
    p.drawText(QRect(area.left(), 0, area.width(), area.top()), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Densidad espectral de potencia (potencia media 1)"));
}

void GraficoEspectro::pintarLeyenda(QPainter& p, const QRect& area) const
{
    const int alto = p.fontMetrics().height();
    int fila = area.top() + alto + px(kSeparacion);
    for (const auto& curva : curvas_) {
        const QString nombre = QString::fromUtf8(linecode::nombreCodigo(curva.first));
        const int x = area.right() - p.fontMetrics().horizontalAdvance(nombre) - px(kMargenLeyenda);
        p.setPen(QPen(colorCodigo(curva.first), 2));
        p.drawLine(x, fila + alto / 2, x + px(kMuestraLeyenda), fila + alto / 2);
        p.drawText(QPoint(x + px(kMuestraLeyenda + kSeparacion), fila + p.fontMetrics().ascent()), nombre);
        fila += alto;
    }
}

} // namespace laboratorio
