// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A lienzo over any QPainter, drawing in twips: used to save the picture as
// vectors (SVG), so lines stay sharp however the file is scaled or printed.

#include "codigos/Lienzo.h"

#include <QSizeF>

class QPainter;

namespace dibujo {

class LienzoPintor : public codigos::Lienzo {
public:
    // The painter's coordinates must already be twips; `interior` is the
    // inner area in twips, where drawing is clipped like the picture box's.
    LienzoPintor(QPainter& pintor, int anchoExterior, int altoExterior, QSizeF interior);

    void rellenar(codigos::Punto desde, codigos::Punto hasta, codigos::Color color) override;

protected:
    void rellenarFondo() override;
    void dibujarSegmento(codigos::Punto desde, codigos::Punto hasta, codigos::Color color) override;

private:
    QPainter& pintor_;
    QSizeF interior_;
};

} // namespace dibujo
