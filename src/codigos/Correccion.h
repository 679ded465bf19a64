// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A line a student drew, half-bit by half-bit, checked against the code:
// how many halves are wrong, the first of them, and why, in the words the
// laboratory uses. Plain C++, beside the codes themselves.

#include "codigos/CodigosLinea.h"

#include <string>
#include <vector>

namespace codigos {

// A half-bit the student has not drawn yet.
constexpr int kSinDibujar = 99;

struct Correccion {
    int mal = 0;      // wrong halves, undrawn ones included
    int primera = -1; // the first of them, as 2 × bit + half; -1 when all are right
    std::string porque;
};

// `mitades` holds the level of each half-bit as drawn, two per bit.
Correccion corregir(Codigo c, const std::string& bits, const EstadoInicial& inicio, const std::vector<int>& mitades);

} // namespace codigos
