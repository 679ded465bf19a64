// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's one pseudo-random source: values uniform in [0, 1). Shared
// by the digits of a proposal and the random code. Start-up seeds it, from
// the clock or from the teacher's fixed seed.

#include <cstdint>

namespace modelo {

float alAzar();

// Where the sequence starts: the same seed gives the same exercises.
void sembrarAleatorio(std::uint64_t semilla);

} // namespace modelo
