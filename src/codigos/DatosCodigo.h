// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every fact about a line code that the program shows, in one table: its
// name, the convention it follows, its levels and which it sends, how long
// a pulse lasts, whether its marks alternate, whether its rules reveal
// line errors, whether its power holds discrete lines, and how it is drawn
// (color, and the mark of its curve in the power densities). The coder
// and the receiver are in CodigosLinea.cpp; adding a code is a row here and
// its coder there.

#include "codigos/CodigosLinea.h"
#include "codigos/Lienzo.h"

#include <array>

namespace codigos {

// How long a level lasts, which is how a matched receiver integrates it.
enum class Pulso {
    BitEntero,  // the level lasts the whole bit
    MedioBit,   // pulses of half a bit, then zero
    Mitades,    // each half has its own level
    Manchester, // one level and its opposite: the receiver compares the halves
};

// The marks that tell the power density curves apart.
enum class FormaMarca { Circulo, Cuadrado, TrianguloArriba, TrianguloAbajo, Rombo, Cruz, Aspa, Asterisco };

struct DatosCodigo {
    const char* nombre;         // "NRZ unipolar", "Manchester diferencial", "2B1Q"...
    const char* convencion;     // in one Spanish line, with its standard where it has one
    std::array<int, 4> niveles; // the levels it uses, highest first (the scale beside its trace)
    int cuantosNiveles;
    bool enviaCero; // zero is a level it sends (polar codes show it only as the scale's middle)
    Pulso pulso;
    bool alterna;        // its marks alternate in sign (the bipolar codes)
    bool detectaErrores; // its own rules reveal some line errors
    bool rayas;          // its power holds discrete lines (the DC of unipolar codes...)
    Color color;         // 0xRRGGBB, drawn on black
    FormaMarca marca;
    bool marcaLlena;
};

const DatosCodigo& datosCodigo(Codigo c);

// The highest level of the code (1, or 3 for 2B1Q).
inline int nivelMaximo(Codigo c) { return datosCodigo(c).niveles[0]; }

} // namespace codigos
