#pragma once
#include "forms/FormDef.h"

namespace forms {

// The exercise window "Ejerc" as designed, in the state it loads in.
FormDef ejercForm();

// The option buttons of the code choice, by index.
enum CodigoEjercicio { CodigoNrz, CodigoRz, CodigoAmi, CodigoHdb3, CodigoAleatorio, kCodigos };

} // namespace forms
