// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a window that counts answers tells the student about the statistics
// file, in Spanish: what opening it found, a save that failed (with the
// choice to try again or save a copy elsewhere) and a count at its largest.

#include "ejercicio/Estadisticas.h"

class QWidget;

namespace ejercicio {

// What opening the statistics found: a file that cannot be read (then this
// session's counts are not saved), or what a hand edit left in it.
void avisarCarga(QWidget* ventana, const Carga& carga, const QString& ruta);

// After a counted answer or a reset the window goes on whatever the save's
// fate; on closing, a failed save may keep it open.
enum class Momento { TrasResponder, AlCerrar };

// Saves, offering to try again or to save a copy elsewhere when it fails;
// what was not saved stays for the next save. Returns whether the window
// may go on (closing, after a save or the user's choice).
bool guardarConAvisos(QWidget* ventana, Estadisticas& estadisticas, Momento momento);

void avisarSaturada(QWidget* ventana, const QString& ruta);

} // namespace ejercicio
