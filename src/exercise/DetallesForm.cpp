// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercise/DetallesForm.h"

using namespace forms;

forms::FormDef detallesForm()
{
    FormDef f = formulario("detalles", "Detalles de la clase", 9600, 6600);
    f.controles = {
        control("tabla", Tipo::Tabla, {}, 120, 120, 9360, 3480).enTab(0),
        control("codigos", Tipo::Tabla, {}, 120, 3720, 9360, 2160).enTab(1),
        control("exportar", Tipo::Boton, {}, 120, 6000, 1935, 375).conTexto("Exportar CSV…").enTab(2),
        control("imprimir", Tipo::Boton, {}, 2160, 6000, 1935, 375).conTexto("Informe PDF…").enTab(3),
        control("borrar", Tipo::Boton, {}, 7545, 6000, 1935, 375).conTexto("Borrar alumno").enTab(4),
    };
    return f;
}
