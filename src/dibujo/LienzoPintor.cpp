// SPDX-License-Identifier: GPL-3.0-or-later
#include "dibujo/LienzoPintor.h"

#include "dibujo/Color.h"

#include <QPainter>

namespace dibujo {

LienzoPintor::LienzoPintor(QPainter& pintor, int anchoExterior, int altoExterior, QSizeF interior)
    : Lienzo(anchoExterior, altoExterior), pintor_(pintor), interior_(interior)
{
    pintor_.setClipRect(QRectF(QPointF(0, 0), interior_));
}

void LienzoPintor::fill()
{
    pintor_.fillRect(QRectF(QPointF(0, 0), interior_), Qt::black);
}

void LienzoPintor::fillRect(codigos::Punto desde, codigos::Punto hasta, codigos::Color colour)
{
    pintor_.fillRect(QRectF(QPointF(desde.x, desde.y), QPointF(hasta.x, hasta.y)).normalized(), qColor(colour));
}

void LienzoPintor::drawSegment(codigos::Punto desde, codigos::Punto hasta, codigos::Color colour)
{
    if (desde == hasta) return; // a pen placement, not a line
    QPen pen(qColor(colour));
    pen.setCosmetic(true);
    pen.setWidth(1);
    pintor_.setPen(pen);
    pintor_.drawLine(QPointF(desde.x, desde.y), QPointF(hasta.x, hasta.y));
}

} // namespace dibujo
