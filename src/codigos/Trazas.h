// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The five traces of the drawing, in the order the program draws and lists
// them, with the name on each label, the color of the line and of the
// label while the trace is shown.

#include "codigos/Lienzo.h"

#include <array>

namespace codigos {

enum Traza { Reloj, Nrz, Rz, Ami, Hdb3, kTrazas };

struct DatosTraza {
    const char* nombre;
    Color trazo;
    Color etiqueta; // the clock's label is a purer cyan than its line
};

constexpr std::array<DatosTraza, kTrazas> kDatosTrazas = {{
    {"CLK", 0x00FFFF80, 0x00FFFF00},
    {"NRZ", 0x000000FF, 0x000000FF},
    {"RZ", 0x0000FFFF, 0x0000FFFF},
    {"AMI", 0x0000FF00, 0x0000FF00},
    {"HDB3", 0x000080FF, 0x000080FF},
}};

namespace colores {
constexpr Color kRejilla = 0x00C00000;
// Every fourth bit boundary separates two hexadecimal digits.
constexpr Color kRejillaDigito = 0x00FFC0C0;
// Behind a wrongly read bit: a dark wine red that every trace stands out on.
constexpr Color kBitErroneo = 0x00301858;
} // namespace colores

} // namespace codigos
