// SPDX-License-Identifier: GPL-3.0-or-later
#include "codigos/Espectro.h"

#include "codigos/DatosCodigo.h"

#include <fftw3.h>

#include <cmath>
#include <complex>
#include <random>
#include <stdexcept>

namespace codigos {

namespace {

constexpr int kMuestrasPorMitad = 4;
constexpr int kMuestrasPorBit = 2 * kMuestrasPorMitad;
// 128 bits a segment: 2 x bit rate falls on bin 256 of its 1024.
constexpr int kSegmento = 1024;

std::vector<double> muestras(Codigo c, int bits, unsigned semilla)
{
    std::mt19937 azar(semilla);
    std::string datos(static_cast<std::size_t>(bits), '0');
    for (char& b : datos) b = (azar() & 1u) ? '1' : '0';
    std::vector<double> r;
    r.reserve(datos.size() * kMuestrasPorBit);
    for (const Paso& p : codificar(c, datos)) {
        r.insert(r.end(), kMuestrasPorMitad, p.nivel1);
        r.insert(r.end(), kMuestrasPorMitad, p.nivel2);
    }
    return r;
}

double sinc(double x) { return x == 0 ? 1.0 : std::sin(M_PI * x) / (M_PI * x); }

double cuadrado(double x) { return x * x; }

// MLT-3's levels walk a cycle of four states: level k bits apart correlate
// as half the real part of ((1 + j) / 2)^|k|. This is that sequence's
// transform at w radians per bit.
double correlacionMlt3(double w)
{
    const std::complex<double> z(0.5, 0.5);
    const std::complex<double> adelante = z * std::polar(1.0, w), atras = z * std::polar(1.0, -w);
    return 0.5 + 0.5 * std::real(adelante / (1.0 - adelante) + atras / (1.0 - atras));
}

} // namespace

std::optional<double> densidadTeorica(Codigo c, double f)
{
    const double x = f;
    switch (c) {
    case Codigo::NrzUnipolar: return cuadrado(sinc(x));
    case Codigo::NrzPolar:
    case Codigo::Nrzi: return 2 * cuadrado(sinc(x));
    case Codigo::Rz: return 0.5 * cuadrado(sinc(x / 2));
    case Codigo::Ami: return 2 * cuadrado(sinc(x / 2) * std::sin(M_PI * x));
    case Codigo::Pseudoternario: return 4 * cuadrado(sinc(x) * std::sin(M_PI * x));
    case Codigo::Manchester:
    case Codigo::ManchesterDiferencial: return 2 * cuadrado(sinc(x / 2) * std::sin(M_PI * x / 2));
    case Codigo::Cmi:
        // A 0's fixed half-bit pair and the alternating ones, whose signs
        // correlate only between neighbours.
        return 0.5 * cuadrado(sinc(x / 2)) *
               (cuadrado(std::sin(M_PI * x / 2)) + 4 * cuadrado(std::cos(M_PI * x / 2) * std::sin(M_PI * x)));
    case Codigo::DosBUnoQ: return 4 * cuadrado(sinc(2 * x));
    case Codigo::Mlt3: return 4 * cuadrado(sinc(x)) * correlacionMlt3(2 * M_PI * x);
    case Codigo::Hdb3:
    case Codigo::B8zs: return std::nullopt;
    }
    return std::nullopt;
}

bool tieneRayas(Codigo c) { return datosCodigo(c).rayas; }

std::vector<double> densidadEspectral(Codigo c, int bits, unsigned semilla)
{
    // Fewer bits than one segment would average nothing: 0 / 0.
    if (bits < kSegmento / kMuestrasPorBit) throw std::invalid_argument("hacen falta al menos 128 bits");
    const std::vector<double> x = muestras(c, bits, semilla);
    std::vector<double> ventana(kSegmento);
    double energiaVentana = 0;
    for (int n = 0; n < kSegmento; ++n) {
        ventana[n] = 0.5 - 0.5 * std::cos(2 * M_PI * n / kSegmento);
        energiaVentana += ventana[n] * ventana[n];
    }
    double* entrada = fftw_alloc_real(kSegmento);
    fftw_complex* salida = fftw_alloc_complex(kSegmento / 2 + 1);
    const fftw_plan plan = fftw_plan_dft_r2c_1d(kSegmento, entrada, salida, FFTW_ESTIMATE);

    std::vector<double> suma(kPuntosEspectro, 0.0);
    int segmentos = 0;
    for (std::size_t inicio = 0; inicio + kSegmento <= x.size(); inicio += kSegmento / 2, ++segmentos) {
        for (int n = 0; n < kSegmento; ++n) entrada[n] = x[inicio + n] * ventana[n];
        fftw_execute(plan);
        for (int k = 0; k < kPuntosEspectro; ++k) suma[k] += salida[k][0] * salida[k][0] + salida[k][1] * salida[k][1];
    }
    fftw_destroy_plan(plan);
    fftw_free(salida);
    fftw_free(entrada);

    double potencia = 0;
    for (double v : x) potencia += v * v;
    potencia /= static_cast<double>(x.size());

    // Density per unit of bit rate, one-sided (twice the two-sided value,
    // at 0 Hz as well, so that the curve meets its first point), divided
    // by the line's mean power.
    // The line holds each sample's level until the next: its density is
    // the samples' times the hold's sinc squared, which takes out the
    // images of higher frequencies that sampling folds back.
    std::vector<double> r(kPuntosEspectro);
    const double escala = 2.0 / (segmentos * energiaVentana * kMuestrasPorBit * (potencia > 0 ? potencia : 1));
    for (int k = 0; k < kPuntosEspectro; ++k) {
        const double f = 2.0 * k / (kPuntosEspectro - 1);
        r[k] = suma[k] * escala * cuadrado(sinc(f / kMuestrasPorBit));
    }
    return r;
}

} // namespace codigos
