// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The design of the code laboratory window "lab".

#include "formularios/DefinicionVentana.h"

namespace laboratorio {

formularios::DefinicionVentana disenoLaboratorio();

} // namespace laboratorio
