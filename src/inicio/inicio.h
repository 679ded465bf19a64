// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Start-up: the program-wide references to the windows, each created on
// first use and wired to the others here, and the routine that opens the
// program.

#include "formularios/Formulario.h"

namespace principal {
class VentanaPrincipal;
}
namespace almacen {
class Estadisticas;
}
namespace ejercicio {
class VentanaEjercicios;
} // namespace ejercicio
namespace ayuda {
class VentanaAcerca;
class VentanaAyuda;
} // namespace ayuda
namespace laboratorio {
class VentanaLaboratorio;
}
namespace modelo {
class Ejercicio;
}
namespace entrenador {
class VentanaEntrenador;
}

namespace inicio {

// Creates and shows the main window.
void Main();

formularios::Referencia<principal::VentanaPrincipal>& principal();
formularios::Referencia<ejercicio::VentanaEjercicios>& ejercicios();
formularios::Referencia<ayuda::VentanaAcerca>& acerca();
formularios::Referencia<ayuda::VentanaAyuda>& ayuda();
formularios::Referencia<laboratorio::VentanaLaboratorio>& laboratorio();
formularios::Referencia<entrenador::VentanaEntrenador>& entrenador();

// The exercise the main window draws and the exercise window drills, for
// the whole run.
modelo::Ejercicio& modeloEjercicio();

// The class's statistics ("puntos.pnt" and its log), for the whole run: every
// window that counts answers shares them.
almacen::Estadisticas& estadisticas();

} // namespace inicio
