// SPDX-License-Identifier: GPL-3.0-or-later
#include "ayuda/DisenoAyuda.h"

using namespace formularios;

namespace ayuda {

formularios::DefinicionVentana disenoAyuda()
{
    DefinicionVentana f = formulario("ayu", "Ayuda", 11880, 5655);
    f.cierraConEsc = true;
    f.dispuesta = true;
    // Until the load handler reads the help, the box holds a placeholder.
    f.controles = {
        control("ayutext", Tipo::TextoEnriquecido)
            .conTexto("RichTextBox1")
            .enTab(0)
            .accesible("Texto de ayuda", "Cómo se usa el programa y la teoría de los códigos de línea"),
    };
    return f;
}

} // namespace ayuda
