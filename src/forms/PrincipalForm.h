#pragma once
#include "forms/FormDef.h"
#include "linecode/Plotter.h"

#include <array>

namespace forms {

// The main window "principal" as designed, before any code runs.
FormDef principalForm();

// Heights of the number frame: full, and cut down to its caption strip so
// that the number is hidden and the question beneath shows.
// The colour of each trace's label while the trace is shown (the clock's label
// is a purer cyan than its trace), and of every label while hidden.
constexpr std::array<Colour, linecode::kTrazas> kColoresEtiqueta = {
    0x00FFFF00, 0x000000FF, 0x0000FFFF, 0x0000FF00, 0x000080FF,
};
constexpr Colour kEtiquetaOculta = kGris;

constexpr int kPersianaAbierta = 975;
constexpr int kPersianaCerrada = 250;

} // namespace forms
