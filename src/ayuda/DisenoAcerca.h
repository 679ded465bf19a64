// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "formularios/DefinicionVentana.h"

namespace ayuda {

// The about window "acerca" as designed.
formularios::DefinicionVentana disenoAcerca();

// Where the about window first appears, in pixels from the screen's corner.
constexpr int kAcercaX = 265;
constexpr int kAcercaY = 240;

} // namespace ayuda
