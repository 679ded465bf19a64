// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The lienzo of the drawing area: draws in twips into an image of the inner
// area in device pixels, so lines stay one device pixel wide and crisp at any
// device-pixel ratio. The image is kept for repaints.

#include "codigos/Lienzo.h"

#include <QImage>

namespace dibujo {

class LienzoImagen : public codigos::Lienzo {
public:
    LienzoImagen(int anchoExteriorTwips, int altoExteriorTwips, codigos::Color fondo);

    // The inner area in device-independent pixels, the device-pixel ratio
    // and the zoom; from a zoom of 2 up lines are two device pixels wide, so
    // that a projected trace stays as bold as the rest of the window.
    void redimensionar(QSize interior, qreal dpr, double zoom = 1.0);
    const QImage& imagen();
    void rellenar(codigos::Punto desde, codigos::Punto hasta, codigos::Color color) override;

protected:
    void rellenarFondo() override;
    void dibujarSegmento(codigos::Punto desde, codigos::Punto hasta, codigos::Color color) override;

private:
    int aDispositivo(float twips) const;
    QPoint aDispositivo(codigos::Punto p);
    void horizontal(int y, int x1, int x2, QRgb color);
    void vertical(int x, int y1, int y2, QRgb color);
    void diagonal(codigos::Punto desde, codigos::Punto hasta, QRgb color);

    QRgb fondo_;
    qreal escala_ = 1.0; // device pixels per twip
    QImage imagen_;
    // Taken once per redraw (after the clear has detached the image) so that
    // each line costs no more than its pixels.
    uchar* bits_ = nullptr;
    qsizetype bytesPorLinea_ = 0;
    int anchoPx_ = 0;
    int altoPx_ = 0;
    int dprEntero_ = 1; // device pixels per pixel when whole (ratio times zoom), else 0
    int grosor_ = 1;    // line width in device pixels
    // Most lines start where the last one ended, in the color of the last:
    // both are kept converted.
    codigos::Punto ultimo_{-1, -1};
    QPoint ultimoPx_;
    codigos::Color ultimoColor_ = 0xFFFFFFFF;
    QRgb ultimoRgb_ = 0;
};

} // namespace dibujo
