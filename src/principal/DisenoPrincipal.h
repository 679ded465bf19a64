// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "codigos/Trazas.h"
#include "dibujo/Color.h"
#include "formularios/DefinicionVentana.h"

namespace principal {

// The main window "principal" as designed, before any code runs.
formularios::DefinicionVentana disenoPrincipal();

// The drawing area's outer size, as the design places it.
constexpr int kAnchoPantalla = 8775;
constexpr int kAltoPantalla = 2535;

// The color of a trace's label while the trace is hidden.
constexpr codigos::Color kEtiquetaOculta = dibujo::kGris;

// Heights of the number frame: full, and cut down to its caption strip so
// that the number is hidden and the question beneath shows.
constexpr int kPersianaAbierta = 975;
constexpr int kPersianaCerrada = 250;

} // namespace principal
