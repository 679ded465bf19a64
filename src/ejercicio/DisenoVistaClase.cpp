// SPDX-License-Identifier: GPL-3.0-or-later
#include "ejercicio/DisenoVistaClase.h"

using namespace formularios;

namespace ejercicio {

formularios::DefinicionVentana disenoVistaClase()
{
    DefinicionVentana f = formulario("detalles", "Detalles de la clase", 9600, 9240);
    f.cierraConEsc = true;
    f.redimensionable = true;
    f.controles = {
        control("tabla", Tipo::Tabla, {}, 120, 120, 9360, 2400)
            .enTab(0)
            .accesible("Estadísticas de la clase",
                       "Total, aciertos, errores y porcentaje de cada alumno; pulsa una cabecera para ordenar"),
        control("desde", Tipo::Etiqueta, {}, 120, 2580, 9360, 255).enTab(5),
        control("codigos", Tipo::Tabla, {}, 120, 2880, 9360, 1680)
            .enTab(1)
            .accesible("Respuestas por código", "Aciertos y errores de cada alumno en NRZ, RZ, AMI y HDB3"),
        control("tituloNotas", Tipo::Etiqueta, {}, 120, 4680, 9360, 255)
            .conTexto("Aún no ha habido ningún examen.")
            .enTab(10),
        control("notas", Tipo::Tabla, {}, 120, 4980, 9360, 1440)
            .enTab(9)
            .accesible("Notas del examen", "Preguntas respondidas, aciertos y nota de cada alumno en el último examen"),
        control("tituloSucesos", Tipo::Etiqueta, {}, 120, 6540, 9360, 255)
            .conTexto("Cuentas a cero, alumnos borrados y soluciones vistas, lo último primero:")
            .enTab(7),
        control("sucesos", Tipo::Tabla, {}, 120, 6840, 9360, 1200)
            .enTab(6)
            .accesible("Sucesos de la clase", "Quién puso sus cuentas a cero, borró a un alumno o vio una solución, "
                                              "cuándo y en qué puesto"),
        control("exportar", Tipo::Boton, {}, 120, 8160, 1935, 375)
            .conTexto("Exportar CSV…")
            .enTab(2)
            .accesible("Exportar CSV", "Guarda la tabla para una hoja de cálculo"),
        control("imprimir", Tipo::Boton, {}, 2160, 8160, 1935, 375)
            .conTexto("Informe PDF…")
            .enTab(3)
            .accesible("Informe PDF", "Guarda un informe de la clase para imprimir"),
        control("profesor", Tipo::Boton, {}, 4200, 8160, 3240, 375)
            .conTexto("Contraseña del profesor…")
            .enTab(8)
            .accesible("Contraseña del profesor",
                       "Pone o cambia la contraseña que piden borrar alumnos y poner cuentas a cero"),
        control("borrar", Tipo::Boton, {}, 7545, 8160, 1935, 375)
            .conTexto("Borrar alumno")
            .enTab(4)
            .accesible("Borrar alumno", "Borra de las estadísticas el alumno elegido en la tabla"),
        control("empezarExamen", Tipo::Boton, {}, 120, 8640, 2835, 375)
            .conTexto("Empezar examen…")
            .enTab(11)
            .accesible("Empezar examen", "Empieza un examen en todos los puestos de la clase"),
        control("terminarExamen", Tipo::Boton, {}, 3060, 8640, 2835, 375)
            .conTexto("Terminar examen")
            .enTab(12)
            .accesible("Terminar examen", "Termina el examen en curso en todos los puestos"),
        control("exportarNotas", Tipo::Boton, {}, 6000, 8640, 3480, 375)
            .conTexto("Notas del examen (CSV)…")
            .enTab(13)
            .accesible("Notas del examen", "Guarda las notas del último examen para una hoja de cálculo"),
    };
    return f;
}

} // namespace ejercicio
