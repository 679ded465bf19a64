// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The students and their counts, as the exercise window keeps them between
// loading "puntos.pnt" and saving it. Counts are texts, exactly as last
// given (" 5" from the file, "0" after a reset, "6" after an answer); every
// calculation reads them as numbers. The table grows as students are added.

#include <QString>
#include <QStringList>

namespace ejercicio {

constexpr int kAnchoNombre = 40;

struct TablaAlumnos {
    QStringList nombres;  // each exactly 40 characters
    QStringList totales;  // count of answers
    QStringList aciertos; // count of right answers

    int num_alumnos() const { return int(nombres.size()); }

    // Adds a student with no answers yet; returns its index.
    int agregar(const QString& nombre, const QString& total = QStringLiteral(" 0"),
                const QString& bien = QStringLiteral(" 0"));
};

// A name cut to 40 characters or filled up with spaces to 40.
QString nombreDeTabla(const QString& nombre);

} // namespace ejercicio
