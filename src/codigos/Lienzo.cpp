// SPDX-License-Identifier: GPL-3.0-or-later
#include "codigos/Lienzo.h"

namespace codigos {

void Lienzo::borrar()
{
    rellenarFondo();
    pen_ = {};
}

void Lienzo::linea(Punto desde, Punto hasta, Color color)
{
    dibujarSegmento(desde, hasta, color);
    pen_ = hasta;
}

void Lienzo::lineaHasta(Punto hasta, Color color) { linea(pen_, hasta, color); }

} // namespace codigos
