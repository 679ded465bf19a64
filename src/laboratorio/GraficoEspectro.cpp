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
constexpr int kMargenIzquierdo = 34; // design pixels
constexpr int kMargenInferior = 22;
constexpr int kMargenSuperior = 22; // the title's line
constexpr int kMargenDerecho = 10;
constexpr int kPuntoContinua = 3;
const QColor kColorEjes(160, 160, 160);

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

void GraficoEspectro::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), Qt::black);
    const QRect area = rect().adjusted(qRound(kMargenIzquierdo * zoom_), qRound(kMargenSuperior * zoom_),
                                       -qRound(kMargenDerecho * zoom_), -qRound(kMargenInferior * zoom_));
    pintarEjes(p, area);
    const auto x = [&](int k) { return area.left() + area.width() * double(k) / (linecode::kPuntosEspectro - 1); };
    const auto y = [&](double v) { return area.bottom() - area.height() * std::min(v, kTope) / kTope; };
    p.setRenderHint(QPainter::Antialiasing);
    for (const auto& [codigo, densidad] : curvas_) {
        QPen pen(colorCodigo(codigo));
        pen.setWidthF(zoom_ >= 2.0 ? 2.0 : 1.2);
        p.setPen(pen);
        QPainterPath camino;
        camino.moveTo(x(0), y((*densidad)[0]));
        for (int k = 1; k < linecode::kPuntosEspectro; ++k) {
            camino.lineTo(x(k), y((*densidad)[k]));
            if ((*densidad)[k] > kTope) {
                // A spectral line: an arrow at the top of the plot.
                p.drawLine(QPointF(x(k) - 3 * zoom_, area.top() + 4 * zoom_), QPointF(x(k), area.top()));
                p.drawLine(QPointF(x(k) + 3 * zoom_, area.top() + 4 * zoom_), QPointF(x(k), area.top()));
            }
        }
        p.drawPath(camino);
        // The DC value, which says at a glance whether the code passes
        // through a transformer.
        p.setBrush(colorCodigo(codigo));
        p.drawEllipse(QPointF(x(0), y((*densidad)[0])), kPuntoContinua * zoom_, kPuntoContinua * zoom_);
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
        const int xm = area.left() + area.width() * i / (marcas.size() - 1);
        p.drawLine(xm, area.bottom(), xm, area.bottom() + qRound(3 * zoom_));
        p.drawText(QRect(xm - qRound(30 * zoom_), area.bottom() + qRound(4 * zoom_), qRound(60 * zoom_), qRound(16 * zoom_)),
                   Qt::AlignHCenter | Qt::AlignTop, marcas[i]);
    }
    for (int v = 0; v <= int(kTope); ++v) {
        const int ym = area.bottom() - qRound(area.height() * v / kTope);
        p.drawText(QRect(0, ym - qRound(8 * zoom_), area.left() - qRound(4 * zoom_), qRound(16 * zoom_)),
                   Qt::AlignRight | Qt::AlignVCenter, QString::number(v));
    }
    p.drawText(QRect(area.left(), 0, area.width(), area.top()), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Densidad espectral de potencia (potencia media 1)"));
}

void GraficoEspectro::pintarLeyenda(QPainter& p, const QRect& area) const
{
    const int alto = p.fontMetrics().height();
    int fila = area.top() + alto + qRound(4 * zoom_);
    for (const auto& curva : curvas_) {
        const QString nombre = QString::fromUtf8(linecode::nombreCodigo(curva.first));
        const int ancho = p.fontMetrics().horizontalAdvance(nombre);
        const int x = area.right() - ancho - qRound(24 * zoom_);
        p.setPen(QPen(colorCodigo(curva.first), 2));
        p.drawLine(x, fila + alto / 2, x + qRound(16 * zoom_), fila + alto / 2);
        p.drawText(QPoint(x + qRound(20 * zoom_), fila + p.fontMetrics().ascent()), nombre);
        fila += alto;
    }
}

} // namespace laboratorio
