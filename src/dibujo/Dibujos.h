// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's pictures, drawn by code so that they live in the repository
// as their own source: the window icon and the about window's picture.

#include <QIcon>
#include <QImage>

namespace dibujo {

// A yellow push-button desk telephone on a grey base with a row of red
// lights, on a transparent background; drawn at every size the desktop asks.
QIcon iconoPrograma();
QImage dibujarIcono(int lado);
// The same icon as vectors, for the desktop's scalable icons.
QByteArray iconoSvg();

// 200 x 116: students at laboratory benches with telephone and electronic
// equipment, "Sistemas de Telefonía" across it in green and yellow.
// At `escala` times its size, drawn anew so that it stays sharp when zoomed.
QImage imagenAcercaDe(double escala = 1.0);

} // namespace dibujo
