// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Start-up: the program-wide references to the windows, each created on
// first use and wired to the others here, and the routine that opens the
// program.

#include "formularios/Formulario.h"

class VentanaPrincipal;
class VentanaEjercicios;
class VentanaAcerca;
class VentanaAyuda;
class VentanaLaboratorio;

namespace inicio {

// Creates and shows the main window.
void Main();

formularios::Referencia<VentanaPrincipal>& principal();
formularios::Referencia<::VentanaEjercicios>& VentanaEjercicios();
formularios::Referencia<VentanaAcerca>& acerca();
formularios::Referencia<VentanaAyuda>& ayu();
formularios::Referencia<VentanaLaboratorio>& laboratorio();

} // namespace inicio
