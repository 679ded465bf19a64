// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A canvas over any QPainter, drawing in twips: used to save the picture as
// vectors (SVG), so lines stay sharp however the file is scaled or printed.

#include "linecode/Canvas.h"

#include <QSizeF>

class QPainter;

namespace dibujo {

class PainterCanvas : public linecode::Canvas {
public:
    // The painter's coordinates must already be twips; `interior` is the
    // inner area in twips, where drawing is clipped like the picture box's.
    PainterCanvas(QPainter& pintor, int anchoExterior, int altoExterior, QSizeF interior);

    void fillRect(linecode::Punto desde, linecode::Punto hasta, linecode::Colour colour) override;

protected:
    void fill() override;
    void drawSegment(linecode::Punto desde, linecode::Punto hasta, linecode::Colour colour) override;

private:
    QPainter& pintor_;
    QSizeF interior_;
};

} // namespace dibujo
