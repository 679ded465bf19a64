// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "formularios/DefinicionVentana.h"

namespace ejercicio {

// The teacher's class view "detalles": the students' counts with a bar for
// each percentage, the answers per code, and the export, report and delete
// buttons.
formularios::DefinicionVentana disenoVistaClase();

} // namespace ejercicio
