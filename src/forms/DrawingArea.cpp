// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/DrawingArea.h"

#include "forms/Accesibilidad.h"
#include "forms/Zoom.h"

#include <QPainter>

namespace forms {

DrawingArea::DrawingArea(int anchoTwips, int altoTwips, QWidget* parent)
    : PictureBox(parent), canvas_(anchoTwips, altoTwips, 0)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

dibujo::ImageCanvas& DrawingArea::canvas()
{
    // Keep the image the size of the inner area at the screen's pixel ratio.
    canvas_.redimensionar(contentsRect().size(), devicePixelRatioF(), Zoom::actual().factor());
    return canvas_;
}

void DrawingArea::presentar()
{
    fresco_ = true;
    if (!pintando_) update(contentsRect());
}

void DrawingArea::paintEvent(QPaintEvent* e)
{
    if (!fresco_ && redibujar_) {
        pintando_ = true;
        redibujar_();
        pintando_ = false;
    }
    fresco_ = false;
    {
        QPainter p(this);
        p.drawImage(contentsRect().topLeft(), canvas().imagen());
    }
    PictureBox::paintEvent(e);
}

void DrawingArea::focusInEvent(QFocusEvent* e)
{
    fresco_ = true;
    PictureBox::focusInEvent(e);
}

void DrawingArea::focusOutEvent(QFocusEvent* e)
{
    fresco_ = true;
    PictureBox::focusOutEvent(e);
}

} // namespace forms
