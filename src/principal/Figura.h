// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A waveform picture as the main window draws it, with the trace names on
// the left in their colours: the figures of the help document.

#include "codigos/Trazador.h"

#include <QImage>
#include <QString>

namespace principal {

// The main window's drawing area inside its border, in pixels.
QSize interiorPantalla();

QImage figuraOndas(const QString& numero, const codigos::Visibles& visibles, int semiperiodo = 240);

// What such a picture shows, in words (never the number): "Forma de onda
// de 16 bits: reloj y AMI". For screen readers and the help's captions.
QString descripcionOndas(const codigos::Visibles& visibles);

} // namespace principal
