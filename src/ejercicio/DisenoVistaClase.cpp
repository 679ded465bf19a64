// SPDX-License-Identifier: GPL-3.0-or-later
#include "ejercicio/DisenoVistaClase.h"

using namespace formularios;

namespace ejercicio {

formularios::DefinicionVentana disenoVistaClase()
{
    DefinicionVentana f = formulario("detalles", "Detalles de la clase", 9600, 8700);
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
        control("tituloSucesos", Tipo::Etiqueta, {}, 120, 6000, 9360, 255)
            .conTexto("Cuentas a cero, alumnos borrados y soluciones vistas, lo último primero:")
            .enTab(7),
        control("sucesos", Tipo::Tabla, {}, 120, 6300, 9360, 1695)
            .enTab(6)
            .accesible("Sucesos de la clase", "Quién puso sus cuentas a cero, borró a un alumno o vio una solución, "
                                              "cuándo y en qué puesto"),
        control("exportar", Tipo::Boton, {}, 120, 8100, 1935, 375)
            .conTexto("Exportar CSV…")
            .enTab(2)
            .accesible("Exportar CSV", "Guarda la tabla para una hoja de cálculo"),
        control("imprimir", Tipo::Boton, {}, 2160, 8100, 1935, 375)
            .conTexto("Informe PDF…")
            .enTab(3)
            .accesible("Informe PDF", "Guarda un informe de la clase para imprimir"),
        control("profesor", Tipo::Boton, {}, 4200, 8100, 3240, 375)
            .conTexto("Contraseña del profesor…")
            .enTab(8)
            .accesible("Contraseña del profesor",
                       "Pone o cambia la contraseña que piden borrar alumnos y poner cuentas a cero"),
        control("borrar", Tipo::Boton, {}, 7545, 8100, 1935, 375)
            .conTexto("Borrar alumno")
            .enTab(4)
            .accesible("Borrar alumno", "Borra de las estadísticas el alumno elegido en la tabla"),
    };
    return f;
}

} // namespace ejercicio
