// SPDX-License-Identifier: GPL-3.0-or-later
#include "dibujo/Color.h"

namespace dibujo {

QColor qColor(Color c)
{
    return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF), static_cast<int>((c >> 16) & 0xFF));
}

} // namespace dibujo
