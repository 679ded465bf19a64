// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The statistics file "puntos.pnt": one line per student, Windows-1252, CR LF.
// Columns 1 to 40 hold the name (filled up with spaces); after them come the
// count of answers and the count of right answers, each a space and its
// digits. A file whose counts are all below 10 reads back and saves again
// byte for byte.

#include "exercise/TablaAlumnos.h"

#include <QByteArray>
#include <QString>

namespace ejercicio {

extern const QString kArchivoPuntos; // "puntos.pnt", in the working directory

// Reading and writing the file's bytes. Counts are 64-bit whole numbers; one
// too large for that reads as the largest, and `saturada` says so.
TablaAlumnos leerPuntos(const QByteArray& contenido, bool* saturada = nullptr);
QByteArray escribirPuntos(const TablaAlumnos& tabla);

struct Carga {
    TablaAlumnos tabla;
    QString error;          // empty when the table was read, or the file is missing
    bool saturada = false;  // a count was too large and was cut to the largest
};

// A missing file is an empty table, not an error: it is created on saving.
// Only a regular file of a sane size is read.
Carga cargarPuntos(const QString& ruta);

// Writes the whole file or leaves the old one untouched; returns the reason
// on failure, empty on success.
QString guardarPuntos(const TablaAlumnos& tabla, const QString& ruta);

} // namespace ejercicio
