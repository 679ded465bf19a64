// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The mistakes students make when they draw a line code, each as the line
// it gives and what it is, in Spanish: the wrong answers of a question that
// asks which picture is the right one, each with the feedback it deserves.
// Plain C++, beside the codes themselves.

#include "codigos/CodigosLinea.h"

#include <string>
#include <vector>

namespace codigos {

struct Fallo {
    std::string que; // "sin sustituciones: así queda en AMI…"
    std::vector<Paso> linea;
};

// The typical mistakes for `bits` in code `c` from `inicio`, in a fixed
// order, keeping only those whose line differs from the right one and from
// the mistakes kept before it (a HDB3 line with no four zeros in a row is
// its AMI line: that mistake shows nothing there).
std::vector<Fallo> fallosTipicos(Codigo c, const std::string& bits, const EstadoInicial& inicio);

// Whether two lines draw the same: their levels, half by half.
bool mismoDibujo(const std::vector<Paso>& a, const std::vector<Paso>& b);

// The starting state in words, for the codes whose line depends on it
// ("último pulso negativo, paridad par"); empty for the others.
std::string describirInicio(Codigo c, const EstadoInicial& inicio);

} // namespace codigos
