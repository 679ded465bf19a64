#pragma once
// Start-up and the program-wide references to the windows.

#include "forms/Formulario.h"

class Principal;
class Ejerc;
class Acerca;
class Ayu;

namespace inicio {

// Creates and shows the main window.
void Main();

forms::Referencia<Principal>& principal();
forms::Referencia<::Ejerc>& Ejerc();
forms::Referencia<Acerca>& acerca();
forms::Referencia<Ayu>& ayu();

} // namespace inicio
