// SPDX-License-Identifier: GPL-3.0-or-later
#include "codigos/Lienzo.h"

namespace codigos {

void Lienzo::clear()
{
    fill();
    pen_ = {};
}

void Lienzo::line(Punto desde, Punto hasta, Color colour)
{
    drawSegment(desde, hasta, colour);
    pen_ = hasta;
}

void Lienzo::lineTo(Punto hasta, Color colour)
{
    line(pen_, hasta, colour);
}

} // namespace codigos
