// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the laboratory's plots (spectrum, eye, error rate) share: a black
// widget whose plot area lies inside margins kept for figures and titles,
// designed in pixels at 100 % and drawn at the program's zoom.

#include "laboratorio/DibujoAmpliable.h"

#include <QColor>
#include <QImage>

class QPainter;

namespace laboratorio {

class Grafico : public DibujoAmpliable {
public:
    // Design pixels, at 100 %.
    struct Margenes {
        int izquierdo = 0;
        int superior = 0;
        int derecho = 0;
        int inferior = 0;
    };

    void ponerZoom(double zoom);
    // Where the plot lies in the widget.
    QRect area() const;
    // The plot drawn at `tamano`, for the help's figures.
    QImage comoImagen(QSize tamano);

protected:
    Grafico(Margenes margenes, QWidget* parent);
    // Black, then the axes (with all that lies beneath the data), then the
    // data antialiased and clipped to the plot (with room for a mark on its
    // edge), then what lies over everything.
    void paintEvent(QPaintEvent* e) final;
    virtual void pintarEjes(QPainter& p, const QRect& a) const = 0;
    virtual void pintarDatos(QPainter& p, const QRect& a) const = 0;
    virtual void pintarEncima(QPainter& p, const QRect& a) const
    {
        (void)p;
        (void)a;
    }
    // Room kept at the right of the plot, beyond its margin (a legend).
    virtual int reservaDerecha() const { return 0; }

    // Design pixels of the axes, at 100 %.
    static constexpr int kMarca = 3;        // a tick, half a marker
    static constexpr int kSeparacion = 4;   // between an axis and its figures
    static constexpr int kAltoRotulo = 14;  // a figure's height
    static constexpr int kAnchoRotulo = 40; // room for one figure under a tick
    static QColor colorEjes() { return {160, 160, 160}; }

private:
    Margenes margenes_;
};

} // namespace laboratorio
