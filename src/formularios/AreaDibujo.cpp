// SPDX-License-Identifier: GPL-3.0-or-later
#include "formularios/AreaDibujo.h"

#include "formularios/Zoom.h"

#include <QPainter>

namespace formularios {

AreaDibujo::AreaDibujo(int anchoTwips, int altoTwips, QWidget* parent)
    : CuadroImagen(parent), lienzo_(anchoTwips, altoTwips, 0)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

dibujo::LienzoImagen& AreaDibujo::lienzo()
{
    // Keep the image the size of the inner area at the screen's pixel ratio.
    lienzo_.redimensionar(contentsRect().size(), devicePixelRatioF(), Zoom::actual().factor());
    return lienzo_;
}

void AreaDibujo::presentar()
{
    fresco_ = true;
    dibujada_ = true;
    if (!pintando_) update(contentsRect());
}

void AreaDibujo::paintEvent(QPaintEvent* e)
{
    if (!fresco_ && redibujar_) {
        pintando_ = true;
        redibujar_();
        pintando_ = false;
    }
    fresco_ = false;
    {
        QPainter p(this);
        p.drawImage(contentsRect().topLeft(), lienzo().imagen());
    }
    CuadroImagen::paintEvent(e);
}

// Before its first drawing there is nothing to keep: the focus that comes
// with the window's first showing must not hold that drawing back.
void AreaDibujo::focusInEvent(QFocusEvent* e)
{
    fresco_ = dibujada_;
    CuadroImagen::focusInEvent(e);
}

void AreaDibujo::focusOutEvent(QFocusEvent* e)
{
    fresco_ = dibujada_;
    CuadroImagen::focusOutEvent(e);
}

} // namespace formularios
