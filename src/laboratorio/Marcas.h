// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the laboratory's plots share: each code's own mark, so that curves
// and points are told apart without colour, and figures written in Spanish.

#include "codigos/CodigosLinea.h"

#include <QPointF>
#include <QString>

class QPainter;

namespace laboratorio {

// The code's mark centred on `c`, `r` from its centre to its edge, in the
// painter's pen (filled with it where the code's mark is solid).
void pintarMarca(QPainter& p, QPointF c, codigos::Codigo codigo, double r);

// "0,5", "1e-05": as the language writes numbers, `cifras` significant figures.
QString enCifras(double v, int cifras = 3);

} // namespace laboratorio
