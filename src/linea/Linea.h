// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A line between the coder and the receiver: the transmitted waveform goes
// through a cable whose loss grows as the square root of frequency (skin
// effect), a transformer's coupling (a first-order high-pass) and white
// Gaussian noise, and the receiver decides each bit's levels from what
// arrives. Plain C++; the bit rate is 1 and time is counted in bits.

#include "codigos/CodigosLinea.h"

#include <cstdint>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace linea {

// Samples a bit: each half-bit is held for half of them.
constexpr int kMuestrasPorBit = 8;

struct AjustesLinea {
    double perdidaDb = 0;         // cable loss at half the bit rate, 0 to 40 dB
    double acoplamiento = 0;      // the coupling's cut-off, a fraction of the bit rate; 0: none
    std::optional<double> ebn0Db; // Eb/N0 of the noise; none: no noise
};

// `n` random bits, each the top bit of one draw: the same on every
// standard library for the same seed.
std::string bitsAlAzar(std::size_t n, std::mt19937_64& azar);

// The waveform of a line, kMuestrasPorBit samples a bit.
std::vector<double> formaDeOnda(const std::vector<codigos::Paso>& linea);

// The mean energy per bit of a waveform (a sample lasts 1/kMuestrasPorBit).
double energiaPorBit(const std::vector<double>& onda);

// What arrives at the receiver. `eb` is the transmitted code's mean energy
// per bit, which the noise is measured against.
std::vector<double> pasarPorLinea(std::vector<double> onda, const AjustesLinea& ajustes, double eb,
                                  std::mt19937_64& azar);

// The receiver's front end: its automatic gain brings a lone pulse back to
// the height it was sent with, and its timing takes out the delay the
// cable gave it, both measured on a lone pulse of the code through this
// line (as a receiver settles on the line it is connected to). With no
// loss and no coupling it changes nothing.
struct FrenteReceptor {
    double ganancia = 1; // what a lone pulse is multiplied by
    int retardo = 0;     // samples the line delays it by
};
FrenteReceptor frenteReceptor(codigos::Codigo c, const AjustesLinea& ajustes);

// What arrives, as the receiver's decisions and clock see it: amplified by
// the front end's gain and advanced by its delay (the last sample held).
std::vector<double> recibir(std::vector<double> llegada, const FrenteReceptor& frente);

// A line's waveform through the line and the receiver's front end.
std::vector<double> transmitir(codigos::Codigo c, const std::vector<codigos::Paso>& linea, const AjustesLinea& ajustes,
                               std::mt19937_64& azar);

// The receiver's decisions, as a line of levels its decoder reads: each
// half-bit integrated over its samples (the whole bit where the code holds
// its level, the first half where its pulses last half a bit, the
// difference of the halves for Manchester: matched filters) and given the
// nearest of the code's levels, so that ternary codes have their
// thresholds at half the pulse height.
std::vector<codigos::Paso> decidir(codigos::Codigo c, const std::vector<double>& recibida);

// The half-bits the receiver decided otherwise than they were sent, among
// those it decides (the first half only where pulses last half a bit).
std::set<std::pair<int, int>> mitadesMalDecididas(codigos::Codigo c, const std::vector<codigos::Paso>& enviada,
                                                  const std::vector<codigos::Paso>& decidida);

struct MedidaBer {
    long bits = 0;
    long errores = 0;
    double ber() const { return bits > 0 ? double(errores) / double(bits) : 0.0; }
};

// Random bits through the line, decided and decoded, against the bits sent.
MedidaBer medirBer(codigos::Codigo c, const AjustesLinea& ajustes, long bits, std::uint64_t semilla);

// The bit error rate the theory gives for this receiver on a noisy line
// with no loss and no coupling, where there is a closed form: NRZ polar and
// Manchester, Q(√(2Eb/N0)); NRZ unipolar, Q(√(Eb/N0)); AMI and
// pseudoternary, 3/2·Q(√(Eb/N0)) − 1/2·Q(3√(Eb/N0)).
std::optional<double> berTeorica(codigos::Codigo c, double ebn0Db);

// Where the receiver's decisions change over, in the levels' units: half
// way between two neighbouring levels the code sends (for Manchester, whose
// receiver compares the halves, the baseline).
std::vector<double> umbrales(codigos::Codigo c);

// The eye of a line, measured from what was sent and what arrived: at the
// best sampling instant, the narrowest gap between the values of two
// neighbouring levels, as a fraction of the distance between those levels
// (1: wide open; at or below 0 the eye is closed), and for how much of a
// bit the eye is open.
struct Ojo {
    double alto = 0;
    double ancho = 0; // in bits
};
Ojo medirOjo(codigos::Codigo c, const std::vector<codigos::Paso>& enviada, const std::vector<double>& recibida);

// Clock recovery: a first-order phase-locked loop that a pulse's or a
// transition's edge pulls by kGananciaReloj of its phase error; between
// edges the receiver's oscillator runs free, kDesvioOscilador off the
// transmitter's rate. The loop's bandwidth is about kGananciaReloj × the
// edges per bit / 2π of the bit rate (1 % of it with an edge every bit).
constexpr double kGananciaReloj = 0.06;
constexpr double kDesvioOscilador = 0.005;

struct RelojRecuperado {
    std::vector<double> fase;        // the recovered clock's error, in bits, at the end of each bit
    std::vector<int> deslizamientos; // the bits where the error first passes a quarter bit
};
RelojRecuperado recuperarReloj(codigos::Codigo c, const std::vector<double>& recibida);

} // namespace linea
