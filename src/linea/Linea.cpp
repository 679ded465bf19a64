// SPDX-License-Identifier: GPL-3.0-or-later
#include "linea/Linea.h"

#include "codigos/DatosCodigo.h"

#include <fftw3.h>

#include <algorithm>
#include <cmath>
#include <complex>

namespace linea {

using codigos::Codigo;
using codigos::Paso;

namespace {

constexpr int kMitad = kMuestrasPorBit / 2;
constexpr double kPi = 3.14159265358979323846;
constexpr double kDbNeper = 8.685889638065035; // dB in a neper
constexpr int kBloque = 1 << 16;               // bits a measure handles at once

using codigos::Pulso;

// The levels a code sends, highest first: those of its scale, less the
// zero that polar codes show only as the middle of their scale.
std::vector<int> nivelesEnviados(Codigo c)
{
    const auto& datos = codigos::datosCodigo(c);
    std::vector<int> r;
    for (int i = 0; i < datos.cuantosNiveles; ++i)
        if (datos.niveles[std::size_t(i)] != 0 || datos.enviaCero) r.push_back(datos.niveles[std::size_t(i)]);
    return r;
}

int masCercano(const std::vector<int>& niveles, double nivel)
{
    int r = niveles.front();
    for (int n : niveles)
        if (std::abs(nivel - n) < std::abs(nivel - r)) r = n;
    return r;
}

// Q(x), the tail of the standard normal distribution.
double q(double x) { return 0.5 * std::erfc(x / std::sqrt(2.0)); }

// Gaussian samples from the engine's own output (Marsaglia's polar
// method: no sine or cosine), the same on every standard library.
class Ruido {
public:
    explicit Ruido(std::mt19937_64& azar) : azar_(azar) {}
    double siguiente()
    {
        if (guardado_) {
            guardado_ = false;
            return otro_;
        }
        double u = 0, v = 0, s = 0;
        do {
            u = 2 * uniforme() - 1;
            v = 2 * uniforme() - 1;
            s = u * u + v * v;
        } while (s >= 1 || s == 0);
        const double f = std::sqrt(-2 * std::log(s) / s);
        otro_ = v * f;
        guardado_ = true;
        return u * f;
    }

private:
    double uniforme() { return double(azar_() >> 11) / 9007199254740992.0; } // [0, 1)

