// SPDX-License-Identifier: GPL-3.0-or-later
#include "ayuda/DisenoAcerca.h"

#include "dibujo/Color.h"

using namespace formularios;
using namespace dibujo;

namespace ayuda {

namespace {
const QString kAcercaTexto = QStringLiteral("Progama de ejercicio de los códigos \r\n"
                                            "de datos serie usados en telefonía desarrollado para el módulo \r\n"
                                            "de inciación profesional \"Sistemas \r\n"
                                            "de Telefonía\", perteneciente al \r\n"
                                            "ciclo formativo de grado superior \r\n"
                                            "\"Sistemas de Telecomunicación e \r\n"
                                            "Informáticos\".\r\n");
} // namespace

formularios::DefinicionVentana disenoAcerca()
{
    DefinicionVentana f = formulario("acerca", "Acerca de Tramavox", 6465, 3330);
    f.cierraConEsc = true;
    f.dispuesta = true;
    const QString frame1 = QStringLiteral("Frame1");
    f.controles = {
        control("Frame1", Tipo::Marco)
            .enTab(0)
            .accesible("Acerca de Tramavox", "Imagen y ciclo formativo del programa"),
        control("Picture1", Tipo::Imagen, frame1)
            .enTab(1)
            .accesible("Imagen del aula", "Alumnos en los bancos de un laboratorio de telefonía"),
        control("Label2", Tipo::Etiqueta, frame1)
            .conTexto("    Ciclo Formativo de Grado Superior   Sistemas de Telecomunicación e Informáticos.")
            .conTinta(kVerdeOscuro)
            .centrado()
            .ajustado()
            .conFuente("Arial", 12, true)
            .enTab(2),
        control("Text1", Tipo::TextoMultilinea)
            .conTexto(kAcercaTexto)
            .centrado()
            .deSoloLectura()
            .enTab(3)
            .accesible("Descripción del programa", "Para qué y para quién se hizo el programa"),
        control("Label1", Tipo::Etiqueta)
            .conTexto("Programa y dibujos: equipo Tramavox")
            .centrado()
            .ajustado()
            .enTab(4),
        control("Command1", Tipo::Boton).conTexto("Aceptar").enTab(5).accesible("Aceptar", "Cierra esta ventana"),
        control("Label3", Tipo::Etiqueta)
            .conTexto("Sistemas de Telefonía")
            .conTinta(kAzul)
            .conFuente("Arial", 9.75, true)
            .enTab(6),
    };
    return f;
}

} // namespace ayuda
