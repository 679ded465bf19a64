// SPDX-License-Identifier: GPL-3.0-or-later
#include "codigos/CodigosLinea.h"

#include "codigos/Traduccion.h"

#include <algorithm>
#include <cstdlib>
#include <stdexcept>

namespace codigos {

namespace {

Paso paso(char bit, int nivel1, int nivel2, bool sustituido = false)
{
    return Paso{bit, static_cast<std::int8_t>(nivel1), static_cast<std::int8_t>(nivel2), sustituido};
}

// Half-bit pulses (50 % duty, as G.703 and T1.102 give them).
Paso pulso(char marca, int signo, bool sustituido = false) { return paso(marca, signo, 0, sustituido); }

// One slot per bit, each from its bit and the state `slot` keeps. The
// loop reads and writes through plain pointers, and each coder keeps its
// state inside its own closure (captured by value): a slot's characters may
// alias anything, so state the compiler cannot see whole would be stored
// and reloaded at every slot.
template <typename Slot>
std::vector<Paso> cadaBit(const std::string& bits, Slot slot)
{
    std::vector<Paso> r(bits.size());
    const char* b = bits.data();
    Paso* salida = r.data();
    for (std::size_t i = 0, n = bits.size(); i < n; ++i) salida[i] = slot(b[i]);
    return r;
}

// AMI and its relatives: each pulse has the sign opposite to the last one,
// except a violation, which repeats it.
class Bipolar {
public:
    explicit Bipolar(int ultimo) : ultimo_(ultimo) {}
    int alterna() { return ultimo_ = -ultimo_; }
    int ultimo() const { return ultimo_; }

private:
    int ultimo_;
};

// With random data a branch on each bit is mispredicted half the time:
// the simple coders work out their levels by arithmetic on the bit (d is
// 0 or 1, and 1 - 2d flips a sign exactly where d is 1).
int digito(char b) { return b - '0'; }

std::vector<Paso> ami(const std::string& bits, int ultimo)
{
    return cadaBit(bits, [ultimo](char b) mutable {
        const int d = digito(b);
        ultimo *= 1 - 2 * d;
        return pulso(b, d * ultimo);
    });
}

// The marks are the zeros, and they fill their slot, as on the ISDN bus.
std::vector<Paso> pseudoternario(const std::string& bits, int ultimo)
{
    return cadaBit(bits, [ultimo](char b) mutable {
        const int marca = 1 - digito(b);
        ultimo *= 1 - 2 * marca;
        return paso(b, marca * ultimo, marca * ultimo);
    });
}

bool cerosDesde(const char* b, std::size_t i, std::size_t n, std::size_t cuantos)
{
    if (i + cuantos > n) return false;
    for (std::size_t k = i; k < i + cuantos; ++k)
        if (b[k] != '0') return false;
    return true;
}

// Four zeros become 000V after an odd number of marks since the last V,
// else B00V, so that successive Vs alternate and the mean stays zero.
std::vector<Paso> hdb3(const std::string& bits, const EstadoInicial& inicio)
{
    Bipolar linea(inicio.ultimoPulso);
    int paridad = inicio.paridad & 1;
    std::vector<Paso> r(bits.size());
    const char* b = bits.data();
    Paso* salida = r.data();
    for (std::size_t i = 0, n = bits.size(); i < n; ++i) {
        if (b[i] == '0' && cerosDesde(b, i, n, 4)) {
            salida[i] = paridad == 0 ? pulso('B', linea.alterna(), true) : paso('0', 0, 0, true);
            salida[i + 1] = salida[i + 2] = paso('0', 0, 0, true);
            salida[i + 3] = pulso('V', linea.ultimo(), true); // a violation repeats the sign
            paridad = 0;
            i += 3;
        } else if (b[i] == '1') {
            salida[i] = pulso('1', linea.alterna());
            paridad ^= 1;
        } else {
            salida[i] = paso('0', 0, 0);
        }
    }
    return r;
}

// Eight zeros become 000VB0VB: V repeats the last pulse's sign, B opposes it.
std::vector<Paso> b8zs(const std::string& bits, int ultimo)
{
    Bipolar linea(ultimo);
    std::vector<Paso> r(bits.size());
    const char* b = bits.data();
    Paso* salida = r.data();
    for (std::size_t i = 0, n = bits.size(); i < n; ++i) {
        if (b[i] == '0' && cerosDesde(b, i, n, 8)) {
            const int p = linea.ultimo();
            const Paso patron[8] = {pulso('0', 0, true),  pulso('0', 0, true),  pulso('0', 0, true),
                                    pulso('V', p, true),  pulso('B', -p, true), pulso('0', 0, true),
                                    pulso('V', -p, true), pulso('B', p, true)};
            std::copy(patron, patron + 8, salida + i);
            i += 7;
        } else {
            salida[i] = b[i] == '1' ? pulso('1', linea.alterna()) : paso('0', 0, 0);
        }
    }
    return r;
}

std::vector<Paso> cmi(const std::string& bits, int ultimo)
{
    // A 1 holds the next of its alternating levels; a 0 is -1 then +1.
    return cadaBit(bits, [ultimo](char b) mutable {
        const int d = digito(b);
        ultimo *= 1 - 2 * d;
        return paso(b, d * ultimo - (1 - d), d * ultimo + (1 - d));
    });
}

std::vector<Paso> dosBUnoQ(const std::string& bits)
{
    std::vector<Paso> r(bits.size());
    const char* b = bits.data();
    Paso* salida = r.data();
    const std::size_t n = bits.size();
    for (std::size_t i = 0; i < n; i += 2) {
        // An odd last bit is paired with a 0: it gets a slot of its own.
        const bool uno = i + 1 < n && b[i + 1] == '1';
        const int nivel = (b[i] == '1' ? 1 : -1) * (uno ? 1 : 3);
        salida[i] = paso(b[i], nivel, nivel);
        if (i + 1 < n) salida[i + 1] = paso(b[i + 1], nivel, nivel);
    }
    return r;
}

// MLT-3 walks 0, +1, 0, -1: off a pulse back to 0, off 0 the way opposite
// to the last pulse.
std::vector<Paso> mlt3(const std::string& bits, const EstadoInicial& inicio)
{
    return cadaBit(bits, [nivel = inicio.nivel,
                          direccion = inicio.nivel != 0 ? -inicio.nivel : -inicio.ultimoPulso](char b) mutable {
        if (b == '1') {
            if (nivel != 0) direccion = -nivel;
            nivel = nivel != 0 ? 0 : direccion;
        }
        return paso(b, nivel, nivel);
    });
}

bool usaUltimoPulso(Codigo c, const EstadoInicial& inicio)
{
    switch (c) {
    case Codigo::Ami:
    case Codigo::Pseudoternario:
    case Codigo::Hdb3:
    case Codigo::B8zs:
    case Codigo::Cmi: return true;
    case Codigo::Mlt3: return inicio.nivel == 0;
    default: return false;
    }
}

// A line cannot start from a state its code never has: a flat line that
// decodes wrongly is worse than a refusal.
void comprobarInicio(Codigo c, const EstadoInicial& inicio)
{
    const bool signo = inicio.ultimoPulso == 1 || inicio.ultimoPulso == -1;
    const bool nivel = inicio.nivel == 1 || inicio.nivel == -1 || (c == Codigo::Mlt3 && inicio.nivel == 0);
    const bool usaNivel = c == Codigo::Nrzi || c == Codigo::ManchesterDiferencial || c == Codigo::Mlt3;
    if ((usaUltimoPulso(c, inicio) && !signo) || (usaNivel && !nivel))
        throw std::invalid_argument(std::string("estado inicial imposible para ") + nombreCodigo(c));
}

void comprobarBits(const std::string& bits)
{
    // '0' and '1' differ only in the lowest bit: one mask checks both, and
    // the loop runs many characters a step.
    unsigned otros = 0;
    for (char b : bits) otros |= (static_cast<unsigned char>(b) & 0xFEu) ^ 0x30u;
    if (otros != 0) throw std::invalid_argument("solo se codifican ceros y unos");
}

} // namespace

EstadoInicial estadoAlAzar(Codigo c, const std::function<int(int)>& alAzarHasta)
{
    const auto signo = [&] { return alAzarHasta(2) == 0 ? -1 : 1; };
    EstadoInicial e;
    e.ultimoPulso = signo();
    e.nivel = c == Codigo::Mlt3 && alAzarHasta(3) == 0 ? 0 : signo();
    e.paridad = alAzarHasta(2);
    return e;
}

std::vector<Paso> codificar(Codigo c, const std::string& bits, const EstadoInicial& inicio)
{
    comprobarInicio(c, inicio);
    comprobarBits(bits);
    switch (c) {
    case Codigo::NrzUnipolar: return cadaBit(bits, [](char b) { return paso(b, digito(b), digito(b)); });
    case Codigo::NrzPolar: return cadaBit(bits, [](char b) { return paso(b, 2 * digito(b) - 1, 2 * digito(b) - 1); });
    case Codigo::Nrzi:
        return cadaBit(bits, [nivel = inicio.nivel](char b) mutable {
            nivel *= 1 - 2 * digito(b);
            return paso(b, nivel, nivel);
        });
    case Codigo::Rz: return cadaBit(bits, [](char b) { return paso(b, digito(b), 0); });
    case Codigo::Ami: return ami(bits, inicio.ultimoPulso);
    case Codigo::Pseudoternario: return pseudoternario(bits, inicio.ultimoPulso);
    case Codigo::Hdb3: return hdb3(bits, inicio);
    case Codigo::B8zs: return b8zs(bits, inicio.ultimoPulso);
    case Codigo::Cmi: return cmi(bits, inicio.ultimoPulso);
    case Codigo::Manchester: return cadaBit(bits, [](char b) { return paso(b, 1 - 2 * digito(b), 2 * digito(b) - 1); });
    case Codigo::ManchesterDiferencial:
        return cadaBit(bits, [nivel = inicio.nivel](char b) mutable {
            const int primera = nivel * (2 * digito(b) - 1);
            nivel = -primera;
            return paso(b, primera, nivel);
        });
    case Codigo::DosBUnoQ: return dosBUnoQ(bits);
    case Codigo::Mlt3: return mlt3(bits, inicio);
    }
    return {};
}

bool esSustitucionB8zs(const std::vector<Paso>& linea, std::size_t i, int ultimo)
{
    if (i < 3 || i + 4 >= linea.size()) return false;
    const auto nivel = [&](std::size_t k) { return linea[k].nivel1; };
    return nivel(i - 3) == 0 && nivel(i - 2) == 0 && nivel(i - 1) == 0 && nivel(i) == ultimo &&
           nivel(i + 1) == -ultimo && nivel(i + 2) == 0 && nivel(i + 3) == -ultimo && nivel(i + 4) == ultimo;
}

std::string decodificar(Codigo c, const std::vector<Paso>& linea, const EstadoInicial& inicio)
{
    comprobarInicio(c, inicio);
    std::string r;
    r.reserve(linea.size());
    int anterior = inicio.nivel;
    int ultimoPulso = inicio.ultimoPulso;
    for (std::size_t i = 0; i < linea.size(); ++i) {
        const Paso& p = linea[i];
        char bit = '0';
        switch (c) {
        case Codigo::NrzUnipolar:
        case Codigo::NrzPolar:
        case Codigo::Rz: bit = p.nivel1 > 0 ? '1' : '0'; break;
        case Codigo::Nrzi:
        case Codigo::Mlt3: bit = p.nivel1 != anterior ? '1' : '0'; break;
        case Codigo::Ami: bit = p.nivel1 != 0 ? '1' : '0'; break;
        case Codigo::Pseudoternario: bit = p.nivel1 == 0 ? '1' : '0'; break;
        case Codigo::Cmi: bit = p.nivel1 == p.nivel2 ? '1' : '0'; break;
        case Codigo::Manchester: bit = p.nivel1 < p.nivel2 ? '1' : '0'; break;
        case Codigo::ManchesterDiferencial: bit = p.nivel1 == anterior ? '1' : '0'; break;
        case Codigo::DosBUnoQ: {
            // A pair's first slot carries the sign bit, its second the
            // magnitude bit (1 for the inner levels, 0 for the outer).
            bit = i % 2 == 0 ? (p.nivel1 > 0 ? '1' : '0') : (std::abs(p.nivel1) == 1 ? '1' : '0');
            break;
        }
        case Codigo::Hdb3:
            if (p.nivel1 == 0) break;
            if (p.nivel1 == ultimoPulso) {
                // A violation: it and the three slots before it were zeros.
                for (std::size_t k = i >= 3 ? i - 3 : 0; k < r.size(); ++k) r[k] = '0';
            } else {
                bit = '1';
            }
            ultimoPulso = p.nivel1;
            break;
        case Codigo::B8zs:
            if (p.nivel1 == 0) break;
            if (p.nivel1 == ultimoPulso && esSustitucionB8zs(linea, i, ultimoPulso)) {
                // 000VB0VB: the pattern's eight slots are zeros, and its
                // last B has the sign the next mark opposes.
                for (std::size_t k = i - 3; k < r.size(); ++k) r[k] = '0';
                r.append(5, '0');
                i += 4;
                continue;
            }
            bit = '1';
            ultimoPulso = p.nivel1;
            break;
        }
        r.push_back(bit);
        anterior = c == Codigo::ManchesterDiferencial ? p.nivel2 : p.nivel1;
    }
    return r;
}

std::string simboloPaso(Codigo c, const Paso& paso)
{
    if (c != Codigo::DosBUnoQ) return std::string(1, paso.marca);
    return (paso.nivel1 > 0 ? "+" : "-") + std::to_string(std::abs(paso.nivel1));
}

std::string razonPaso(Codigo c, const std::vector<Paso>& linea, std::size_t i)
{
    if (!linea[i].sustituido) return {};
    if (c == Codigo::B8zs)
        return traducir("codigos", "ocho ceros → 000VB0VB: V repite el signo del último pulso y B lo invierte");
    // Substitutions lie in whole runs of four from the first substituted slot.
    std::size_t inicio = i;
    while (inicio > 0 && linea[inicio - 1].sustituido) --inicio;
    inicio += (i - inicio) / 4 * 4;
    return linea[inicio].marca == 'B'
               ? traducir("codigos", "cuatro ceros tras un número par de marcas desde la última V → B00V")
               : traducir("codigos", "cuatro ceros tras un número impar de marcas desde la última V → 000V");
}

} // namespace codigos
