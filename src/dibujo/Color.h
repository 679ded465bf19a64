// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Colours are kept as the program writes them, &H00BBGGRR (red in the low
// byte), and turned into Qt colours only where a widget is painted.

#include "codigos/Lienzo.h"

#include <QColor>

namespace dibujo {

using codigos::Color;

QColor qColor(Color c);

// Named colours of the windows' designs.
constexpr Color kNegro = 0x00000000;
constexpr Color kVerde = 0x0000FF00;
constexpr Color kAmarillo = 0x0000FFFF;
constexpr Color kRojo = 0x000000FF;
constexpr Color kAzul = 0x00FF0000;
constexpr Color kAzulOscuro = 0x00C00000;
constexpr Color kVerdeOscuro = 0x00008000;
constexpr Color kGris = 0x00808080;

} // namespace dibujo
