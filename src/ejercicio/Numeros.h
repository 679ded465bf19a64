// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Numbers held as text in the statistics boxes: read as decimal numbers
// (surrounding spaces ignored, the user's decimal separator or a point),
// written back as plain digits or as a percentage.

#include <QString>

namespace ejercicio {

// The text as a number; text that is no number reads as 0.
double leerNumero(const QString& texto);

// Counts are whole numbers of 64 bits, held as text (" 5" from the file,
// "0" after a reset, "-7" for the errors of a hand-edited line). Text that
// is no count reads as 0; a count too large for 64 bits reads as the
// largest one, and `saturada` (when given) is set to say so.
qint64 leerCuenta(const QString& texto, bool* saturada = nullptr);

// a + b, stopping at the largest or smallest count instead of wrapping round.
qint64 sumarCuenta(qint64 a, qint64 b, bool* saturada = nullptr);

// Two decimals at the most, trailing zeros dropped, no thousands separator,
// the user's decimal separator: 2 of 3 gives 66.67 (66,67 in Spanish), short
// enough for its box to show it whole.
QString textoPorcentaje(double valor);

// The percentage of right answers, or 0 with no answers.
double porcentaje(double bien, double total);

} // namespace ejercicio
