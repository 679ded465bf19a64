// SPDX-License-Identifier: GPL-3.0-or-later
#include "ejercicio/DisenoEjercicios.h"

#include "dibujo/Color.h"

using namespace formularios;
using namespace dibujo;

namespace ejercicio {

using namespace modelo;

namespace {
const QString kEstad = QStringLiteral("estad");
const QString kRespuesta = QStringLiteral("respuesta");
const QString kFrame1 = QStringLiteral("Frame1");
const QString kFrame3 = QStringLiteral("Frame3");

DefinicionControl cuenta(const QString& nombre, int l, int t, int w, int tab, const QString& accesible)
{
    return control(nombre, Tipo::Texto, kEstad, l, t, w, 285)
        .conTexto("0")
        .aLaDerecha()
        .deSoloLectura()
        .sinTabulador()
        .enTab(tab)
        .accesible(accesible, QStringLiteral("Estadística del alumno elegido"));
}

DefinicionControl opcion(int indice, const QString& texto, int t, int w, int tab)
{
    return control("tipo_cod", Tipo::Opcion, kFrame1, 120, t, w, 255)
        .conIndice(indice)
        .conTexto(texto)
        .enTab(tab)
        .accesible(texto, QStringLiteral("Código que se dibuja en los ejercicios"));
}
} // namespace

formularios::DefinicionVentana disenoEjercicios()
{
    DefinicionVentana f = formulario("Ejerc", "Ejercicios", 6075, 2220, true);
    f.cierraConEsc = true; // as its close button does, saving
    f.controles = {
        control("estad", Tipo::Marco, {}, 1800, 0, 2895, 2175).conTexto("Estadísticas").enTab(14),
        control("estadis", Tipo::BarraProgreso, kEstad, 120, 1320, 2055, 285)
            .enTab(27)
            .accesible("Barra de aciertos", "El porcentaje de aciertos del alumno elegido"),
        control("Detalles", Tipo::Boton, kEstad, 120, 1800, 1215, 255)
            .conTexto("Detalles")
            .enTab(23)
            .accesible("Detalles", "Abre la vista de toda la clase para el profesor"),
        control("Reset", Tipo::Boton, kEstad, 1440, 1800, 1335, 255)
            .conTexto("Reset")
            .enTab(22)
            .accesible("Reset", "Borra las estadísticas del alumno elegido, tras confirmarlo"),
        cuenta("tciento", 2160, 1320, 495, 20, "Porcentaje de aciertos"),
        cuenta("bien", 2160, 960, 615, 19, "Aciertos"),
        cuenta("mal", 1080, 960, 615, 18, "Errores"),
        cuenta("total", 120, 960, 615, 17, "Total de respuestas"),
        control("alumno", Tipo::Combo, kEstad, 840, 360, 1935, 315)
            .conTexto("Introduce tu nombre")
            .enTab(15)
            .accesible("Alumno", "Escribe tu nombre y pulsa Intro, o elige uno de la lista"),
        control("Label5", Tipo::Etiqueta, kEstad, 2610, 1335, 255, 255)
            .conTexto("%")
            .aLaDerecha()
            .conFuente("MS Sans Serif", 9.75, true)
            .enTab(26),
        control("Label4", Tipo::Etiqueta, kEstad, 2160, 720, 615, 255).conTexto("Aciertos").enTab(25),
        control("Label3", Tipo::Etiqueta, kEstad, 1080, 720, 615, 255).conTexto("Errores").enTab(24),
        control("Label2", Tipo::Etiqueta, kEstad, 120, 720, 495, 255).conTexto("Total").enTab(21),
        control("Label1", Tipo::Etiqueta, kEstad, 120, 360, 735, 255).conTexto("Alumno:").enTab(16),
        control("respuesta", Tipo::Marco, {}, 4800, 0, 1215, 975).conTexto("Respuesta").enTab(8),
        control("número", Tipo::Texto, kRespuesta, 240, 240, 735, 315)
            .conTexto("0000")
            .conFondo(kNegro)
            .conTinta(kVerde)
            .centrado()
            .deSoloLectura()
            .conFuente("Arial", 12, true)
            .enTab(9)
            .accesible("Respuesta", "Escribe las cifras hexadecimales del número que lees en el dibujo"),
        control("aceptar", Tipo::Boton, kRespuesta, 120, 600, 975, 255)
            .conTexto("Aceptar")
            .enTab(10)
            .accesible("Aceptar", "Comprueba la respuesta y la cuenta para el alumno"),
        control("Frame1", Tipo::Marco, {}, 120, 0, 1575, 1575).conTexto("Código a  ejercitar").enTab(2),
        opcion(CodigoNrz, "NRZ", 240, 855, 7),
        opcion(CodigoRz, "RZ", 480, 855, 3),
        opcion(CodigoAmi, "AMI", 720, 855, 4),
        opcion(CodigoHdb3, "HDB3", 960, 855, 5),
        opcion(CodigoAleatorio, "Aleatorio", 1200, 975, 6).seleccionado(),
        control("proponer", Tipo::Boton, {}, 4800, 1680, 1215, 255)
            .conTexto("Proponer")
            .enTab(1)
            .accesible("Proponer", "Propone un ejercicio nuevo"),
        control("solu", Tipo::Boton, {}, 4800, 1920, 1215, 255)
            .conTexto("Solución")
            .enTab(0)
            .accesible("Solución", "Muestra el número; la respuesta ya no cuenta"),
        control("Frame3", Tipo::Marco, {}, 120, 1560, 1575, 615).conTexto("Periodo ").enTab(11),
        control("periodo", Tipo::Deslizador, kFrame3, 120, 240, 1335, 255)
            .conDeslizador({1, 10, 1, 5, 1})
            .enTab(12)
            .accesible("Periodo de bit", "Ancho de un bit en el dibujo de la ventana principal"),
        // Only a place for the focus to go once a student is chosen.
        control("NoVer", Tipo::Texto, {}, 2040, 360, 150, 285)
            .conTexto("Text1")
            .enTab(28)
            .sinTabulador()
            .accesible("Teclado de la respuesta", "Tras elegir alumno, las cifras tecleadas van a la respuesta"),
        // Shown only during an exam, in the room below the answer.
        control("examen", Tipo::Etiqueta, {}, 4800, 1005, 1215, 645)
            .centrado()
            .ajustado()
            .enTab(29)
            .accesible("Examen", "La pregunta del examen y el tiempo que queda"),
        control("bienmal", Tipo::Etiqueta, {}, 4920, 0, 975, 975)
            .conTexto("La respuesta es incorrecta")
            .conTinta(kAzul)
            .centrado()
            .ajustado()
            .conFuente("Arial", 9.75, true)
            .enTab(13),
    };
    return f;
}

} // namespace ejercicio
