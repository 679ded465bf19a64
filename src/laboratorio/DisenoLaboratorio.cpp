// SPDX-License-Identifier: GPL-3.0-or-later
#include "laboratorio/DisenoLaboratorio.h"

#include "dibujo/Color.h"

using namespace formularios;

namespace laboratorio {

formularios::DefinicionVentana disenoLaboratorio()
{
    DefinicionVentana f = formulario("lab", "Laboratorio de códigos", 20160, 10080);
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
        // The line between the coder and the receiver, in the right-hand column.
        control("linea", Tipo::Marco, {}, 13740, 120, 6300, 2460).conTexto("Línea"),
        control("Label4", Tipo::Etiqueta, "linea", 120, 300, 1560, 285).conTexto("Cable:"),
        control("perdida", Tipo::Deslizador, "linea", 1740, 270, 3240, 315)
            .conDeslizador({0, 40, 1, 5, 0})
            .enTab(12)
            .accesible("Pérdida del cable",
                       "Pérdida del cable a la mitad de la velocidad binaria, de 0 a 40 dB; crece con la raíz de la "
                       "frecuencia"),
        control("valorPerdida", Tipo::Etiqueta, "linea", 5040, 300, 1140, 285).conTexto("0 dB"),
        control("Label5", Tipo::Etiqueta, "linea", 120, 690, 1560, 285).conTexto("Transformador:"),
        control("acoplamiento", Tipo::Selector, "linea", 1740, 660, 4440, 315)
            .conTexto("Sin transformador|Corte al 0,1 % de la velocidad binaria|Corte al 1 % de la velocidad "
                      "binaria|Corte al 5 % de la velocidad binaria")
            .enTab(13)
            .accesible("Transformador", "Acoplamiento por transformador: un paso alto de primer orden, o ninguno"),
        control("Label6", Tipo::Etiqueta, "linea", 120, 1080, 1560, 285).conTexto("Ruido:"),
        control("ruido", Tipo::Selector, "linea", 1740, 1050, 4440, 315)
            .conTexto("Sin ruido|Eb/N0 = 20 dB|Eb/N0 = 15 dB|Eb/N0 = 12 dB|Eb/N0 = 10 dB|Eb/N0 = 8 dB|Eb/N0 = 6 "
                      "dB|Eb/N0 = 4 dB|Eb/N0 = 2 dB|Eb/N0 = 0 dB")
            .enTab(14)
            .accesible("Ruido", "Ruido blanco gaussiano, como energía por bit frente a densidad de ruido, o ninguno"),
        control("recibida", Tipo::Casilla, "linea", 120, 1440, 6060, 285)
            .conTexto("Dibujar lo que llega al receptor y lo que decide")
            .enTab(15)
            .accesible("Señal recibida",
                       "Bajo cada código, la señal que llega tras la ganancia del receptor, sus umbrales y los bits "
                       "que decide"),
        control("reloj", Tipo::Casilla, "linea", 120, 1770, 6060, 285)
            .conTexto("Recuperar el reloj del código elegido")
            .enTab(16)
            .accesible("Reloj recuperado",
                       "Bajo el reloj, el que recupera el receptor del código elegido, con sus deslizamientos"),
        control("deslizamientos", Tipo::Etiqueta, "linea", 120, 2100, 6060, 285)
            .conTexto("Deslizamientos del reloj: 0")
            .accesible("Deslizamientos del reloj",
                       "Cuántas veces el reloj recuperado se desvía más de un cuarto de bit"),
        control("ojo", Tipo::Imagen, {}, 13740, 2700, 6300, 3000)
            .enTab(17)
            .accesible("Diagrama de ojo",
                       "Lo que llega de cada bit del código elegido, superpuesto de dos en dos bits"),
        control("medidasOjo", Tipo::Etiqueta, {}, 13740, 5730, 6300, 285)
            .accesible("Medidas del ojo", "Altura y anchura del ojo del código elegido"),
        control("ber", Tipo::Imagen, {}, 13740, 6120, 6300, 3360)
            .enTab(18)
            .accesible("Tasa de errores",
                       "Tasa de errores de bit de los códigos elegidos frente a Eb/N0: medida en puntos, teórica en "
                       "curvas"),
        control("medirBer", Tipo::Boton, {}, 13740, 9585, 2520, 375)
            .conTexto("Medir la tasa de errores")
            .enTab(19)
            .accesible({}, "Mide la tasa de errores de los códigos elegidos por esta línea, de 0 a 12 dB de Eb/N0"),
        control("progresoBer", Tipo::BarraProgreso, {}, 16380, 9615, 2220, 315)
            .accesible("Progreso de la medida", "Cuántos puntos de la tasa de errores se han medido"),
        control("cancelarBer", Tipo::Boton, {}, 18720, 9585, 1320, 375)
            .conTexto("Cancelar")
            .enTab(20)
            .accesible("Cancelar la medida", "Para la medida; los puntos ya medidos se quedan"),
    };
    return f;
}

} // namespace laboratorio
