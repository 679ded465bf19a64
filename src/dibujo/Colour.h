// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Colours are kept as the program writes them, &H00BBGGRR (red in the low
// byte), and turned into Qt colours only where a widget is painted.

#include "linecode/Canvas.h"

#include <QColor>

namespace dibujo {

using linecode::Colour;

QColor qColor(Colour c);

// Named colours of the windows' designs.
constexpr Colour kNegro = 0x00000000;
constexpr Colour kVerde = 0x0000FF00;
constexpr Colour kAmarillo = 0x0000FFFF;
constexpr Colour kRojo = 0x000000FF;
constexpr Colour kAzul = 0x00FF0000;
constexpr Colour kAzulOscuro = 0x00C00000;
constexpr Colour kVerdeOscuro = 0x00008000;
constexpr Colour kGris = 0x00808080;

} // namespace dibujo
