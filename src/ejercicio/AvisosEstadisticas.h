// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a window that counts answers tells the student about the statistics
// file, in Spanish: what opening it found, a save that failed (with the
// choice to try again or save a copy elsewhere) and a count at its largest.

#include "almacen/Estadisticas.h"

class QWidget;

namespace ejercicio {

// Opens the class's statistics for a window. Where the class's folder
// cannot hold them, says so, naming the folder and why, and offers to keep
// them in a folder of the student's own; then says what avisarCarga says.
almacen::Carga abrirConAvisos(QWidget* ventana, almacen::Estadisticas& estadisticas);

// What opening the statistics found: a file that cannot be read (then this
// session's counts are not saved), or what a hand edit left in it.
void avisarCarga(QWidget* ventana, const almacen::Carga& carga, const QString& ruta);

// After a counted answer or a reset the window goes on whatever the save's
// fate; on closing, a failed save may keep it open.
enum class Momento { TrasResponder, AlCerrar };

// Saves. After an answer, a failure is said once (what was not recorded is
// kept and goes with a later save, and the student is not told again until
// a save has worked); on closing, it offers to try again or to save a copy
// elsewhere. Returns whether the window
// may go on (closing, after a save or the user's choice).
bool guardarConAvisos(QWidget* ventana, almacen::Estadisticas& estadisticas, Momento momento);

void avisarSaturada(QWidget* ventana, const QString& ruta);

} // namespace ejercicio
