// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "formularios/DefinicionVentana.h"

namespace entrenador {

// The trainer window "entrenador" as designed, in the state it loads in.
formularios::DefinicionVentana disenoEntrenador();

} // namespace entrenador
