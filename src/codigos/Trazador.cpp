// SPDX-License-Identifier: GPL-3.0-or-later
#include "codigos/Trazador.h"

#include "codigos/Codificador.h"
#include "codigos/CodigosLinea.h"

namespace codigos {

namespace {

// A trace's levels, half-bit step by step: the laboratory's coder over the
// eight copies of the word (the window never draws as far as their end;
// beyond it, 0).
class NivelesTraza {
public:
    NivelesTraza(Codigo c, const std::string& binario) : pasos_(codificar(c, copiasPalabra(binario))) {}
    int enPaso(int paso) const
    {
        const auto bit = static_cast<std::size_t>(paso / 2);
        if (bit >= pasos_.size()) return 0;
        return paso % 2 == 0 ? pasos_[bit].nivel1 : pasos_[bit].nivel2;
    }

private:
    std::vector<Paso> pasos_;
};

float fy(const Geometria& g, int nivel) { return static_cast<float>(g.base - nivel * g.amp); }

// The label sits halfway up the trace's high level.
int topeEtiqueta(const Geometria& g) { return g.base - g.amp / 2; }

void pintarRejilla(Lienzo& lienzo, int t)
{
    const int w = lienzo.anchoTotal();
    const auto h = static_cast<float>(lienzo.altoTotal());
    for (int x = 2 * t; x <= w; x += 2 * t) {
        const int frontera = x / (2 * t);
        const Color c = frontera % 4 == 0 ? colores::kRejillaDigito : colores::kRejilla;
        const auto fx = static_cast<float>(x);
        lienzo.linea({fx, 0}, {fx, h}, c);
    }
}

// Shaded first, so the grid and the traces stay on top; only the first
// copy of the number, the one the student read, is marked.
void sombrearErrores(Lienzo& lienzo, int t, std::uint16_t errores)
{
    const auto h = static_cast<float>(lienzo.altoTotal());
    for (int bit = 0; bit < 16; ++bit) {
        if (!(errores & (0x8000u >> bit))) continue;
        lienzo.rellenar({static_cast<float>(2 * t * bit), 0}, {static_cast<float>(2 * t * (bit + 1)), h},
                        colores::kBitErroneo);
    }
}

// The traces run to W + 2T so that they always reach the right edge; the
// lienzo clips what lies beyond.
int limite(const Lienzo& lienzo, int t) { return lienzo.anchoTotal() + 2 * t; }

void pintarReloj(Lienzo& lienzo, const Geometria& g, int t)
{
    const Punto inicio{0, fy(g, 1)};
    lienzo.linea(inicio, inicio, kDatosTrazas[Reloj].trazo);
    int c = 1;
    for (int x = t; x <= limite(lienzo, t); x += t) {
        const auto fx = static_cast<float>(x);
        lienzo.lineaHasta({fx, fy(g, c)}, kDatosTrazas[Reloj].trazo);
        c = (c + 1) & 1;
        lienzo.lineaHasta({fx, fy(g, c)}, kDatosTrazas[Reloj].trazo);
    }
}

void pintarNrz(Lienzo& lienzo, const Geometria& g, int t, const NivelesTraza& nrz)
{
    const Punto inicio{0, fy(g, nrz.enPaso(0))};
    lienzo.linea(inicio, inicio, kDatosTrazas[Nrz].trazo);
    for (int x = 0; x <= limite(lienzo, t); x += 2 * t) {
        const float y = fy(g, nrz.enPaso(2 * (x / (2 * t))));
        lienzo.lineaHasta({static_cast<float>(x), y}, kDatosTrazas[Nrz].trazo);
        lienzo.lineaHasta({static_cast<float>(x + 2 * t), y}, kDatosTrazas[Nrz].trazo);
    }
}

// RZ, AMI and HDB3 are drawn in half-bit steps.
void pintarMedios(Lienzo& lienzo, const Geometria& g, int t, float yInicial, Color color, const NivelesTraza& niveles)
{
    const Punto inicio{0, yInicial};
    lienzo.linea(inicio, inicio, color);
    for (int x = 0, paso = 0; x <= limite(lienzo, t); x += t, ++paso) {
        const float y = fy(g, niveles.enPaso(paso));
        lienzo.lineaHasta({static_cast<float>(x), y}, color);
        lienzo.lineaHasta({static_cast<float>(x + t), y}, color);
    }
}

} // namespace

std::optional<Dibujo> pintar(Lienzo& lienzo, const EstadoPantalla& estado, const Visibles& visibles,
                             const std::string& numero)
{
    const auto bin = binario(numero);
    if (!bin) return std::nullopt;

    const int t = estado.semiperiodo;
    const auto& g = estado.trazas;
    Dibujo d;

    lienzo.borrar();
    sombrearErrores(lienzo, t, estado.bitsErroneos);
    pintarRejilla(lienzo, t);
    if (visibles[Reloj]) pintarReloj(lienzo, g[Reloj], t);
    if (visibles[Nrz]) pintarNrz(lienzo, g[Nrz], t, NivelesTraza(Codigo::NrzUnipolar, *bin));
    // RZ's and AMI's pens start at the first bit's digit.
    const int d0 = (*bin)[0] - '0';
    if (visibles[Rz])
        pintarMedios(lienzo, g[Rz], t, fy(g[Rz], d0), kDatosTrazas[Rz].trazo, NivelesTraza(Codigo::Rz, *bin));
    if (visibles[Ami])
        pintarMedios(lienzo, g[Ami], t, fy(g[Ami], d0), kDatosTrazas[Ami].trazo, NivelesTraza(Codigo::Ami, *bin));
    if (visibles[Hdb3]) {
        // This pen starts on the baseline whatever the first symbol, so a
        // leading pulse shows its rising edge at x = 0.
        pintarMedios(lienzo, g[Hdb3], t, fy(g[Hdb3], 0), kDatosTrazas[Hdb3].trazo, NivelesTraza(Codigo::Hdb3, *bin));
    }
    for (int i = 0; i < kTrazas; ++i) {
        if (visibles[i]) d.etiquetas[i] = topeEtiqueta(g[i]);
    }
    return d;
}

} // namespace codigos
