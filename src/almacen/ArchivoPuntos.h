// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The statistics file "puntos.pnt": one line per student, Windows-1252, CR LF.
// Columns 1 to 40 hold the name (filled up with spaces); after them come the
// count of answers and the count of right answers, each a space and its
// digits. A file whose counts are all below 10 reads back and saves again
// byte for byte.

#include "almacen/TablaAlumnos.h"

#include <QByteArray>
#include <QString>

namespace almacen {

extern const QString kArchivoPuntos; // "puntos.pnt", in the working directory

// What reading the file's bytes found besides the students.
struct Lecturas {
    bool saturada = false; // a count too large for 64 bits was read as the largest
    bool utf8 = false;     // the file was UTF-8 (a hand edit) and is read as such
    QStringList avisos;    // "línea 3: …" for each line kept as it was
};

// Reading and writing the file's bytes. A line "Ana 5 3" without the
// padding reads as Ana with 5 and 3; a line no student's counts can be read
// from (blank, negative counts, more right answers than answers) is kept as
// it was and reported in `lecturas`.
TablaAlumnos leerPuntos(const QByteArray& contenido, Lecturas* lecturas = nullptr);
QByteArray escribirPuntos(const TablaAlumnos& tabla);

struct Carga {
    TablaAlumnos tabla;
    QString error; // empty when the table was read, or the file is missing
    Lecturas lecturas;
    QByteArray bytes; // the file as read
};

// A missing file is an empty table, not an error: it is created on saving.
// Only a regular file of a sane size is read.
Carga cargarPuntos(const QString& ruta);

// Writes the whole file or leaves the old one untouched; returns the reason
// on failure, empty on success.
QString guardarPuntos(const TablaAlumnos& tabla, const QString& ruta);

} // namespace almacen
