// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Numbers as text: a count of "puntos.pnt" read, a percentage written for
// its box and read back for the bar (surrounding spaces ignored, the user's
// decimal separator or a point).

#include <QString>

namespace almacen {

// The text as a number; text that is no number reads as 0.
double leerNumero(const QString& texto);

// A count of the file, a whole number of 64 bits (" 5"). Text that is no
// count reads as 0; a count too large for 64 bits reads as the largest one,
// and `saturada` (when given) is set to say so.
qint64 leerCuenta(const QString& texto, bool* saturada = nullptr);

// Two decimals at the most, trailing zeros dropped, no thousands separator,
// the user's decimal separator: 2 of 3 gives 66.67 (66,67 in Spanish), short
// enough for its box to show it whole.
QString textoPorcentaje(double valor);

// The percentage of right answers, or 0 with no answers.
double porcentaje(double bien, double total);

} // namespace almacen
