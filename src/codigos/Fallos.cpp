// SPDX-License-Identifier: GPL-3.0-or-later
#include "codigos/Fallos.h"

#include "codigos/Traduccion.h"

#include <algorithm>

namespace codigos {

namespace {

std::string complemento(std::string bits)
{
    for (char& b : bits) b = b == '1' ? '0' : '1';
    return bits;
}

// Each pair of bits with its two bits swapped, or one of them flipped
// (`cual` 0 the first, 1 the second, 2 both swapped).
std::string cambiarPares(std::string bits, int cual)
{
    for (std::size_t i = 0; i + 1 < bits.size(); i += 2) {
        if (cual == 2)
            std::swap(bits[i], bits[i + 1]);
        else
            bits[i + std::size_t(cual)] = bits[i + std::size_t(cual)] == '1' ? '0' : '1';
    }
    return bits;
}

std::vector<Paso> invertida(std::vector<Paso> linea)
{
    for (Paso& p : linea) {
        p.nivel1 = std::int8_t(-p.nivel1);
        p.nivel2 = std::int8_t(-p.nivel2);
    }
    return linea;
}

// The pulses of the slots marked `marca` with the opposite sign.
std::vector<Paso> signoCambiadoEn(std::vector<Paso> linea, char marca)
{
    for (Paso& p : linea)
        if (p.marca == marca) {
            p.nivel1 = std::int8_t(-p.nivel1);
            p.nivel2 = std::int8_t(-p.nivel2);
        }
    return linea;
}

// Every pulse positive, as if the marks did not alternate.
std::vector<Paso> sinAlternar(std::vector<Paso> linea)
{
    for (Paso& p : linea) {
        p.nivel1 = std::int8_t(std::abs(p.nivel1));
        p.nivel2 = std::int8_t(std::abs(p.nivel2));
    }
    return linea;
}

// Each half-bit pulse held for the whole slot.
std::vector<Paso> pulsoEntero(std::vector<Paso> linea)
{
    for (Paso& p : linea) p.nivel2 = p.nivel1;
    return linea;
}

// Each pulse in the second half of its slot instead of the first.
std::vector<Paso> pulsoTardio(std::vector<Paso> linea)
{
    for (Paso& p : linea) std::swap(p.nivel1, p.nivel2);
    return linea;
}

// B8ZS's substitutions one slot late: 0000VB0V where 000VB0VB goes.
std::vector<Paso> patronDesplazado(const std::vector<Paso>& linea)
{
    std::vector<Paso> r = linea;
    for (std::size_t i = 0; i + 8 <= linea.size(); ++i) {
        if (!(linea[i].sustituido && linea[i + 3].marca == 'V' && linea[i + 7].marca == 'B')) continue;
        for (std::size_t k = 7; k > 0; --k) r[i + k] = linea[i + k - 1];
        r[i] = linea[i];
        i += 7;
    }
    return r;
}

EstadoInicial otroSigno(EstadoInicial e)
{
    e.ultimoPulso = -e.ultimoPulso;
    return e;
}

EstadoInicial otroNivel(EstadoInicial e)
{
    e.nivel = e.nivel == 0 ? 1 : -e.nivel;
    return e;
}

EstadoInicial otraParidad(EstadoInicial e)
{
    e.paridad = 1 - e.paridad;
    return e;
}

// A state every code can start from, keeping what `e` says where it can.
EstadoInicial valido(EstadoInicial e)
{
    if (e.nivel == 0) e.nivel = -1;
    return e;
}

const char* const kMarcasNoAlternan =
    TRADUCIBLE("codigos", "las marcas no alternan: cada una lleva el signo contrario de la anterior");
const char* const kOtroSigno =
    TRADUCIBLE("codigos", "se empezó con el signo contrario: mira el último pulso antes del primer bit");
const char* const kOtroNivel =
    TRADUCIBLE("codigos", "se partió del nivel contrario: mira el nivel antes del primer bit");

std::vector<Fallo> candidatos(Codigo c, const std::string& bits, const EstadoInicial& e)
{
    const auto con = [&](Codigo otro, const std::string& b, const EstadoInicial& inicio) {
        return codificar(otro, b, inicio);
    };
    const std::vector<Paso> bien = codificar(c, bits, e);
    switch (c) {
    case Codigo::NrzUnipolar:
        return {{traducir("codigos", "unos y ceros al revés: el 1 es el nivel alto"), con(c, complemento(bits), e)},
                {traducir("codigos", "así es NRZ polar: en unipolar el 0 no tiene tensión"),
                 con(Codigo::NrzPolar, bits, e)},
                {traducir("codigos", "así es RZ: en NRZ el nivel dura todo el bit"), con(Codigo::Rz, bits, e)}};
    case Codigo::NrzPolar:
        return {
            {traducir("codigos", "unos y ceros al revés: el 1 es positivo y el 0 negativo"), invertida(bien)},
            {traducir("codigos", "así es NRZ unipolar: en polar el 0 es negativo"), con(Codigo::NrzUnipolar, bits, e)},
            {traducir("codigos", "así es NRZI: en NRZ polar el nivel dice el bit"),
             con(Codigo::Nrzi, bits, valido(e))}};
    case Codigo::Nrzi:
        return {{traducir("codigos", "el cambio va en los ceros: en NRZI cada 1 cambia el nivel"),
                 con(c, complemento(bits), e)},
                {traducir("codigos", "así es NRZ polar: en NRZI el bit no lo dice el nivel, sino el cambio"),
                 con(Codigo::NrzPolar, bits, e)},
                {traducir("codigos", kOtroNivel), con(c, bits, otroNivel(e))}};
    case Codigo::Rz:
        return {{traducir("codigos", "así es NRZ unipolar: en RZ el pulso vuelve a cero a mitad de bit"),
                 con(Codigo::NrzUnipolar, bits, e)},
                {traducir("codigos", "unos y ceros al revés: el pulso es el 1"), con(c, complemento(bits), e)},
                {traducir("codigos", "el pulso va en la primera mitad del bit, no en la segunda"), pulsoTardio(bien)}};
    case Codigo::Ami:
        return {{traducir("codigos", kMarcasNoAlternan), sinAlternar(bien)},
                {traducir("codigos", "así es pseudoternario: en AMI los pulsos son los unos"),
                 con(Codigo::Pseudoternario, bits, e)},
                {traducir("codigos", "el pulso dura todo el bit: en AMI dura medio bit"), pulsoEntero(bien)},
                {traducir("codigos", kOtroSigno), con(c, bits, otroSigno(e))}};
    case Codigo::Pseudoternario:
        return {
            {traducir("codigos", "así es AMI: en pseudoternario los pulsos son los ceros"), con(Codigo::Ami, bits, e)},
            {traducir("codigos", kMarcasNoAlternan), sinAlternar(bien)},
            {traducir("codigos", kOtroSigno), con(c, bits, otroSigno(e))}};
    case Codigo::Hdb3:
        return {{traducir("codigos",
                          "sin sustituciones: así queda en AMI, y en HDB3 cada cuatro ceros seguidos se sustituyen"),
                 con(Codigo::Ami, bits, e)},
                {traducir("codigos", "se eligió mal entre 000V y B00V: cuenta las marcas desde la última V"),
                 con(c, bits, otraParidad(e))},
                {traducir("codigos", "la V lleva la polaridad contraria: repite la del pulso anterior"),
                 signoCambiadoEn(bien, 'V')},
                {traducir("codigos", kOtroSigno), con(c, bits, otroSigno(e))}};
    case Codigo::B8zs:
        return {{traducir("codigos",
                          "sin sustituciones: así queda en AMI, y en B8ZS cada ocho ceros seguidos se sustituyen"),
                 con(Codigo::Ami, bits, e)},
                {traducir("codigos", "el patrón 000VB0VB va desplazado: empieza en el primero de los ocho ceros"),
                 patronDesplazado(bien)},
                {traducir("codigos", "la V lleva la polaridad contraria: repite la del pulso anterior"),
                 signoCambiadoEn(bien, 'V')},
                {traducir("codigos", "la B no alterna: lleva el signo contrario del pulso anterior"),
                 signoCambiadoEn(bien, 'B')}};
    case Codigo::Cmi:
        return {{traducir("codigos", "el 0 va al revés: en CMI es bajo en la primera mitad y alto en la segunda"),
                 pulsoTardio(bien)},
                {traducir("codigos", "los unos no alternan: cada 1 lleva el nivel contrario del 1 anterior"),
                 sinAlternar(bien)},
                {traducir("codigos", kOtroSigno), con(c, bits, otroSigno(e))}};
    case Codigo::Manchester:
        return {
            {traducir("codigos", "las transiciones van al revés: es el convenio de G. E. Thomas, no el de IEEE 802.3"),
             invertida(bien)},
            {traducir("codigos", "así es NRZ polar: falta la transición a mitad de bit"),
             con(Codigo::NrzPolar, bits, e)},
            {traducir("codigos",
                      "así es Manchester diferencial: en Manchester el sentido de la transición dice el bit"),
             con(Codigo::ManchesterDiferencial, bits, valido(e))}};
    case Codigo::ManchesterDiferencial:
        return {
            {traducir("codigos", "el cambio al principio del bit va en los unos: en el diferencial lo lleva cada 0"),
             con(c, complemento(bits), e)},
            {traducir("codigos", "así es Manchester: en el diferencial el bit lo dice si hay cambio al principio"),
             con(Codigo::Manchester, bits, e)},
            {traducir("codigos", kOtroNivel), con(c, bits, otroNivel(e))}};
    case Codigo::DosBUnoQ:
        return {{traducir("codigos", "signo y magnitud cambiados: el primer bit de cada par da el signo"),
                 con(c, cambiarPares(bits, 2), e)},
                {traducir("codigos", "las magnitudes al revés: un 1 en el segundo bit es ±1 y un 0 es ±3"),
                 con(c, cambiarPares(bits, 1), e)},
                {traducir("codigos", "el signo al revés: un 1 en el primer bit es positivo"),
                 con(c, cambiarPares(bits, 0), e)}};
    case Codigo::Mlt3:
        return {{traducir("codigos", "cada 1 cambia de signo sin pasar por cero: MLT-3 recorre 0, +1, 0, −1"),
                 con(Codigo::Nrzi, bits, valido(e))},
                {traducir("codigos", "cambian los ceros: en MLT-3 solo cada 1 avanza un paso"),
                 con(c, complemento(bits), e)},
                {traducir("codigos", "se partió de otro nivel: mira el nivel antes del primer bit"),
                 con(c, bits, otroNivel(e))}};
    }
    return {};
}

} // namespace

bool mismoDibujo(const std::vector<Paso>& a, const std::vector<Paso>& b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](const Paso& x, const Paso& y) { return x.nivel1 == y.nivel1 && x.nivel2 == y.nivel2; });
}

