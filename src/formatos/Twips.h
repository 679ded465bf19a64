// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Twips, the unit of the windows' designs, of the drawing and of RTF: 1440
// an inch, so 15 to a pixel at the 96 dots per inch the designs assume.

#include <QtGlobal>

namespace formatos {

constexpr int kTwipsPorPixel = 15;

inline int aPixeles(int twips) { return qRound(static_cast<double>(twips) / kTwipsPorPixel); }

} // namespace formatos
