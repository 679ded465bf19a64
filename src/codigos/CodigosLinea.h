// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The line codes of telephone and data lines, for any bit string: each bit
// coded as a symbol and the line's level in each half of the bit slot
// (integers from -3 to 3), and decoded back from those levels. Plain C++.
//
// Conventions, as the references give them:
// - NRZ unipolar: 1 high, 0 zero. NRZ polar: 1 +1, 0 -1.
// - NRZI: a transition at the start of every 1.
// - RZ (unipolar): a 1 is a pulse in the first half of its slot.
// - AMI: marks alternate in sign, half-bit pulses (T1, ANSI T1.102).
// - Pseudoternary (ITU-T I.430, the ISDN S/T bus): the zeros are
//   full-width pulses alternating in sign, the ones are zero.
// - HDB3 (ITU-T G.703): AMI with every four zeros replaced by 000V after an
//   odd number of marks since the last V, else B00V.
// - B8ZS (ANSI T1.102): AMI with every eight zeros replaced by 000VB0VB.
// - CMI (ITU-T G.703): a 1 holds a full slot, alternately high and low; a
//   0 is low then high.
// - Manchester (IEEE 802.3): a 1 rises at mid-bit, a 0 falls (G. E.
//   Thomas's original convention is the opposite).
// - Differential Manchester: a transition at mid-bit always, and one at the
//   start of every 0.
// - 2B1Q (ANSI T1.601): two bits a symbol, the first the sign, the second
//   the magnitude: 10 +3, 11 +1, 01 -1, 00 -3. An odd last bit is paired
//   with a 0.
// - MLT-3: each 1 moves one step along 0, +1, 0, -1.

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace codigos {

enum class Codigo {
    NrzUnipolar,
    NrzPolar,
    Nrzi,
    Rz,
    Ami,
    Pseudoternario,
    Hdb3,
    B8zs,
    Cmi,
    Manchester,
    ManchesterDiferencial,
    DosBUnoQ,
    Mlt3
};
constexpr int kCodigosLinea = 13;
constexpr std::array<Codigo, kCodigosLinea> kTodosLosCodigos = {
    Codigo::NrzUnipolar,           Codigo::NrzPolar, Codigo::Nrzi, Codigo::Rz,  Codigo::Ami,
    Codigo::Pseudoternario,        Codigo::Hdb3,     Codigo::B8zs, Codigo::Cmi, Codigo::Manchester,
    Codigo::ManchesterDiferencial, Codigo::DosBUnoQ, Codigo::Mlt3};

// "NRZ unipolar", "Manchester diferencial", "2B1Q", ... (from the codes'
// table, DatosCodigo.h, with every other fact about a code)
const char* nombreCodigo(Codigo c);
// The convention the program follows for the code, in one Spanish line.
const char* convencionCodigo(Codigo c);
// The name and the convention in the user's language, for the windows;
// files and the command line keep the Spanish name.
std::string nombreVisible(Codigo c);
std::string convencionVisible(Codigo c);

// The line before the first bit.
struct EstadoInicial {
    int ultimoPulso = -1; // sign of the last pulse (AMI, pseudoternary, HDB3, B8ZS, CMI), -1 or 1
    int nivel = -1;       // level before the first bit: -1 or 1 (NRZI, differential Manchester); MLT-3 also 0
    int paridad = 0;      // HDB3: marks since the last violation, modulo 2
};

// A state the code may start from, drawn with `alAzarHasta(n)`, a whole
// number from 0 to n − 1: every sign and parity, and for MLT-3 the zero
// level too (as often as each sign).
EstadoInicial estadoAlAzar(Codigo c, const std::function<int(int)>& alAzarHasta);

// One bit slot of the line.
struct Paso {
    char marca;         // '0', '1', or the 'B' and 'V' of a substitution
    std::int8_t nivel1; // the level in the first half of the slot
    std::int8_t nivel2; // and in the second
    bool sustituido;    // part of an HDB3 or B8ZS substitution
};

// The bits ('0' and '1') as the line carries them. A starting state the
// code cannot have (a zero sign or level where the code needs one) throws
// std::invalid_argument, as do characters other than '0' and '1'.
std::vector<Paso> codificar(Codigo c, const std::string& bits, const EstadoInicial& inicio = {});

// What the step table shows as a slot's symbol: its mark, or the 2B1Q
// symbol ("+3", "-1", ...).
std::string simboloPaso(Codigo c, const Paso& paso);

// The bits the line's levels carry, read as a receiver reads them. HDB3's
// and B8ZS's substitutions are taken out only where the code's rules allow
// them: anything else is read as marks (and violaciones() reports it).
std::string decodificar(Codigo c, const std::vector<Paso>& linea, const EstadoInicial& inicio = {});

// B8ZS: whether slot i holds the first V of a whole 000VB0VB, with
// `ultimo` the sign of the pulse before it.
bool esSustitucionB8zs(const std::vector<Paso>& linea, std::size_t i, int ultimo);

// Why a bit slot is coded as it is, for the B and V slots and the
// substituted runs of HDB3 and B8ZS; empty for every other slot.
std::string razonPaso(Codigo c, const std::vector<Paso>& linea, std::size_t i);

} // namespace codigos
