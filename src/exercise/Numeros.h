#pragma once
// Numbers held as text in the statistics boxes: read as decimal numbers
// (surrounding spaces ignored, the user's decimal separator or a point),
// written back as plain digits or as a percentage.

#include <QString>

namespace ejercicio {

// The text as a number; text that is no number reads as 0.
double leerNumero(const QString& texto);

// Whole counts as plain decimal digits, no leading space.
QString textoEntero(double valor);

// Up to 15 significant digits, trailing zeros dropped, no thousands
// separator, the user's decimal separator: 2 of 3 gives 66.6666666666667.
QString textoPorcentaje(double valor);

// The percentage of right answers, or 0 with no answers.
double porcentaje(double bien, double total);

} // namespace ejercicio
