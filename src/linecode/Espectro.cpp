// SPDX-License-Identifier: GPL-3.0-or-later
#include "linecode/Espectro.h"

#include <fftw3.h>

#include <cmath>
#include <random>

namespace linecode {

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

} // namespace

std::vector<double> densidadEspectral(Codigo c, int bits, unsigned semilla)
{
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

    // Density per unit of bit rate, one-sided (twice the two-sided value
    // away from DC), divided by the line's mean power.
    std::vector<double> r(kPuntosEspectro);
    const double escala = 1.0 / (segmentos * energiaVentana * kMuestrasPorBit * (potencia > 0 ? potencia : 1));
    for (int k = 0; k < kPuntosEspectro; ++k) r[k] = suma[k] * escala * (k == 0 ? 1 : 2);
    return r;
}

} // namespace linecode
