// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Typing a hexadecimal number into a four-character box, as both windows
// do: the digits scroll in from the right like a pocket calculator, small
// letters become capitals, and any other character only pitidos.

class QString;

namespace formularios {

// The character code of Enter, as key handlers receive it.
constexpr int kTeclaEnter = 13;

// Returns whether the character was a hexadecimal digit (and so taken).
bool teclearDigito(QString& numero, int codigo);

} // namespace formularios
