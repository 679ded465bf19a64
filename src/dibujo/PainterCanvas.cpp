// SPDX-License-Identifier: GPL-3.0-or-later
#include "dibujo/PainterCanvas.h"

#include "dibujo/Colour.h"

#include <QPainter>

namespace dibujo {

PainterCanvas::PainterCanvas(QPainter& pintor, int anchoExterior, int altoExterior, QSizeF interior)
    : Canvas(anchoExterior, altoExterior), pintor_(pintor), interior_(interior)
{
    pintor_.setClipRect(QRectF(QPointF(0, 0), interior_));
}

void PainterCanvas::fill()
{
    pintor_.fillRect(QRectF(QPointF(0, 0), interior_), Qt::black);
}

void PainterCanvas::fillRect(linecode::Punto desde, linecode::Punto hasta, linecode::Colour colour)
{
    pintor_.fillRect(QRectF(QPointF(desde.x, desde.y), QPointF(hasta.x, hasta.y)).normalized(), qColor(colour));
}

void PainterCanvas::drawSegment(linecode::Punto desde, linecode::Punto hasta, linecode::Colour colour)
{
    if (desde == hasta) return; // a pen placement, not a line
    QPen pen(qColor(colour));
    pen.setCosmetic(true);
    pen.setWidth(1);
    pintor_.setPen(pen);
    pintor_.drawLine(QPointF(desde.x, desde.y), QPointF(hasta.x, hasta.y));
}

} // namespace dibujo
