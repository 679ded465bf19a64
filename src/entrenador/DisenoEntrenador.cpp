// SPDX-License-Identifier: GPL-3.0-or-later
#include "entrenador/DisenoEntrenador.h"

#include "dibujo/Color.h"

using namespace formularios;

namespace entrenador {

formularios::DefinicionVentana disenoEntrenador()
{
    DefinicionVentana f = formulario("entrenador", "Entrenador de códigos", 16320, 7260);
    f.redimensionable = true;
    f.cierraConEsc = true; // as its close button does, saving
    f.controles = {
        control("Label1", Tipo::Etiqueta, {}, 120, 150, 900, 285).conTexto("Alumno:"),
        control("alumno", Tipo::Combo, {}, 1080, 120, 3000, 315)
            .enTab(0)
            .accesible("Alumno", "Elige tu nombre de la lista o escribe uno nuevo y pulsa Intro"),
        control("modo", Tipo::Selector, {}, 120, 600, 3960, 315)
            .conTexto("Leer la señal|Dibujar la señal")
            .enTab(1)
            .accesible("Modo", "Leer los bits de una señal dibujada, o dibujar la señal de unos bits"),
        control("Label2", Tipo::Etiqueta, {}, 120, 1020, 3960, 255).conTexto("Códigos que se preguntan:"),
        control("codigos", Tipo::Lista, {}, 120, 1290, 3960, 4140)
            .enTab(2)
            .accesible("Códigos", "Marca los códigos que pueden salir en los ejercicios"),
        control("longitud", Tipo::Selector, {}, 120, 5520, 3960, 315)
            .conTexto("8 bits|12 bits|16 bits|24 bits|32 bits")
            .enTab(3)
            .accesible("Longitud", "Bits de cada ejercicio"),
        control("exportar", Tipo::Boton, {}, 120, 6720, 3960, 375)
            .conTexto("Exportar preguntas para Moodle…")
            .enTab(10)
            .accesible("Exportar preguntas para Moodle",
                       "Escribe un banco de preguntas de los códigos marcados para importarlo en Moodle"),
        control("pedidos", Tipo::Etiqueta, {}, 4320, 120, 11880, 285)
            .accesible("Lo que se pide", "Qué hay que hacer en este ejercicio"),
        control("estado", Tipo::Etiqueta, {}, 4320, 450, 11880, 285)
            .accesible("Estado inicial", "Cómo estaba la línea antes del primer bit"),
        control("dibujo", Tipo::Desplazable, {}, 4320, 840, 11880, 2400)
            .enTab(4)
            .accesible("Dibujo", "La señal que se lee, o donde se dibuja: las flechas mueven el cursor y cambian el "
                                 "nivel, y un clic cambia el nivel de medio bit"),
        control("Label3", Tipo::Etiqueta, {}, 4320, 3390, 1440, 285).conTexto("Respuesta:"),
        control("respuesta", Tipo::Texto, {}, 5820, 3360, 6000, 315)
            .enTab(5)
            .accesible("Respuesta", "Los bits leídos, o sus cifras hexadecimales; los espacios no cuentan"),
        control("nuevo", Tipo::Boton, {}, 4320, 3900, 2400, 375).conTexto("Nuevo ejercicio").enTab(6),
        control("comprobar", Tipo::Boton, {}, 6840, 3900, 2400, 375)
            .conTexto("Comprobar")
            .enTab(7)
            .accesible("Comprobar", "Corrige la respuesta y la cuenta para el alumno"),
        control("solucion", Tipo::Boton, {}, 9360, 3900, 2400, 375)
            .conTexto("Solución")
            .enTab(8)
            .accesible("Solución", "Muestra la solución; la respuesta ya no cuenta"),
        control("veredicto", Tipo::Etiqueta, {}, 4320, 4440, 11880, 1020)
            .ajustado()
            .accesible("Veredicto", "Si la respuesta es correcta y, si no, dónde y por qué"),
    };
    return f;
}

} // namespace entrenador
