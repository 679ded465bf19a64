// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "formularios/DefinicionVentana.h"

namespace ayuda {

// The help window "ayu" as designed.
formularios::DefinicionVentana disenoAyuda();

} // namespace ayuda
