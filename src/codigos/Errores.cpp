// SPDX-License-Identifier: GPL-3.0-or-later
#include "codigos/Errores.h"

#include "codigos/DatosCodigo.h"

#include <optional>

namespace codigos {

namespace {

const char* const kBipolar = TRADUCIBLE("codigos", "violación bipolar no esperada");

bool ceros(const std::vector<Paso>& linea, std::size_t desde, std::size_t hasta)
{
    for (std::size_t k = desde; k < hasta; ++k)
        if (linea[k].nivel1 != 0) return false;
    return true;
}

// AMI and pseudoternary: every pulse opposes the one before.
void alternancia(const std::vector<Paso>& linea, int ultimo, std::vector<Violacion>& r)
{
    for (std::size_t i = 0; i < linea.size(); ++i) {
        const int n = linea[i].nivel1;
        if (n == 0) continue;
        if (n == ultimo) r.push_back({int(i), kBipolar});
        ultimo = n;
    }
}

// HDB3 and B8ZS: a pulse may repeat the last sign only where a
// substitution puts a V, and `maximo` zeros in a row never reach the line.
// `esV(i)` tells whether slot i is such a V, and how many slots of its
// substitution follow it.
template <typename EsV>
void sustituciones(const std::vector<Paso>& linea, int ultimo, int maximo, const char* demasiados, EsV esV,
                   std::vector<Violacion>& r)
{
    int seguidos = 0;
    for (std::size_t i = 0; i < linea.size(); ++i) {
        const int n = linea[i].nivel1;
        if (n == 0) {
            if (++seguidos == maximo) r.push_back({int(i), demasiados});
            continue;
        }
        seguidos = 0;
        if (n == ultimo) {
            if (const std::optional<std::size_t> resto = esV(i))
                i += *resto;
            else
                r.push_back({int(i), kBipolar});
        }
        ultimo = n;
    }
}

// HDB3: the V of 000V or B00V follows two zeros, and successive Vs
// alternate. The first V follows an odd number of pulses since the last V
// before the line, as the starting parity counts them: the coder writes
// 000V after an odd number of marks, and B00V, whose B is one more, after
// an even number.
void hdb3(const std::vector<Paso>& linea, const EstadoInicial& inicio, std::vector<Violacion>& r)
{
    int ultimaV = 0;
    int pulsos = inicio.paridad & 1; // since the last V, modulo 2, until the first V
    const auto esV = [&](std::size_t i) -> std::optional<std::size_t> {
        if (i < 3 || !ceros(linea, i - 2, i)) return std::nullopt;
        const int v = linea[i].nivel1;
        if (ultimaV == 0) {
            for (std::size_t k = 0; k < i; ++k) pulsos += linea[k].nivel1 != 0;
            if (pulsos % 2 == 0)
                r.push_back({int(i), TRADUCIBLE("codigos", "violación que no cuadra con la paridad inicial")});
        } else if (v == ultimaV) {
            r.push_back({int(i), TRADUCIBLE("codigos", "violación con la polaridad de la anterior")});
        }
        ultimaV = v;
        return 0;
    };
    sustituciones(linea, inicio.ultimoPulso, 4, TRADUCIBLE("codigos", "cuatro ceros seguidos, imposibles en HDB3,"),
                  esV, r);
}

// B8ZS: the first V of 000VB0VB; the rest of the pattern is skipped (its
// last B has the V's sign, as the loop then takes it).
void b8zs(const std::vector<Paso>& linea, int ultimo, std::vector<Violacion>& r)
{
    const auto esV = [&](std::size_t i) -> std::optional<std::size_t> {
        return esSustitucionB8zs(linea, i, linea[i].nivel1) ? std::optional<std::size_t>(4) : std::nullopt;
    };
    sustituciones(linea, ultimo, 8, TRADUCIBLE("codigos", "ocho ceros seguidos, imposibles en B8ZS,"), esV, r);
}

// CMI: a 1 holds its level a whole slot, alternately high and low; a 0 is
// low then high. High then low never occurs.
void cmi(const std::vector<Paso>& linea, int ultimo, std::vector<Violacion>& r)
{
    for (std::size_t i = 0; i < linea.size(); ++i) {
        const Paso& p = linea[i];
        if (p.nivel1 == p.nivel2 && p.nivel1 != 0) {
            if (p.nivel1 == ultimo) r.push_back({int(i), TRADUCIBLE("codigos", "violación de la alternancia CMI")});
            ultimo = p.nivel1;
        } else if (!(p.nivel1 < 0 && p.nivel2 > 0)) {
            r.push_back({int(i), TRADUCIBLE("codigos", "símbolo CMI no válido")});
        }
    }
}

} // namespace

void inyectarError(Codigo c, Paso& paso, int mitad)
{
    std::int8_t& n = mitad == 0 ? paso.nivel1 : paso.nivel2;
    switch (c) {
    case Codigo::NrzUnipolar:
    case Codigo::Rz:
    case Codigo::Ami:
    case Codigo::Pseudoternario:
    case Codigo::Hdb3:
    case Codigo::B8zs:
    case Codigo::Mlt3: n = n != 0 ? 0 : 1; break;
    default: n = n != 0 ? -n : 1; break;
    }
}

bool detectaErrores(Codigo c) { return datosCodigo(c).detectaErrores; }

std::vector<Violacion> violaciones(Codigo c, const std::vector<Paso>& linea, const EstadoInicial& inicio)
{
    std::vector<Violacion> r;
    switch (c) {
    case Codigo::Ami:
    case Codigo::Pseudoternario: alternancia(linea, inicio.ultimoPulso, r); break;
    case Codigo::Hdb3: hdb3(linea, inicio, r); break;
    case Codigo::B8zs: b8zs(linea, inicio.ultimoPulso, r); break;
    case Codigo::Cmi: cmi(linea, inicio.ultimoPulso, r); break;
    case Codigo::Manchester:
    case Codigo::ManchesterDiferencial: // (IEEE 802.5 marks its J and K symbols so)
        for (std::size_t i = 0; i < linea.size(); ++i)
            if (linea[i].nivel1 == linea[i].nivel2)
                r.push_back({int(i), TRADUCIBLE("codigos", "falta la transición a mitad de bit")});
        break;
    default: break;
    }
    return r;
}

} // namespace codigos
