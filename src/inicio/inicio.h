// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Start-up: the program-wide references to the windows, each created on
// first use and wired to the others here, and the routine that opens the
// program.

#include "forms/Formulario.h"

class Principal;
class Ejerc;
class Acerca;
class Ayu;
class Laboratorio;

namespace inicio {

// Creates and shows the main window.
void Main();

forms::Referencia<Principal>& principal();
forms::Referencia<::Ejerc>& Ejerc();
forms::Referencia<Acerca>& acerca();
forms::Referencia<Ayu>& ayu();
forms::Referencia<Laboratorio>& laboratorio();

} // namespace inicio
