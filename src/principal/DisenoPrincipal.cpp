// SPDX-License-Identifier: GPL-3.0-or-later
#include "principal/DisenoPrincipal.h"

#include "formularios/Idioma.h"
#include "formularios/Zoom.h"

#include <algorithm>

#include "dibujo/Color.h"

using namespace formularios;
using namespace dibujo;

namespace principal {

namespace {

const QString kArial = QStringLiteral("Arial");
const QString kOcrB = QStringLiteral("OCR-B 10 BT");

DefinicionControl etiquetaTraza(const QString& nombre, int top, codigos::Traza traza, int tab)
{
    const auto& datos = codigos::kDatosTrazas[traza];
    return control(nombre, Tipo::EtiquetaPulsable, QStringLiteral("Picture1"), 0, top, 495, 255)
        .conTexto(QString::fromLatin1(datos.nombre))
        .conTinta(datos.etiqueta)
        .aLaDerecha()
        .conFuente(kArial, 9.75, true)
        .enTab(tab)
        .accesible(QStringLiteral("Señal %1").arg(QString::fromLatin1(datos.nombre)),
                   QStringLiteral("Pulsa para mostrar u ocultar la señal %1").arg(QString::fromLatin1(datos.nombre)));
}

// The number frame's read-only displays: bold coloured text on black, centred.
DefinicionControl visor(const QString& nombre, QRect twips, const QString& texto, Color tinta, const QString& cara,
                        double puntos)
{
    return control(nombre, Tipo::Texto, QStringLiteral("Num_persiana"), twips.x(), twips.y(), twips.width(),
                   twips.height())
        .conTexto(texto)
        .conFondo(kNegro)
        .conTinta(tinta)
        .centrado()
        .deSoloLectura()
        .conFuente(cara, puntos, true);
}

} // namespace

formularios::DefinicionVentana disenoPrincipal()
{
    DefinicionVentana f = formulario("principal", "Sistemas de Telefonía (Tramavox)", 9570, 3525, true);

    const QString frame2 = QStringLiteral("Frame2");
    const QString persiana = QStringLiteral("Num_persiana");
    f.controles = {
        control("Pantalla", Tipo::AreaDibujo, {}, 720, 0, kAnchoPantalla, kAltoPantalla)
            .conFondo(kNegro)
            .enTab(0)
            .accesible(
                "Dibujo de las señales",
                "El reloj y las formas de onda NRZ, RZ, AMI y HDB3 del número; cada casilla de la rejilla es un bit"),
        control("Picture1", Tipo::Imagen, {}, 120, 0, 615, kAltoPantalla)
            .conFondo(kNegro)
            .enTab(1)
            .accesible("Nombres de las señales", "Pulsa el nombre de una señal para mostrarla u ocultarla"),
        etiquetaTraza("etirz", 0, codigos::Rz, 7),
        etiquetaTraza("etinrz", 240, codigos::Nrz, 6),
        etiquetaTraza("eticlk", 480, codigos::Reloj, 2),
        etiquetaTraza("etiami", 720, codigos::Ami, 8),
        etiquetaTraza("etihdb", 960, codigos::Hdb3, 9),
        control("Frame2", Tipo::Marco, {}, 7200, 2520, 2295, 975).conTexto("Periodo ").enTab(10),
        control("periodo", Tipo::Deslizador, frame2, 120, 360, 2055, 255)
            .conDeslizador({1, 10, 1, 5, 1})
            .enTab(11)
            .accesible("Periodo de bit", "Ancho de un bit en el dibujo, de 1 a 10; se mueve con las flechas"),
        control("Num_persiana", Tipo::Marco, {}, 120, 2520, 6975, kPersianaAbierta).conTexto("Número").enTab(3),
        visor("número", {120, 250, 975, 405}, "0000", kVerde, kArial, 14.25)
            .enTab(4)
            .accesible("Número hexadecimal",
                       "Escribe cifras hexadecimales en cualquier parte de la ventana; entran por la derecha"),
        control("Label1", Tipo::Etiqueta, persiana, 1200, 360, 495, 255).conTexto("Hexa.").enTab(13),
        // The binary and HDB3 boxes only show what the redraw wrote; typing in
        // them would leave a wrong text on screen until the next redraw.
        visor("binario", {3960, 250, 2295, 315}, "000000000000000", kAmarillo, kOcrB, 9.75)
            .enTab(5)
            .accesible("Número en binario", "Los 16 bits del número"),
        control("Label2", Tipo::Etiqueta, persiana, 6360, 250, 495, 255).conTexto("Binario").enTab(14),
        control("Reset", Tipo::Boton, persiana, 120, 640, 1215, 255)
            .conTexto("Reset")
            .enTab(16)
            .accesible("Reset", "Vuelve el número a 0000"),
        visor("Text1", {1440, 600, 4815, 285}, "000000000000000", kAmarillo, kOcrB, 12)
            .enTab(12)
            .accesible("Cadena HDB3", "Los símbolos HDB3 de ocho copias del número, con sus sustituciones B y V"),
        control("Label3", Tipo::Etiqueta, persiana, 6360, 600, 495, 255).conTexto("HDB3").enTab(15),
        control("Label4", Tipo::Etiqueta, {}, 240, 2880, 6975, 255)
            .conTexto("¿A qué número hexadecimal se corresponde el código que se muestra?")
            .conTinta(kAzulOscuro)
            .conFuente(kArial, 9.75, true)
            .enTab(17),
    };

    f.menus = {
        {"ver", "Ver", {}, false, false, {}},
        {"reloj", "Reloj", "ver", true, true, {}},
        {"VisuNrz", "NRZ", "ver", true, true, {}},
        {"VisuRz", "RZ", "ver", true, true, {}},
        {"VisuAmi", "AMI RZ", "ver", true, true, {}},
        {"VisuHdb", "HBD3 RZ", "ver", true, true, {}},
        {"todos", "Ver todos", "ver", false, false, {}},
        {"ocultar", "Ocultar todos", "ver", false, false, {}},
        {"ampliar", "Ampliar", "ver", false, false, formularios::kTeclasAmpliar},
        {"reducir", "Reducir", "ver", false, false, formularios::kTeclasReducir},
        {"normal", "Tamaño normal", "ver", false, false, formularios::kTeclasNormal},
        // Only says how large the windows are now; it does nothing.
        {"zoomActual", "Ampliación: 100 %", "ver", false, false, {}},
        {"idioma", "Idioma", "ver", false, false, {}},
        {"util", "Utilidades", {}, false, false, {}},
        {"prop", "Proponer ejercicio", "util", false, false, "Ctrl+E"},
        {"laboratorio", "Laboratorio de códigos…", "util", false, false, {}},
        {"entrenador", "Entrenador de códigos…", "util", false, false, {}},
        {"ayud", "Ayuda", {}, false, false, {}},
        {"acercade", "Acerca de ...", "ayud", false, false, {}},
        {"ayuda", "Ayuda ...", "ayud", false, false, formularios::kTeclasAyuda},
    };
    // Each language by its own name, after "Idioma" in the Ver menu.
    const auto idioma =
        std::find_if(f.menus.begin(), f.menus.end(), [](const auto& m) { return m.nombre == "idioma"; });
    std::vector<formularios::DefinicionMenu> lenguas;
    for (const formularios::Lengua& l : formularios::kIdiomas)
        lenguas.push_back({QStringLiteral("idioma_") + QLatin1String(l.codigo),
                           QString::fromUtf8(l.nombre),
                           QStringLiteral("idioma"),
                           false,
                           true,
                           {}});
    f.menus.insert(idioma + 1, lenguas.begin(), lenguas.end());
    return f;
}

} // namespace principal
