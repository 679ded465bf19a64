// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The drawing operations the plotter needs from a picture box: clear, lines
// in twips with a pen that stays where the last line ended, filled
// rectangles, and the box's outer size. The window draws into an image; tests record the lines.

#include <cstdint>

namespace codigos {

// A color as the program writes it: &H00BBGGRR (red in the low byte).
using Color = std::uint32_t;

struct Punto {
    float x = 0;
    float y = 0;
    friend bool operator==(Punto a, Punto b) { return a.x == b.x && a.y == b.y; }
};

class Lienzo {
public:
    // The picture box's outer size in twips, border included: the plotter
    // scales its traces to it.
    Lienzo(int anchoTotal, int altoTotal) : anchoTotal_(anchoTotal), altoTotal_(altoTotal) {}
    virtual ~Lienzo() = default;

    // Fills the area with its background; the pen goes to (0, 0).
    void borrar();
    // A line between two points; the pen is left at the end point.
    void linea(Punto desde, Punto hasta, Color color);
    // A line from the pen to a point; the pen is left there.
    void lineaHasta(Punto hasta, Color color);
    // A filled rectangle between two corners; the pen does not move.
    virtual void rellenar(Punto desde, Punto hasta, Color color) = 0;

    int anchoTotal() const { return anchoTotal_; }
    int altoTotal() const { return altoTotal_; }

protected:
    virtual void rellenarFondo() = 0;
    virtual void dibujarSegmento(Punto desde, Punto hasta, Color color) = 0;

private:
    int anchoTotal_;
    int altoTotal_;
    Punto pen_;
};

} // namespace codigos
