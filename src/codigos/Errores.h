// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Line errors in the code laboratory: one injected into a half-bit of a
// line, and the violations of its code's rules that a receiver would see.
// Plain C++, beside the codes themselves.

#include "codigos/CodigosLinea.h"
#include "codigos/Traduccion.h"

#include <string>
#include <vector>

namespace codigos {

// A pulse becomes zero; a zero becomes a positive pulse (a 1 on unipolar
// lines); a polar or 2B1Q level changes its sign. `mitad` is 0 or 1.
void inyectarError(Codigo c, Paso& paso, int mitad);

// Whether the code's own rules reveal some line errors.
bool detectaErrores(Codigo c);

struct Violacion {
    int bit;         // from 0
    const char* que; // "violación bipolar no esperada", in Spanish
    // What it is in the user's language: "violación bipolar no esperada".
    std::string motivo() const { return traducir("codigos", que); }
    // "violación bipolar no esperada en el bit 13" (bits counted from 1)
    std::string texto() const
    {
        return rellenar(traducir("codigos", "%1 en el bit %2"), {motivo(), std::to_string(bit + 1)});
    }
};

// What the receiver finds against the code's rules, in bit order.
std::vector<Violacion> violaciones(Codigo c, const std::vector<Paso>& linea, const EstadoInicial& inicio = {});

} // namespace codigos
