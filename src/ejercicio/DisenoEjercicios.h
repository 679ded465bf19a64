// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "formularios/DefinicionVentana.h"
#include "modelo/Ejercicio.h"

namespace ejercicio {

// The exercise window "Ejerc" as designed, in the state it loads in.
formularios::DefinicionVentana disenoEjercicios();

} // namespace ejercicio
