// SPDX-License-Identifier: GPL-3.0-or-later
#include "ejercicio/DisenoVistaClase.h"

using namespace formularios;

namespace ejercicio {

formularios::DefinicionVentana disenoVistaClase()
{
    DefinicionVentana f = formulario("detalles", "Detalles de la clase", 14400, 10200);
    f.cierraConEsc = true;
    f.dispuesta = true;
    f.controles = {
        control("tabla", Tipo::Tabla)
            .enTab(0)
            .accesible("Estadísticas de la clase",
                       "Total, aciertos, errores y porcentaje de cada alumno; pulsa una cabecera para ordenar"),
        control("desde", Tipo::Etiqueta).enTab(5),
        control("codigos", Tipo::Tabla)
            .enTab(1)
            .accesible("Respuestas por código", "Aciertos y errores de cada alumno en NRZ, RZ, AMI y HDB3"),
        control("tituloNotas", Tipo::Etiqueta).conTexto("Aún no ha habido ningún examen.").enTab(10),
        control("notas", Tipo::Tabla)
            .enTab(9)
            .accesible("Notas del examen", "Preguntas respondidas, aciertos y nota de cada alumno en el último examen"),
        control("tituloSucesos", Tipo::Etiqueta)
            .conTexto("Cuentas a cero, alumnos borrados y soluciones vistas, lo último primero:")
            .enTab(7),
        control("sucesos", Tipo::Tabla)
            .enTab(6)
            .accesible("Sucesos de la clase", "Quién puso sus cuentas a cero, borró a un alumno o vio una solución, "
                                              "cuándo y en qué puesto"),
        control("exportar", Tipo::Boton)
            .conTexto("Exportar CSV…")
            .enTab(2)
            .accesible("Exportar CSV", "Guarda la tabla para una hoja de cálculo"),
        control("imprimir", Tipo::Boton)
            .conTexto("Informe PDF…")
            .enTab(3)
            .accesible("Informe PDF", "Guarda un informe de la clase para imprimir"),
        control("profesor", Tipo::Boton)
            .conTexto("Contraseña del profesor…")
            .enTab(8)
            .accesible("Contraseña del profesor",
                       "Pone o cambia la contraseña que piden borrar alumnos y poner cuentas a cero"),
        control("borrar", Tipo::Boton)
            .conTexto("Borrar alumno")
            .enTab(4)
            .accesible("Borrar alumno", "Borra de las estadísticas el alumno elegido en la tabla"),
        control("empezarExamen", Tipo::Boton)
            .conTexto("Empezar examen…")
            .enTab(11)
            .accesible("Empezar examen", "Empieza un examen en todos los puestos de la clase"),
        control("terminarExamen", Tipo::Boton)
            .conTexto("Terminar examen")
            .enTab(12)
            .accesible("Terminar examen", "Termina el examen en curso en todos los puestos"),
        control("exportarNotas", Tipo::Boton)
            .conTexto("Notas del examen (CSV)…")
            .enTab(13)
            .accesible("Notas del examen", "Guarda las notas del último examen para una hoja de cálculo"),
    };
    return f;
}

} // namespace ejercicio
