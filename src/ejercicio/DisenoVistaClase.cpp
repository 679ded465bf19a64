// SPDX-License-Identifier: GPL-3.0-or-later
#include "ejercicio/DisenoVistaClase.h"

using namespace formularios;

namespace ejercicio {

formularios::DefinicionVentana disenoVistaClase()
{
    DefinicionVentana f = formulario("detalles", "Detalles de la clase", 9600, 6600);
    f.cierraConEsc = true;
    f.redimensionable = true;
    f.controles = {
        control("tabla", Tipo::Tabla, {}, 120, 120, 9360, 3240)
            .enTab(0)
            .accesible("Estadísticas de la clase",
                       "Total, aciertos, errores y porcentaje de cada alumno; pulsa una cabecera para ordenar"),
        control("desde", Tipo::Etiqueta, {}, 120, 3420, 9360, 255).enTab(5),
        control("codigos", Tipo::Tabla, {}, 120, 3720, 9360, 2160)
            .enTab(1)
            .accesible("Respuestas por código", "Aciertos y errores de cada alumno en NRZ, RZ, AMI y HDB3"),
        control("exportar", Tipo::Boton, {}, 120, 6000, 1935, 375)
            .conTexto("Exportar CSV…")
            .enTab(2)
            .accesible("Exportar CSV", "Guarda la tabla para una hoja de cálculo"),
        control("imprimir", Tipo::Boton, {}, 2160, 6000, 1935, 375)
            .conTexto("Informe PDF…")
            .enTab(3)
            .accesible("Informe PDF", "Guarda un informe de la clase para imprimir"),
        control("borrar", Tipo::Boton, {}, 7545, 6000, 1935, 375)
            .conTexto("Borrar alumno")
            .enTab(4)
            .accesible("Borrar alumno", "Borra de las estadísticas el alumno elegido en la tabla"),
    };
    return f;
}

} // namespace ejercicio
