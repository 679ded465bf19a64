// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Fields of the CSV files the program writes for spreadsheets (the answer
// log, the class table). A student types their own name, so a name must
// never reach a spreadsheet as a formula.

#include <QString>

namespace formatos {

// The field as written: an apostrophe before a leading "=", "+", "-", "@",
// tab, carriage return or apostrophe (spreadsheets then take it as text),
// and quotes around it where it holds the separator, a quote or a line end
// (quotes inside doubled).
QString campoCsv(const QString& texto, QChar separador);

// A field of a file the program wrote, its protecting apostrophe dropped.
QString campoCsvLeido(const QString& campo);

} // namespace formatos
