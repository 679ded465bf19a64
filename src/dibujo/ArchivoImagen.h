// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Saving the drawing area's picture for worksheets: a PNG of the pixels on
// screen, or an SVG drawn again as vectors through the plotter. Each returns
// an empty text on success, or the reason it failed; the file is written
// whole or not at all.

#include "codigos/Lienzo.h"

#include <QImage>
#include <QString>

#include <functional>

namespace dibujo {

QString guardarPng(const QImage& imagen, const QString& ruta);

// `dibujar` redraws the picture on the lienzo it is given; the outer size is
// in twips and the inner area in pixels, as on screen.
QString guardarSvg(const std::function<void(codigos::Lienzo&)>& dibujar, QSize exteriorTwips, QSize interiorPixeles,
                   const QString& ruta);

} // namespace dibujo
