// SPDX-License-Identifier: GPL-3.0-or-later
#include "laboratorio/Grafico.h"

#include <QPainter>

namespace laboratorio {

Grafico::Grafico(Margenes margenes, QWidget* parent) : DibujoAmpliable(parent), margenes_(margenes)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Grafico::ponerZoom(double zoom)
{
    guardarZoom(zoom);
    update();
}

QRect Grafico::area() const
{
    return rect().adjusted(px(margenes_.izquierdo), px(margenes_.superior), -px(margenes_.derecho) - reservaDerecha(),
                           -px(margenes_.inferior));
}

void Grafico::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), Qt::black);
    const QRect a = area();
    pintarEjes(p, a);
    p.setRenderHint(QPainter::Antialiasing);
    p.save();
    p.setClipRect(a.adjusted(-px(kMarca), -px(kMarca), px(kMarca), px(kMarca)));
    pintarDatos(p, a);
    p.restore();
    pintarEncima(p, a);
}

QImage Grafico::comoImagen(QSize tamano)
{
    resize(tamano);
    QImage imagen(tamano, QImage::Format_RGB32);
    render(&imagen);
    return imagen;
}

} // namespace laboratorio
