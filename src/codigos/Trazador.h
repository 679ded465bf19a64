// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The waveform plotter: one call redraws the whole drawing area from the
// display state, the number and the set of traces switched on. It keeps
// nothing between calls, so the same inputs always give the same picture.

#include "codigos/Lienzo.h"
#include "codigos/Trazas.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace codigos {

// Where a trace lies: a level L is drawn at y = base - L * amp (twips, y down).
struct Geometria {
    int base;
    std::int16_t amp;
};

struct EstadoPantalla {
    int semiperiodo = 240; // T: half a bit, in twips
    std::array<Geometria, kTrazas> trazas{{
        {200, 200},
        {700, 200},
        {1200, 200},
        {1700, 200},
        {2200, 200},
    }};
    // The bits of the number a wrong answer got wrong, as the number's own
    // bits (0x8000 is the first slot): their slots are shaded.
    std::uint16_t bitsErroneos = 0;
};

using Visibles = std::array<bool, kTrazas>;

// What a redraw hands back to the window besides the picture.
struct Dibujo {
    std::array<std::optional<int>, kTrazas> etiquetas; // new label tops of the drawn traces
};

// Clears the lienzo and draws the grid and every visible trace. A number with
// no binary form draws nothing and gives no result.
std::optional<Dibujo> pintar(Lienzo& lienzo, const EstadoPantalla& estado, const Visibles& visibles,
                             const std::string& numero);

} // namespace codigos
