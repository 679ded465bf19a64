// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The power spectral density of a line code for random data, estimated by
// Welch's method (Hann-windowed, half-overlapping segments) with FFTW.

#include "codigos/CodigosLinea.h"

#include <optional>
#include <vector>

namespace codigos {

constexpr int kBitsEspectro = 65536;
// Points from 0 to twice the bit rate, both included.
constexpr int kPuntosEspectro = 257;

// The one-sided density at f = 2 k / (kPuntosEspectro - 1) times the bit
// rate, for k = 0 ... kPuntosEspectro - 1, scaled so that the line's mean
// power is 1: codes of different levels compare by their shape.
// At least 128 bits (one segment); fewer throw std::invalid_argument.
std::vector<double> densidadEspectral(Codigo c, int bits = kBitsEspectro, unsigned semilla = 1);

// The textbook density of random data at f (in bit rates), scaled as
// densidadEspectral's, without its discrete lines (the DC of unipolar
// codes, RZ's and CMI's lines at multiples of the bit rate). HDB3 and B8ZS
// have none: their substitutions tie each symbol to the runs before it.
std::optional<double> densidadTeorica(Codigo c, double f);

// Whether the code's power holds discrete lines, which a density can only
// show as arrows.
bool tieneRayas(Codigo c);

} // namespace codigos
