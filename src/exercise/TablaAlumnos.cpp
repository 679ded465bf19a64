// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercise/TablaAlumnos.h"

namespace ejercicio {

QString nombreDeTabla(const QString& nombre)
{
    return nombre.left(kAnchoNombre).leftJustified(kAnchoNombre, QLatin1Char(' '));
}

int TablaAlumnos::agregar(const QString& nombre, const QString& total, const QString& bien)
{
    nombres << nombreDeTabla(nombre);
    totales << total;
    aciertos << bien;
    return num_alumnos() - 1;
}

} // namespace ejercicio
