// SPDX-License-Identifier: GPL-3.0-or-later
#include "linecode/Canvas.h"

namespace linecode {

void Canvas::clear()
{
    fill();
    pen_ = {};
}

void Canvas::line(Punto desde, Punto hasta, Colour colour)
{
    drawSegment(desde, hasta, colour);
    pen_ = hasta;
}

void Canvas::lineTo(Punto hasta, Colour colour)
{
    line(pen_, hasta, colour);
}

} // namespace linecode