    std::mt19937_64& azar_;
    bool guardado_ = false;
    double otro_ = 0;
};

// The cable, in frequency: exp(−k√f·(1 + j)), the skin effect's loss with
// the phase that makes it causal; k gives the loss asked at half the bit rate.
void cable(std::vector<double>& onda, double perdidaDb)
{
    const int n = int(onda.size());
    if (n == 0 || perdidaDb <= 0) return;
    const double k = perdidaDb / kDbNeper / std::sqrt(0.5);
    fftw_complex* espectro = fftw_alloc_complex(std::size_t(n / 2 + 1));
    const fftw_plan ida = fftw_plan_dft_r2c_1d(n, onda.data(), espectro, FFTW_ESTIMATE);
    const fftw_plan vuelta = fftw_plan_dft_c2r_1d(n, espectro, onda.data(), FFTW_ESTIMATE);
    fftw_execute(ida);
    for (int i = 0; i <= n / 2; ++i) {
        const double f = double(i) * kMuestrasPorBit / n; // in bit rates
        const std::complex<double> h = std::exp(-k * std::sqrt(f) * std::complex<double>(1, 1));
        const std::complex<double> x(espectro[i][0], espectro[i][1]);
        const std::complex<double> y = x * h / double(n);
        espectro[i][0] = y.real();
        espectro[i][1] = y.imag();
    }
    fftw_execute(vuelta);
    fftw_destroy_plan(ida);
    fftw_destroy_plan(vuelta);
    fftw_free(espectro);
}

// The transformer: a first-order high-pass with its cut-off at `corte`.
void acoplar(std::vector<double>& onda, double corte)
{
    if (corte <= 0) return;
    const double rc = 1.0 / (2 * kPi * corte), ts = 1.0 / kMuestrasPorBit;
    const double a = rc / (rc + ts);
    double anterior = 0, salida = 0;
    for (double& x : onda) {
        salida = a * (salida + x - anterior);
        anterior = x;
        x = salida;
    }
}

} // namespace

std::string bitsAlAzar(std::size_t n, std::mt19937_64& azar)
{
    std::string r(n, '0');
    for (char& b : r) b = (azar() >> 63) != 0 ? '1' : '0';
    return r;
}

std::vector<double> formaDeOnda(const std::vector<Paso>& linea)
{
    std::vector<double> r(linea.size() * kMuestrasPorBit);
    for (std::size_t b = 0; b < linea.size(); ++b) {
        std::fill_n(r.begin() + long(b * kMuestrasPorBit), kMitad, double(linea[b].nivel1));
        std::fill_n(r.begin() + long(b * kMuestrasPorBit + kMitad), kMitad, double(linea[b].nivel2));
    }
    return r;
}

double energiaPorBit(const std::vector<double>& onda)
{
    double e = 0;
    for (double x : onda) e += x * x;
    const double bits = double(onda.size()) / kMuestrasPorBit;
    return bits > 0 ? e / kMuestrasPorBit / bits : 0.0;
}

std::vector<double> pasarPorLinea(std::vector<double> onda, const AjustesLinea& ajustes, double eb,
                                  std::mt19937_64& azar)
{
    cable(onda, ajustes.perdidaDb);
    acoplar(onda, ajustes.acoplamiento);
    if (ajustes.ebn0Db) {
        // N0 one-sided; a sample of length 1/kMuestrasPorBit has variance N0/2 × kMuestrasPorBit.
        const double n0 = eb / std::pow(10.0, *ajustes.ebn0Db / 10);
        const double sigma = std::sqrt(n0 / 2 * kMuestrasPorBit);
        Ruido ruido(azar);
        for (double& x : onda) x += sigma * ruido.siguiente();
    }
    return onda;
}

namespace {

// A lone pulse of the code, as its matched filter sees it: one level for
// the whole bit, half a bit, or Manchester's half up and half down.
std::vector<double> pulsoAislado(Codigo c, int bitsAntes, int bitsTotal)
{
    std::vector<double> onda(std::size_t(bitsTotal * kMuestrasPorBit), 0.0);
    const auto inicio = onda.begin() + bitsAntes * kMuestrasPorBit;
    switch (codigos::datosCodigo(c).pulso) {
    case Pulso::BitEntero: std::fill_n(inicio, kMuestrasPorBit, 1.0); break;
    case Pulso::MedioBit:
    case Pulso::Mitades: std::fill_n(inicio, kMitad, 1.0); break;
    case Pulso::Manchester:
        std::fill_n(inicio, kMitad, -1.0);
        std::fill_n(inicio + kMitad, kMitad, 1.0);
        break;
    }
    return onda;
}

// The matched filter's output for the bit that starts at sample `i`.
double filtrado(Codigo c, const std::vector<double>& onda, std::size_t i)
{
    const auto media = [&](std::size_t desde, int cuantas) {
        double s = 0;
        for (int k = 0; k < cuantas; ++k) s += onda[std::min(onda.size() - 1, desde + std::size_t(k))];
        return s / cuantas;
    };
    switch (codigos::datosCodigo(c).pulso) {
    case Pulso::BitEntero: return media(i, kMuestrasPorBit);
    case Pulso::Manchester: return media(i + kMitad, kMitad) - media(i, kMitad);
    default: return media(i, kMitad);
    }
}

} // namespace

FrenteReceptor frenteReceptor(Codigo c, const AjustesLinea& ajustes)
{
    if (ajustes.perdidaDb <= 0 && ajustes.acoplamiento <= 0) return {};
    // Long enough that the cable's tail dies out before the pulse comes round again.
    constexpr int kAntes = 16, kTotal = 512;
    std::vector<double> onda = pulsoAislado(c, kAntes, kTotal);
    const double enviado = filtrado(c, onda, std::size_t(kAntes * kMuestrasPorBit));
    cable(onda, ajustes.perdidaDb);
    acoplar(onda, ajustes.acoplamiento);
    FrenteReceptor f;
    double mejor = 0;
    for (int d = 0; d < 4 * kMuestrasPorBit; ++d) {
        const double y = filtrado(c, onda, std::size_t(kAntes * kMuestrasPorBit + d));
        if (y > mejor) {
            mejor = y;
            f.retardo = d;
        }
    }
    f.ganancia = mejor > 0 ? enviado / mejor : 1.0;
    return f;
}

std::vector<double> recibir(std::vector<double> llegada, const FrenteReceptor& frente)
{
    if (llegada.empty()) return llegada;
    const std::size_t d = std::min(llegada.size() - 1, std::size_t(frente.retardo));
    std::rotate(llegada.begin(), llegada.begin() + long(d), llegada.end());
    std::fill(llegada.end() - long(d), llegada.end(), llegada[llegada.size() - 1 - d]);
    if (frente.ganancia != 1)
        for (double& x : llegada) x *= frente.ganancia;
    return llegada;
}

std::vector<double> transmitir(Codigo c, const std::vector<Paso>& linea, const AjustesLinea& ajustes,
                               std::mt19937_64& azar)
{
    const std::vector<double> onda = formaDeOnda(linea);
    return recibir(pasarPorLinea(onda, ajustes, energiaPorBit(onda), azar), frenteReceptor(c, ajustes));
}

std::vector<Paso> decidir(Codigo c, const std::vector<double>& recibida)
{
    const std::vector<int> datos = nivelesEnviados(c);
    const std::size_t bits = recibida.size() / kMuestrasPorBit;
    std::vector<Paso> r(bits);
    const auto media = [&](std::size_t desde, int cuantas) {
        double s = 0;
        for (int i = 0; i < cuantas; ++i) s += recibida[desde + std::size_t(i)];
        return s / cuantas;
    };
    for (std::size_t b = 0; b < bits; ++b) {
        const std::size_t i = b * kMuestrasPorBit;
        int n1 = 0, n2 = 0;
        switch (codigos::datosCodigo(c).pulso) {
        case Pulso::BitEntero: n1 = n2 = masCercano(datos, media(i, kMuestrasPorBit)); break;
        case Pulso::MedioBit: n1 = masCercano(datos, media(i, kMitad)); break;
        case Pulso::Mitades:
            n1 = masCercano(datos, media(i, kMitad));
            n2 = masCercano(datos, media(i + kMitad, kMitad));
            break;
        case Pulso::Manchester:
            n2 = media(i + kMitad, kMitad) - media(i, kMitad) >= 0 ? 1 : -1;
            n1 = -n2;
            break;
        }
        r[b] = Paso{'0', std::int8_t(n1), std::int8_t(n2), false};
    }
    return r;
}

std::set<std::pair<int, int>> mitadesMalDecididas(Codigo c, const std::vector<Paso>& enviada,
                                                  const std::vector<Paso>& decidida)
{
    std::set<std::pair<int, int>> r;
    const bool segunda = codigos::datosCodigo(c).pulso != Pulso::MedioBit;
    for (std::size_t b = 0; b < std::min(enviada.size(), decidida.size()); ++b) {
        if (enviada[b].nivel1 != decidida[b].nivel1) r.insert({int(b), 0});
        if (segunda && enviada[b].nivel2 != decidida[b].nivel2) r.insert({int(b), 1});
    }
    return r;
}

MedidaBer medirBer(Codigo c, const AjustesLinea& ajustes, long bits, std::uint64_t semilla)
{
    std::mt19937_64 azar(semilla);
    MedidaBer m;
    codigos::EstadoInicial inicio;
    for (long hechos = 0; hechos < bits; hechos += kBloque) {
        const std::string enviados = bitsAlAzar(std::size_t(std::min<long>(kBloque, bits - hechos)), azar);
        const std::vector<Paso> linea = codigos::codificar(c, enviados, inicio);
        const std::string leidos = codigos::decodificar(c, decidir(c, transmitir(c, linea, ajustes, azar)), inicio);
        for (std::size_t i = 0; i < enviados.size(); ++i) m.errores += leidos[i] != enviados[i];
        m.bits += long(enviados.size());
    }
    return m;
}

std::optional<double> berTeorica(Codigo c, double ebn0Db)
{
    const double ebn0 = std::pow(10.0, ebn0Db / 10);
    switch (c) {
    case Codigo::NrzPolar:
    case Codigo::Manchester: return q(std::sqrt(2 * ebn0));
    case Codigo::NrzUnipolar: return q(std::sqrt(ebn0));
    case Codigo::Ami:
    case Codigo::Pseudoternario: return 1.5 * q(std::sqrt(ebn0)) - 0.5 * q(3 * std::sqrt(ebn0));
    default: return std::nullopt;
    }
}

std::vector<double> umbrales(Codigo c)
{
    if (codigos::datosCodigo(c).pulso == Pulso::Manchester) return {0.0};
    const std::vector<int> niveles = nivelesEnviados(c);
    std::vector<double> r;
    for (std::size_t i = 0; i + 1 < niveles.size(); ++i) r.push_back((niveles[i] + niveles[i + 1]) / 2.0);
    return r;
}

Ojo medirOjo(Codigo c, const std::vector<Paso>& enviada, const std::vector<double>& recibida)
{
    const std::vector<int> niveles = nivelesEnviados(c); // highest first
    Ojo ojo;
    ojo.alto = -1e300;
    int abiertas = 0;
    // Each sampling instant of a half-bit, both halves alike.
    for (int k = 0; k < kMitad; ++k) {
        std::vector<double> minimo(niveles.size(), 1e300), maximo(niveles.size(), -1e300);
        for (std::size_t b = 0; b < enviada.size(); ++b)
            for (int mitad = 0; mitad < 2; ++mitad) {
                const int nivel = mitad == 0 ? enviada[b].nivel1 : enviada[b].nivel2;
                const auto i = std::size_t(std::find(niveles.begin(), niveles.end(), nivel) - niveles.begin());
                if (i >= niveles.size()) continue;
                const double y = recibida[b * kMuestrasPorBit + std::size_t(mitad * kMitad + k)];
                minimo[i] = std::min(minimo[i], y);
                maximo[i] = std::max(maximo[i], y);
            }
        double alto = 1e300;
        for (std::size_t i = 0; i + 1 < niveles.size(); ++i)
            if (minimo[i] < 1e299 && maximo[i + 1] > -1e299)
                alto = std::min(alto, (minimo[i] - maximo[i + 1]) / (niveles[i] - niveles[i + 1]));
        if (alto >= 1e299) continue;
        ojo.alto = std::max(ojo.alto, alto);
        if (alto > 0) ++abiertas;
    }
    if (ojo.alto < -1e299) ojo.alto = 0;
    // Two samples a bit are the two halves' same instant.
    ojo.ancho = double(abiertas) * 2 / kMuestrasPorBit;
    return ojo;
}

RelojRecuperado recuperarReloj(Codigo c, const std::vector<double>& recibida)
{
    // An edge: the line crossing half the pulse height, either way (pulses
    // of the ternary codes have two edges each, as transitions have one).
    const std::vector<int> niveles = nivelesEnviados(c);
    const bool polar = std::find(niveles.begin(), niveles.end(), 0) == niveles.end();
    const auto estado = [polar](double y) { return polar ? (y > 0 ? 1 : -1) : (std::abs(y) > 0.5 ? 1 : 0); };
    RelojRecuperado r;
    const std::size_t bits = recibida.size() / kMuestrasPorBit;
    double error = 0; // the recovered clock's lead over the transmitter's, in bits
    bool deslizado = false;
    int antes = recibida.empty() ? 0 : estado(recibida[0]);
    for (std::size_t b = 0; b < bits; ++b) {
        for (int k = 0; k < kMuestrasPorBit; ++k) {
            error += kDesvioOscilador / kMuestrasPorBit;
            const int ahora = estado(recibida[b * kMuestrasPorBit + std::size_t(k)]);
            if (ahora == antes) continue;
            antes = ahora;
            // Edges fall on the half-bit grid: the error is the distance
            // from the recovered clock's nearest half-bit tick.
            const double desfase = error - std::round(error * 2) / 2;
            error -= kGananciaReloj * desfase;
        }
        const bool fuera = std::abs(error) > 0.25;
        if (fuera && !deslizado) r.deslizamientos.push_back(int(b));
        deslizado = fuera;
        r.fase.push_back(error);
    }
    return r;
}

} // namespace linea
