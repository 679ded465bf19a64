// SPDX-License-Identifier: GPL-3.0-or-later
#include "laboratorio/DisenoLaboratorio.h"

#include "dibujo/Color.h"

using namespace formularios;

namespace laboratorio {

formularios::DefinicionVentana disenoLaboratorio()
{
    DefinicionVentana f = formulario("lab", "Laboratorio de códigos", 13620, 10080);
    f.cierraConEsc = true;
    f.redimensionable = true;
    f.controles = {
        control("Label1", Tipo::Etiqueta, {}, 120, 150, 900, 285).conTexto("Entrada:"),
        control("entrada", Tipo::Selector, {}, 1080, 120, 1800, 315)
            .conTexto("Bits|Hexadecimal|Texto")
            .enTab(0)
            .accesible("Forma de la entrada", "Si la entrada se escribe en bits, en cifras hexadecimales o como texto"),
        control("bits", Tipo::Texto, {}, 3000, 120, 10500, 315)
            .enTab(1)
            .accesible("Entrada", "De 1 a 4096 bits que se codifican; los espacios se ignoran"),
        control("pista", Tipo::Etiqueta, {}, 3000, 480, 10500, 255)
            .accesible("Pista", "Cuántos bits hay, o por qué se rechazó un carácter"),
        control("Label2", Tipo::Etiqueta, {}, 120, 840, 2760, 240).conTexto("Códigos:"),
        control("codigo", Tipo::Lista, {}, 120, 1080, 2760, 3360)
            .enTab(2)
            .accesible("Códigos", "Marca los códigos que se dibujan; el elegido es el de la tabla de pasos"),
        control("inicio", Tipo::Marco, {}, 120, 4500, 2760, 1260).conTexto("Estado inicial"),
        control("ultimoPulso", Tipo::Selector, "inicio", 120, 240, 2520, 315)
            .conTexto("Último pulso negativo|Último pulso positivo")
            .enTab(3)
            .accesible("Último pulso",
                       "Signo del último pulso antes del primer bit (AMI, pseudoternario, HDB3, B8ZS, CMI)"),
        control("nivelInicial", Tipo::Selector, "inicio", 120, 570, 2520, 315)
            .conTexto("Nivel inicial bajo|Nivel inicial cero (MLT-3)|Nivel inicial alto")
            .enTab(4)
            .accesible("Nivel inicial", "Nivel de la línea antes del primer bit (NRZI, Manchester diferencial, MLT-3)"),
        control("paridad", Tipo::Selector, "inicio", 120, 900, 2520, 315)
            .conTexto("Paridad HDB3 par|Paridad HDB3 impar")
            .enTab(5)
            .accesible("Paridad HDB3", "Paridad de las marcas desde la última violación, para HDB3"),
        control("dibujo", Tipo::Desplazable, {}, 3000, 840, 10500, 3600)
            .enTab(6)
            .accesible("Señales de línea",
                       "El reloj y cada código elegido; pulsa medio bit para meter un error de línea"),
        control("Label3", Tipo::Etiqueta, {}, 3000, 4530, 1260, 285).conTexto("Decodificado:"),
        control("decodificado", Tipo::Texto, {}, 4320, 4500, 6000, 315)
            .deSoloLectura()
            .enTab(7)
            .accesible("Decodificado", "Los bits que el receptor lee en la línea del código elegido"),
        control("leido", Tipo::Texto, {}, 10440, 4500, 3060, 315)
            .deSoloLectura()
            .enTab(8)
            .accesible("Decodificado como la entrada",
                       "Lo que el receptor lee, en hexadecimal o como texto si así se escribió la entrada"),
        control("deteccion", Tipo::Etiqueta, {}, 3000, 4860, 10500, 510)
            .conTinta(dibujo::kRojo)
            .ajustado()
            .accesible("Errores", "Los bits que un error de línea ha cambiado y cada violación que lo delata"),
        control("convencion", Tipo::Etiqueta, {}, 3000, 5370, 10500, 435)
            .ajustado()
            .accesible("Convenio", "Cómo codifica el código elegido"),
        control("pasos", Tipo::Tabla, {}, 120, 5820, 5400, 4140)
            .enTab(9)
            .accesible("Pasos", "Cada bit del código elegido: símbolo, nivel en cada mitad y motivo"),
        control("escala", Tipo::Selector, {}, 5640, 5820, 2400, 315)
            .conTexto("Escala lineal|Escala en dB")
            .enTab(10)
            .accesible("Escala del espectro", "Lineal, ajustada a la curva más alta, o en decibelios"),
        control("espectro", Tipo::Imagen, {}, 5640, 6180, 7860, 3780)
            .enTab(11)
            .accesible("Espectro",
                       "Densidad espectral de potencia de los códigos elegidos, de 0 a dos veces la velocidad binaria"),
    };
    return f;
}

} // namespace laboratorio
