// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The power spectral density of a line code for random data, estimated by
// Welch's method (Hann-windowed, half-overlapping segments) with FFTW.

#include "linecode/CodigosLinea.h"

#include <vector>

namespace linecode {

constexpr int kBitsEspectro = 65536;
// Points from 0 to twice the bit rate, both included.
constexpr int kPuntosEspectro = 257;

// The one-sided density at f = 2 k / (kPuntosEspectro - 1) times the bit
// rate, for k = 0 ... kPuntosEspectro - 1, scaled so that the line's mean
// power is 1: codes of different levels compare by their shape.
std::vector<double> densidadEspectral(Codigo c, int bits = kBitsEspectro, unsigned semilla = 1);

} // namespace linecode
