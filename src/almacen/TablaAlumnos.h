// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The students and their counts, as the exercise window keeps them between
// loading "puntos.pnt" and saving it. Each count keeps how it was last
// written (" 5" from the file, "0" after a reset, "6" after an answer). The
// table grows as students are added.

#include "modelo/Cuenta.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace almacen {

constexpr int kAnchoNombre = 40;

// A line of the file that is no student's (blank, or counts a hand edit
// left unreadable): kept as it was, where it was, so no save loses it.
struct LineaIntacta {
    int antesDe = 0;  // the index of the student it stands before
    QByteArray bytes; // without its line end
};

struct TablaAlumnos {
    QStringList nombres;            // each exactly 40 characters
    QList<modelo::Cuenta> totales;  // count of answers
    QList<modelo::Cuenta> aciertos; // count of right answers
    QList<LineaIntacta> intactas;

    int num_alumnos() const { return int(nombres.size()); }
    // The names as people read them, without the spaces that fill them up.
    QStringList nombresVisibles() const;

    // Adds a student with no answers yet; returns its index.
    int agregar(const QString& nombre, modelo::Cuenta total = modelo::Cuenta::leida(0),
                modelo::Cuenta bien = modelo::Cuenta::leida(0));
    // Removes the student at `indice`; the lines kept stay where they stood.
    void quitar(int indice);
    // The first student whose name differs from `nombre` at most in case
    // and accents ("María Pérez" for "maria perez"), or -1.
    int parecido(const QString& nombre) const;
};

// A name cut to 40 characters or filled up with spaces to 40.
QString nombreDeTabla(const QString& nombre);

// A character no name may hold: a control character, or a line or
// paragraph separator.
bool esDeControl(QChar c);

// A typed or pasted name as it may be kept: no control characters (a line
// end pasted from a spreadsheet cell would split the file's line) and no
// blanks at its ends.
QString nombreLimpio(const QString& nombre);

// Why a clean name cannot be kept, in Spanish, or an empty text: the file
// holds 40 characters of Windows-1252 per name.
QString motivoNombreNoValido(const QString& nombre);

// A name without the spaces that fill it up to 40.
QString sinRelleno(QString nombre);

} // namespace almacen