std::vector<Fallo> fallosTipicos(Codigo c, const std::string& bits, const EstadoInicial& inicio)
{
    const std::vector<Paso> bien = codificar(c, bits, inicio);
    std::vector<Fallo> r;
    for (Fallo& f : candidatos(c, bits, inicio)) {
        const bool repetido = mismoDibujo(f.linea, bien) || std::any_of(r.begin(), r.end(), [&](const Fallo& otro) {
                                  return mismoDibujo(otro.linea, f.linea);
                              });
        if (!repetido) r.push_back(std::move(f));
    }
    return r;
}

std::string describirInicio(Codigo c, const EstadoInicial& e)
{
    const std::string pulso =
        e.ultimoPulso > 0 ? traducir("codigos", "último pulso positivo") : traducir("codigos", "último pulso negativo");
    switch (c) {
    case Codigo::Ami:
    case Codigo::Pseudoternario:
    case Codigo::B8zs:
    case Codigo::Cmi: return pulso;
    case Codigo::Hdb3:
        return rellenar(e.paridad != 0 ? traducir("codigos", "%1, un número impar de marcas desde la última V")
                                       : traducir("codigos", "%1, un número par de marcas desde la última V"),
                        {pulso});
    case Codigo::Nrzi:
    case Codigo::ManchesterDiferencial:
        return e.nivel > 0 ? traducir("codigos", "nivel inicial alto") : traducir("codigos", "nivel inicial bajo");
    case Codigo::Mlt3:
        if (e.nivel != 0) return rellenar(traducir("codigos", "nivel inicial %1"), {e.nivel > 0 ? "+1" : "−1"});
        return e.ultimoPulso > 0 ? traducir("codigos", "nivel inicial cero, tras un pulso positivo")
                                 : traducir("codigos", "nivel inicial cero, tras un pulso negativo");
    default: return {};
    }
}

} // namespace codigos
