// SPDX-License-Identifier: GPL-3.0-or-later
#include "modelo/Aleatorio.h"

namespace modelo {

namespace {
std::uint64_t estado = 0x5452414D41564F58ull;
} // namespace

float alAzar()
{
    // A 64-bit linear congruential generator (Knuth's MMIX constants); its
    // top 24 bits are exact in a float, which keeps every value below 1.
    estado = estado * 6364136223846793005ull + 1442695040888963407ull;
    return static_cast<float>(estado >> 40) / 16777216.0f;
}

void sembrarAleatorio(std::uint64_t semilla) { estado = semilla; }

} // namespace modelo
