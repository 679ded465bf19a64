#pragma once
// Start-up and the program-wide references to the windows.

#include "forms/Formulario.h"

class Principal;

namespace inicio {

// Creates and shows the main window.
void Main();

forms::Referencia<Principal>& principal();

} // namespace inicio
