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

void LienzoPintor::rellenarFondo() { pintor_.fillRect(QRectF(QPointF(0, 0), interior_), Qt::black); }

void LienzoPintor::rellenar(codigos::Punto desde, codigos::Punto hasta, codigos::Color color)
{
    pintor_.fillRect(QRectF(QPointF(desde.x, desde.y), QPointF(hasta.x, hasta.y)).normalized(), qColor(color));
}

void LienzoPintor::dibujarSegmento(codigos::Punto desde, codigos::Punto hasta, codigos::Color color)
{
    if (desde == hasta) return; // a pen placement, not a line
    QPen pen(qColor(color));
    pen.setCosmetic(true);
    pen.setWidth(1);
    pintor_.setPen(pen);
    pintor_.drawLine(QPointF(desde.x, desde.y), QPointF(hasta.x, hasta.y));
}

} // namespace dibujo
