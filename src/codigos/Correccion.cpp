// SPDX-License-Identifier: GPL-3.0-or-later
#include "codigos/Correccion.h"

#include "codigos/DatosCodigo.h"
#include "codigos/Traduccion.h"

#include <cstdlib>

namespace codigos {

namespace {

std::string nivelEnTexto(int nivel)
{
    if (nivel == 0) return "0";
    return (nivel > 0 ? "+" : "−") + std::to_string(std::abs(nivel));
}

// Why half `mitad` of bit `b` is wrong, drawn at `dibujado`.
std::string porQue(Codigo c, const std::vector<Paso>& bien, std::size_t b, int mitad, int dibujado, int otraMitad)
{
    const Paso& paso = bien[b];
    const int esperado = mitad == 0 ? paso.nivel1 : paso.nivel2;
    if (dibujado == kSinDibujar) return traducir("codigos", "falta dibujar este medio bit");
    if (paso.sustituido)
        return rellenar(traducir("codigos", "aquí va %1: %2"), {std::string(1, paso.marca), razonPaso(c, bien, b)});
    if ((c == Codigo::Manchester || c == Codigo::ManchesterDiferencial) && dibujado == otraMitad)
        return traducir("codigos", "falta la transición a mitad de bit");
    if (datosCodigo(c).alterna && esperado != 0 && dibujado == -esperado)
        return traducir("codigos", "la marca debe alternar");
    if (esperado == 0 && dibujado != 0)
        return mitad == 1 && paso.nivel1 != 0 ? traducir("codigos", "el pulso dura medio bit")
                                              : traducir("codigos", "aquí no hay pulso");
    if (esperado != 0 && dibujado == 0) return traducir("codigos", "aquí va un pulso");
    return rellenar(traducir("codigos", "aquí va el nivel %1"), {nivelEnTexto(esperado)});
}

} // namespace

Correccion corregir(Codigo c, const std::string& bits, const EstadoInicial& inicio, const std::vector<int>& mitades)
{
    const std::vector<Paso> bien = codificar(c, bits, inicio);
    Correccion r;
    for (std::size_t h = 0; h < 2 * bien.size(); ++h) {
        const std::size_t b = h / 2;
        const int mitad = int(h % 2);
        const int dibujado = h < mitades.size() ? mitades[h] : kSinDibujar;
        if (dibujado == (mitad == 0 ? bien[b].nivel1 : bien[b].nivel2)) continue;
        if (r.mal++ > 0) continue;
        r.primera = int(h);
        const std::size_t otra = h ^ 1u;
        r.porque = porQue(c, bien, b, mitad, dibujado, otra < mitades.size() ? mitades[otra] : kSinDibujar);
    }
    return r;
}

} // namespace codigos
