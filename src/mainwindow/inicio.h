#pragma once
// Start-up and the program-wide references to the windows.

#include "forms/Formulario.h"

class Principal;
class Ejerc;

namespace inicio {

// Creates and shows the main window.
void Main();

forms::Referencia<Principal>& principal();
forms::Referencia<::Ejerc>& Ejerc();

} // namespace inicio
